#include "app/TextHelpers.h"

#include <gtest/gtest.h>

namespace {

TEST(TrimBlanks, OnlySpacesAtBothEnds)
{
    EXPECT_EQ(TrimBlanks(QStringLiteral("  a b  ")), QStringLiteral("a b"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("   ")), QString());
    EXPECT_EQ(TrimBlanks(QStringLiteral("\ta\t")), QStringLiteral("\ta\t"));
    EXPECT_EQ(TrimBlanks(QStringLiteral("  file:// \t ")), QStringLiteral("file:// \t"));
}

TEST(Hex2, TwoUpperCaseDigits)
{
    const std::pair<int, const char*> cases[] = {
        {0, "00"}, {5, "05"}, {15, "0F"}, {16, "10"}, {200, "C8"}, {255, "FF"}, {-1, "FF"},
    };
    for (const auto& [value, expected] : cases)
        EXPECT_EQ(HEX2(value), QLatin1String(expected)) << value;
}

} // namespace
