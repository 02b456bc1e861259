#include "platform/files/TextCodec.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(TextCodecTest, DecodesUtf8WhenValidElseWindows1252)
{
    struct Case {
        QByteArray bytes;
        QString text;
    };
    const Case cases[] = {
        {"http://www.x.it/", QStringLiteral("http://www.x.it/")},
        {"caff\xC3\xA8", QString::fromUtf8("caff\xC3\xA8")},                                   // UTF-8 è
        {"caff\xE8", QString::fromUtf8("caff\xC3\xA8")},                                       // Windows-1252 è
        {"\x80 \x9F \xA0 \xFF", QString::fromUtf8("\xE2\x82\xAC \xC5\xB8 \xC2\xA0 \xC3\xBF")}, // € Ÿ nbsp ÿ
        {"\x81\x8D\x8F\x90\x9D", QString::fromUtf16(u"\u0081\u008D\u008F\u0090\u009D")},       // undefined: C1 codes
        {"\xC3\xA8\xE8", QString::fromUtf8("\xC3\x83\xC2\xA8\xC3\xA8")},     // mixed: the whole line is 1252
        {"\xC0\xAF", QString::fromUtf8("\xC3\x80\xC2\xAF")},                 // overlong "/" is not UTF-8
        {"\xED\xA0\x80", QString::fromUtf8("\xC3\xAD\xC2\xA0\xE2\x82\xAC")}, // encoded surrogate is not UTF-8
        {"", QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DecodeLine(c.bytes), c.text) << c.bytes.toHex().toStdString();
}

TEST(TextCodecTest, EveryByteDecodesToOneCharacterWithoutReplacement)
{
    for (int b = 0x80; b <= 0xFF; ++b) {
        const QString text = DecodeLine(QByteArray(1, char(b)));
        ASSERT_EQ(text.size(), 1) << b;
        EXPECT_NE(text.at(0), QChar(QChar::ReplacementCharacter)) << b;
    }
}

// As Windows decodes UTF-8: one U+FFFD for each bad sequence, however many bytes it took.
TEST(TextCodecTest, DecodesUtf8AsTheSystemDoes)
{
    const QString bad(1, QChar::ReplacementCharacter);
    EXPECT_EQ(DecodeUtf8("\xEF\xBB\xBF"
                         "a\xC3\xA8\xF0\x9F\x98\x80"),
              QChar(0xFEFF) + QString::fromUtf16(u"a\u00E8\U0001F600")); // the mark stays
    EXPECT_EQ(DecodeUtf8("a\xE2\x82"
                         "b"),
              "a" + bad + "b");                                                 // cut short by a letter
    EXPECT_EQ(DecodeUtf8("a\xF0\x9F\x98"), "a" + bad);                          // cut short by the end
    EXPECT_EQ(DecodeUtf8("\xC0\x80\xED\xA0\x80\xE0\x80\xF5"), bad.repeated(6)); // overlong, surrogate, no lead
    EXPECT_EQ(DecodeUtf8("\xF4\x90\x80\x80"), bad.repeated(3));                 // beyond U+10FFFF
}

TEST(TextCodecTest, EncodesAsUtf8)
{
    EXPECT_EQ(EncodeText(QString::fromUtf8("caff\xC3\xA8")), QByteArray("caff\xC3\xA8"));
    EXPECT_EQ(DecodeLine(EncodeText(QString::fromUtf16(u"\u20AC x"))), QString::fromUtf16(u"\u20AC x"));
}

} // namespace
