#include "platform/files/impl/NameMatching.h"

#include <gtest/gtest.h>

namespace {

TEST(NameMatchingTest, WildcardsWithoutRegardToCase)
{
    struct Case {
        const char* name;
        const char* pattern;
        bool matches;
    };
    const Case cases[] = {
        {"News.url", "*.url", true},
        {"NEWS.URL", "*.url", true},
        {"Site.url.url", "*.url", true},
        {"Site.url.txt", "*.url", false},
        {"url", "*.url", false},
        {"SF1.JPG", "SF*.JPG", true},
        {"sf.jpg", "SF*.JPG", true},
        {"SF1.JPEG", "SF*.JPG", false},
        {"ASF1.JPG", "SF*.JPG", false},
        {"README", "*.*", true},
        {"a.b.c", "*.*", true},
        {".hidden", "*.*", true},
        {"README", "*", true},
        {"abc", "a?c", true},
        {"ac", "a?c", false},
        {"abc", "ab*.*", true},
        {"abc.d", "ab*.*", true},
        {"x", "", false},
        {"aXbXc", "a*b*c", true},
        {"aXbX", "a*b*c", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MatchesPattern(QString::fromLatin1(c.name), QString::fromLatin1(c.pattern)), c.matches)
            << c.name << " ~ " << c.pattern;
}

TEST(NameMatchingTest, NtfsOrderComparesUpperCasedCodeUnits)
{
    EXPECT_TRUE(NtfsLess(QStringLiteral("a"), QStringLiteral("B")));
    EXPECT_TRUE(NtfsLess(QStringLiteral("Z"), QStringLiteral("_"))); // '_' is after the upper-case letters
    EXPECT_TRUE(NtfsLess(QStringLiteral("SF10.JPG"), QStringLiteral("SF2.JPG")));
    EXPECT_TRUE(NtfsLess(QStringLiteral("zeta"), QString::fromUtf8("\xC3\xA0"))); // U+00E0 above ASCII
    // Names equal but for case still have a fixed order.
    EXPECT_NE(NtfsLess(QStringLiteral("abc"), QStringLiteral("ABC")),
              NtfsLess(QStringLiteral("ABC"), QStringLiteral("abc")));
}

} // namespace
