#include "browser/address/AddressIndex.h"
#include "browser/address/AddressRules.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(PathFormOfAddress, TurnsAddressesIntoPaths)
{
    const struct {
        const char* address;
        const char* path;
    } cases[] = {
        {"file:///C:/HOME-PAG/INIZIO.HTM", "C:\\HOME-PAG\\INIZIO.HTM"},
        {"http://www.tin.it/news/", "http:\\\\www.tin.it\\news\\"},
        {"file://C:/HOME-PAG/A.HTM", "file:\\\\C:\\HOME-PAG\\A.HTM"}, // two slashes: no prefix found
        {"FILE:///C:/A.HTM", "FILE:\\\\\\C:\\A.HTM"},                 // the prefix is case-sensitive
        {"file:///C:/My%20Pages/a.htm", "C:\\My%20Pages\\a.htm"},     // no decoding
        {"view file:///C:/a/b.htm", "C:\\a\\b.htm"},                  // the first occurrence, anywhere
        {"  about:blank ", "about:blank"},
        {"", ""},
        {"   ", ""},
        {" http://a/ ", " http:\\\\a\\ "}, // only the two special cases are trimmed
    };
    for (const auto& c : cases)
        EXPECT_EQ(PathFormOfAddress(QString::fromUtf8(c.address)), QString::fromUtf8(c.path)) << c.address;
}

TEST(PageButtonCaption, LocalOnlyWithTheLowerCaseSchemeAfterBlanks)
{
    const QString web = QStringLiteral("Nuovo Vindrex");
    EXPECT_EQ(PageButtonCaption(QStringLiteral("   file:///C:/A.HTM"), web), QStringLiteral(" Modifica    pagina"));
    EXPECT_EQ(PageButtonCaption(QStringLiteral("file://server/a.htm"), web), kEditPageCaption);
    for (const char* other : {"FILE:///C:/A.HTM", "file:/C:/A.HTM", "", "http://file://", "\tfile:///C:/A.HTM"})
        EXPECT_EQ(PageButtonCaption(QString::fromUtf8(other), web), web) << other;
}

TEST(PercentBarLetters, SixtyForAWholeDownloadHalvesToEven)
{
    const struct {
        std::int32_t done, total;
        int letters;
    } cases[] = {{50, 100, 30},  {1, 120, 0},     {1, 40, 2}, {3, 40, 4}, {5, 40, 8},
                 {100, 100, 60}, {200, 100, 120}, {7, 0, 0},  {0, 0, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(PercentBarLetters(c.done, c.total), c.letters) << c.done << "/" << c.total;
}

TEST(PercentBarLetters, NoCountWhenNegativeOrBeyondTheCounter)
{
    EXPECT_EQ(PercentBarLetters(-40, 40), std::nullopt);
    EXPECT_EQ(PercentBarLetters(10, -1), std::nullopt);
    EXPECT_EQ(PercentBarLetters(std::numeric_limits<std::int32_t>::max(), 1), std::nullopt);
    EXPECT_EQ(PercentBarLetters(32767, 60), 32767);
}

TEST(AddressIndex, ComparesTrimmedEntriesExactly)
{
    AddressIndex list;
    EXPECT_FALSE(list.Holds(QStringLiteral("www.tin.it")));
    EXPECT_TRUE(list.Holds(QStringLiteral("   "))); // an empty text is never added
    EXPECT_TRUE(list.Add(QStringLiteral("  www.tin.it ")));
    EXPECT_TRUE(list.Add(QStringLiteral("about:blank")));
    EXPECT_FALSE(list.Add(QStringLiteral("www.tin.it"))); // equal once trimmed
    EXPECT_TRUE(list.Holds(QStringLiteral("www.tin.it")));
    EXPECT_TRUE(list.Holds(QStringLiteral(" about:blank  ")));
    EXPECT_FALSE(list.Holds(QStringLiteral("WWW.TIN.IT")));
    // Found in any order, in or out of the list's own.
    for (const char* entry : {"a", "b", "c"})
        EXPECT_TRUE(list.Add(QLatin1String(entry)));
    for (const char* entry : {"c", "a", "b", "c", "www.tin.it", "about:blank", "b"})
        EXPECT_TRUE(list.Holds(QLatin1String(entry))) << entry;
    EXPECT_FALSE(list.Add(QStringLiteral("c")));
    EXPECT_TRUE(list.Add(QStringLiteral("d")));
    EXPECT_FALSE(list.Holds(QStringLiteral("e")));
    EXPECT_FALSE(list.Add(QStringLiteral(" a")));
}

} // namespace
