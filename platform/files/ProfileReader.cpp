#include "ProfileReader.h"

#include "TextCodec.h"

#include <QStringList>

namespace {

// The reader copies into a 2048-character buffer that keeps its last place for the NUL.
constexpr qsizetype kMaxValueLength = 2047;

// An initialisation file's lines and names may be padded with tabs as well as spaces.
bool IsBlank(QChar c) { return c == u' ' || c == u'\t'; }

QStringView TrimSpacesAndTabs(QStringView text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && IsBlank(text[begin]))
        ++begin;
    while (end > begin && IsBlank(text[end - 1]))
        --end;
    return text.mid(begin, end - begin);
}

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

QStringList DecodeLines(const QByteArray& bytes)
{
    if (bytes.startsWith("\xFF\xFE")) {
        const QByteArray body = bytes.mid(2);
        const QString text = QString::fromUtf16(reinterpret_cast<const char16_t*>(body.constData()), body.size() / 2);
        return SplitLines(text);
    }
    const QByteArray body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.mid(3) : bytes;
    QStringList lines;
    for (const QByteArray& line : SplitLines(body))
        lines.append(DecodeLine(line));
    return lines;
}

QString Unquote(QStringView value)
{
    if (value.size() >= 2 && value.front() == value.back() && (value.front() == u'"' || value.front() == u'\''))
        return value.mid(1, value.size() - 2).toString();
    return value.toString();
}

bool SameName(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

QString ProfileString(const QByteArray& fileBytes, const QString& section, const QString& key,
                      const QString& defaultValue)
{
    bool inSection = false;
    for (const QString& rawLine : DecodeLines(fileBytes)) {
        const QStringView line = TrimSpacesAndTabs(rawLine);
        if (line.isEmpty() || line.front() == u';')
            continue;
        if (line.front() == u'[') {
            if (inSection)
                break; // only the first matching section counts
            const QStringView rest = line.mid(1);
            const qsizetype close = rest.indexOf(u']');
            inSection = SameName(TrimSpacesAndTabs(close < 0 ? rest : rest.left(close)), section);
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (!inSection || equals < 0 || !SameName(TrimSpacesAndTabs(line.left(equals)), key))
            continue;
        return Unquote(TrimSpacesAndTabs(line.mid(equals + 1))).left(kMaxValueLength);
    }
    return defaultValue.left(kMaxValueLength);
}
