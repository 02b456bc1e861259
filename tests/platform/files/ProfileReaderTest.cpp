#include "ProfileBytes.h"
#include "platform/files/ProfileReader.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

struct ProfileCase {
    const char* name;
    QByteArray file;
    QString section;
    QString key;
    QString expected;
};

const QString kDefault = QStringLiteral("<default>");
const QString kIs = QStringLiteral("InternetShortcut");
const QString kUrl = QStringLiteral("URL");

std::vector<ProfileCase> Cases()
{
    const QString longValue(3000, u'x');
    return {
        {"plain shortcut", "[InternetShortcut]\r\nURL=http://www.rai.it/\r\n", kIs, kUrl, "http://www.rai.it/"},
        {"names ignore case", "[internetshortcut]\r\nurl=a\r\n", kIs, kUrl, "a"},
        {"section name ends at last bracket", "[InternetShortcut] trailing ] text\r\nURL=a\r\n", kIs, kUrl, kDefault},
        {"text after the bracket ignored", "[InternetShortcut]x\r\nURL=a\r\n", kIs, kUrl, "a"},
        {"bracket without close is no section",
         "[InternetShortcut\r\nURL=x\r\n[InternetShortcut]\r\n[Other\r\nURL=http://real/\r\n", kIs, kUrl,
         "http://real/"},
        {"lines before any section unreachable", "URL=early\r\n[InternetShortcut]\r\n", kIs, kUrl, kDefault},
        {"comment line skipped", "[InternetShortcut]\r\n  ;URL=no\r\nURL=yes\r\n", kIs, kUrl, "yes"},
        {"semicolon and hash are data", "[InternetShortcut]\r\nURL=a;b#c ; d\r\n", kIs, kUrl, "a;b#c ; d"},
        {"comma is data", "[InternetShortcut]\r\nURL=a,b,c\r\n", kIs, kUrl, "a,b,c"},
        {"blanks around names and values", "  [ InternetShortcut ]\r\n\t URL \t=  \t a b \t\r\n", kIs, kUrl, "a b"},
        {"vertical tab, form feed and ^Z are blanks", "\v[InternetShortcut]\f\r\n\x1a URL\v=\f\x1a\"a\"\x1a\r\n", kIs,
         kUrl, "a"},
        {"no-break space is no blank",
         "[InternetShortcut]\r\nURL=\xA0"
         "a\r\n",
         kIs, kUrl, "\u00a0a"},
        {"value ends at NUL", Raw("[InternetShortcut]\r\nURL=ab \0cd\r\n"), kIs, kUrl, "ab "},
        {"names end at NUL", Raw("[InternetShortcut\0x]\r\nURL\0y=v\r\n"), kIs, kUrl, "v"},
        {"quotes after the NUL cut", Raw("[InternetShortcut]\r\nURL=\"a\0\"\r\n"), kIs, kUrl, "\"a"},
        {"double quotes removed once", "[InternetShortcut]\r\nURL=\"\"a\"\"\r\n", kIs, kUrl, "\"a\""},
        {"single quotes removed", "[InternetShortcut]\r\nURL='a b'\r\n", kIs, kUrl, "a b"},
        {"mismatched quotes kept", "[InternetShortcut]\r\nURL=\"a'\r\n", kIs, kUrl, "\"a'"},
        {"lone quote kept", "[InternetShortcut]\r\nURL=\"\r\n", kIs, kUrl, "\""},
        {"first section wins", "[InternetShortcut]\r\nX=1\r\n[Other]\r\n[InternetShortcut]\r\nURL=late\r\n", kIs, kUrl,
         kDefault},
        {"first key wins", "[InternetShortcut]\r\nURL=one\r\nURL=two\r\n", kIs, kUrl, "one"},
        {"key in another section not seen", "[Other]\r\nURL=x\r\n[InternetShortcut]\r\nIconIndex=1\r\n", kIs, kUrl,
         kDefault},
        {"LF line ends", "[InternetShortcut]\nURL=a\nX=b\n", kIs, kUrl, "a"},
        {"CR line ends", "[InternetShortcut]\rURL=a\rX=b\r", kIs, kUrl, "a"},
        {"last line without an end", "[InternetShortcut]\r\nURL=a", kIs, kUrl, "a"},
        {"empty value", "[InternetShortcut]\r\nURL=\r\n", kIs, kUrl, ""},
        {"equals inside value", "[InternetShortcut]\r\nURL=http://x/?a=1&b=2\r\n", kIs, kUrl, "http://x/?a=1&b=2"},
        {"key without equals is an empty value", "[InternetShortcut]\r\nURL\r\nURL=a\r\n", kIs, kUrl, ""},
        {"long s is no S", Utf16WithBom("[Internet\u017Fhortcut]\r\nURL=a\r\n"), kIs, kUrl, kDefault},
        {"UTF-8 BOM skipped", "\xEF\xBB\xBF[InternetShortcut]\r\nURL=caf\xC3\xA9\r\n", kIs, kUrl, "caf\u00e9"},
        {"UTF-8 BOM then not UTF-8", "\xEF\xBB\xBF[InternetShortcut]\r\nURL=citt\xE0\r\n", kIs, kUrl, "citt\ufffd"},
        {"UTF-16LE with BOM", Utf16WithBom("[InternetShortcut]\r\nURL=\u00e8\u20ac\r\n"), kIs, kUrl, "\u00e8\u20ac"},
        {"UTF-16BE with BOM", Utf16WithBom("[InternetShortcut]\r\nURL=\u00e8\u20ac\r\n", true), kIs, kUrl,
         "\u00e8\u20ac"},
        {"Windows-1252 bytes", "[InternetShortcut]\r\nURL=citt\xE0 \x80\r\n", kIs, kUrl, "citt\u00e0 \u20ac"},
        {"long value cut", "[InternetShortcut]\r\nURL=" + longValue.toLatin1() + "\r\n", kIs, kUrl,
         longValue.left(2047)},
        {"empty file", "", kIs, kUrl, kDefault},
        {"missing section", "[Other]\r\nURL=a\r\n", kIs, kUrl, kDefault},
        {"missing key", "[InternetShortcut]\r\nIconFile=a\r\n", kIs, kUrl, kDefault},
        {"binary garbage", QByteArray("\0\xFF[\0=\r\n\xC3", 8), kIs, kUrl, kDefault},
    };
}

class ProfileStringTest : public ::testing::TestWithParam<ProfileCase> {};

TEST_P(ProfileStringTest, ReadsAsTheSystemReaderDoes)
{
    const ProfileCase& c = GetParam();
    EXPECT_EQ(ProfileString(c.file, c.section, c.key, kDefault), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Rules, ProfileStringTest, ::testing::ValuesIn(Cases()), [](const auto& info) {
    std::string name = info.param.name;
    for (char& ch : name)
        if (!isalnum(static_cast<unsigned char>(ch)))
            ch = '_';
    return name;
});

} // namespace
