#include "ietools/ProcessListing.h"

#include <gtest/gtest.h>

namespace {

TEST(Hex2, TwoUpperCaseDigits)
{
    const std::pair<int, const char*> cases[] = {
        {0, "00"}, {5, "05"}, {15, "0F"}, {16, "10"}, {200, "C8"}, {255, "FF"}, {-1, "FF"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(HEX2(value), QLatin1String(expected)) << value;
}

TEST(ProcessIdFromText, HexTextOnly)
{
    const std::pair<const char*, std::optional<std::uint32_t>> cases[] = {
        {"1A4", 420u},       {"1a4", 420u},       {" 1A4 ", 420u},     {"FFFFFFFF", 0xFFFFFFFFu},
        {"", std::nullopt},  {"   ", std::nullopt}, {"XYZ", std::nullopt}, {"1A 4", std::nullopt},
        {"-1", std::nullopt}, {"0x1A", std::nullopt}, {"100000000", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(ProcessIdFromText(QLatin1String(text)), expected) << text;
}

} // namespace
