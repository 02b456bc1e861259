#include "ProfileReader.h"

#include "TextCodec.h"

#include <QStringList>

namespace {

// The reader copies into a 2048-character buffer that keeps its last place for the NUL.
constexpr qsizetype kMaxValueLength = 2047;

// What the system's reader trims around lines, names and values: the C library's white space
// (blank, tab, vertical tab, form feed) and ^Z, the end-of-file mark of DOS files.
bool IsBlank(QChar c)
{
    const char16_t u = c.unicode();
    return u == u' ' || (u >= u'\t' && u <= u'\r') || u == 0x1A;
}

QStringView TrimBlanks(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

// Names and values are kept as C strings: each ends at its first NUL.
QStringView UpToNul(QStringView text)
{
    const qsizetype nul = text.indexOf(QChar(0));
    return nul < 0 ? text : text.left(nul);
}

QStringView NameOf(QStringView text) { return UpToNul(TrimBlanks(text)); }

// Splits at CR, LF or CR LF; the empty pieces a CR LF leaves are harmless blank lines.
template <class Text> QList<Text> SplitLines(const Text& text)
{
    QList<Text> lines;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            lines.append(text.mid(start, i - start));
            start = i + 1;
        }
    }
    lines.append(text.mid(start));
    return lines;
}

// The units of a UTF-16 text as they stand, unpaired surrogates included; an odd last byte is
// no unit.
QString Utf16Text(QByteArrayView body, bool bigEndian)
{
    QString text(body.size() / 2, Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const auto first = static_cast<unsigned char>(body[2 * i]);
        const auto second = static_cast<unsigned char>(body[2 * i + 1]);
        text[i] = QChar(bigEndian ? char16_t(first << 8 | second) : char16_t(second << 8 | first));
    }
    return text;
}

QStringList DecodeLines(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
        return SplitLines(Utf16Text(QByteArrayView(bytes).sliced(2), bytes.front() == '\xFE'));
    // After a UTF-8 mark the text is UTF-8 throughout, bad sequences included.
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return SplitLines(DecodeUtf8(QByteArrayView(bytes).sliced(3)));
    // Line by line UTF-8, else Windows-1252, as DecodeLine reads; but a mark starting a later
    // line stays a character, which makes that line no section.
    QStringList lines;
    for (const QByteArray& line : SplitLines(bytes))
        lines.append(QByteArrayView(line).isValidUtf8() ? DecodeUtf8(line) : DecodeWindows1252(line));
    return lines;
}

QString Unquote(QStringView value)
{
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == u'"' || value.front() == u'\''))
        return value.mid(1, value.size() - 2).toString();
    return value.toString();
}

// Names compare as the system upper-cases them, where no letter beyond ASCII becomes an ASCII
// one: the long s is no "S", the dotless i no "I".
char16_t NameUpper(QChar c)
{
    const char16_t upper = c.toUpper().unicode();
    return c.unicode() >= 0x80 && upper < 0x80 ? c.unicode() : upper;
}

bool SameName(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (NameUpper(a[i]) != NameUpper(b[i]))
            return false;
    return true;
}

} // namespace

QString ProfileString(const QByteArray& fileBytes, const QString& section, const QString& key,
                      const QString& defaultValue)
{
    bool inSection = false;
    for (const QString& rawLine : DecodeLines(fileBytes)) {
        const QStringView line = TrimBlanks(rawLine);
        if (line.isEmpty() || line.front() == u';')
            continue;
        // A section's name ends at the line's last "]"; a "[" line without one is a key line.
        const qsizetype close = line.front() == u'[' ? line.lastIndexOf(u']') : -1;
        if (close > 0) {
            if (inSection)
                break; // only the first matching section counts
            inSection = SameName(NameOf(line.sliced(1, close - 1)), section);
            continue;
        }
        if (!inSection)
            continue;
        // A key without "=" is there all the same, with an empty value.
        const qsizetype equals = line.indexOf(u'=');
        if (!SameName(NameOf(equals < 0 ? line : line.left(equals)), key))
            continue;
        return equals < 0 ? QString() : Unquote(UpToNul(TrimBlanks(line.mid(equals + 1)))).left(kMaxValueLength);
    }
    return defaultValue.left(kMaxValueLength);
}
