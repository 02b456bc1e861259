#include "ietools/ProcessListing.h"

#include <gtest/gtest.h>

namespace {

TEST(ProcessIdFromText, HexTextOnly)
{
    const std::pair<const char*, std::optional<std::uint32_t>> cases[] = {
        {"1A4", 420u},
        {"1a4", 420u},
        {" 1A4 ", 420u},
        {"FFFFFFFF", 0xFFFFFFFFu},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"XYZ", std::nullopt},
        {"1A 4", std::nullopt},
        {"-1", std::nullopt},
        {"0x1A", std::nullopt},
        {"100000000", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ProcessIdFromText(QLatin1String(text)), expected) << text;
}

} // namespace
