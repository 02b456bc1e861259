#include "TextCodec.h"

#include <QStringDecoder>

namespace {

// Windows-1252 from 0x80 to 0x9F; the five bytes it leaves undefined map to the C1 code
// points of the same value, as the system's own conversion does.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

constexpr char32_t kBadSequence = 0xFFFD;

// The character of UTF-8 that starts at bytes[at], moving `at` past what it takes. A bad
// sequence is U+FFFD and takes its lead byte with the continuation bytes read before the fault
// showed (an overlong form, a surrogate, a code beyond U+10FFFF); one the text's end cuts short
// takes the rest.
char32_t NextUtf8(QByteArrayView bytes, qsizetype& at)
{
    const auto lead = static_cast<unsigned char>(bytes[at++]);
    if (lead < 0x80)
        return lead;
    const int following = lead >= 0xF5 ? -1 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC2 ? 1 : -1;
    if (following < 0)
        return kBadSequence;
    if (at + following > bytes.size()) {
        at = bytes.size();
        return kBadSequence;
    }
    char32_t code = lead & (0x3F >> following);
    for (int left = following; left > 0; --left) {
        const unsigned char bits = static_cast<unsigned char>(bytes[at]) ^ 0x80;
        if (bits >= 0x40)
            return kBadSequence; // no continuation byte: it starts the next character
        code = code << 6 | bits;
        if (left == 2 && code >= 0x110000 >> 6)
            return kBadSequence;
        ++at;
        if ((left == 3 && code < 0x10) || (left == 2 && (code < 0x20 || (code >= 0xD800 >> 6 && code <= 0xDFFF >> 6))))
            return kBadSequence;
    }
    return code;
}

} // namespace

QString DecodeUtf8(QByteArrayView bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (qsizetype at = 0; at < bytes.size();) {
        const char32_t code = NextUtf8(bytes, at);
        if (QChar::requiresSurrogates(code))
            text.append(QChar(QChar::highSurrogate(code))).append(QChar(QChar::lowSurrogate(code)));
        else
            text.append(QChar(char16_t(code)));
    }
    return text;
}

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto byte = static_cast<unsigned char>(bytes.at(i));
        text[i] = QChar(byte >= 0x80 && byte <= 0x9F ? kCp1252High[byte - 0x80] : char16_t(byte));
    }
    return text;
}

QString DecodeLine(const QByteArray& bytes)
{
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    return utf8.hasError() ? DecodeWindows1252(bytes) : text;
}

QByteArray EncodeText(const QString& text) { return text.toUtf8(); }
