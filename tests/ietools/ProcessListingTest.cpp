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

TEST(ProcessIdText, UpperCaseHexWithoutLeadingZeros)
{
    EXPECT_EQ(ProcessIdText(420), QStringLiteral("1A4"));
    EXPECT_EQ(ProcessIdText(10), QStringLiteral("A"));
    EXPECT_EQ(ProcessIdText(0xFFFFFFFF), QStringLiteral("FFFFFFFF"));
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

TEST(IsIeProcessName, UpperCasedSubstring)
{
    EXPECT_TRUE(IsIeProcessName(QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe")));
    EXPECT_TRUE(IsIeProcessName(QStringLiteral("MYIEXPLORE.EXE")));
    EXPECT_FALSE(IsIeProcessName(QStringLiteral("iexplore")));
    EXPECT_FALSE(IsIeProcessName(QStringLiteral("notepad.exe")));
}

TEST(SelectIeProcesses, FoundOrderUpperCasedRepeatsOfTheLastIdSkipped)
{
    const std::vector<ProcessEntry> table = {
        {4, QStringLiteral("notepad.exe")}, {0x1A4, QStringLiteral("iexplore.exe")},
        {0x1A4, QStringLiteral("iexplore.exe")}, {0x1B0, QStringLiteral("x\\MyIexplore.exe")},
        {0x1A4, QStringLiteral("iexplore.exe")},
    };
    const auto listed = SelectIeProcesses(table);
    ASSERT_EQ(listed.size(), 3u);
    EXPECT_EQ(listed[0].name, QStringLiteral("IEXPLORE.EXE"));
    EXPECT_EQ(listed[0].idText, QStringLiteral("1A4"));
    EXPECT_EQ(listed[1].name, QStringLiteral("X\\MYIEXPLORE.EXE"));
    // Only a repeat of the id listed just before is dropped.
    EXPECT_EQ(listed[2].idText, QStringLiteral("1A4"));
}

TEST(SelectIeProcesses, KeepsTheFirstTwoHundred)
{
    std::vector<ProcessEntry> table;
    for (std::uint32_t pid = 1; pid <= 201; ++pid)
        table.push_back({pid, QStringLiteral("IEXPLORE.EXE")});
    const auto listed = SelectIeProcesses(table);
    ASSERT_EQ(listed.size(), 200u);
    EXPECT_EQ(listed.back().idText, ProcessIdText(200));
}

} // namespace
