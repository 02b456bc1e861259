#include "PageTransform.h"

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"

#include <cstring>

namespace {

// Whether the ASCII letters at `at` spell `upperWord`, in any letter case.
bool HasWordAt(QByteArrayView line, qsizetype at, const char* upperWord)
{
    for (qsizetype i = 0; upperWord[i]; ++i, ++at)
        if (at >= line.size() || (line[at] & ~0x20) != upperWord[i])
            return false;
    return true;
}

QString WithLastCharacter(const QString& pagePath, QChar last)
{
    return pagePath.left(pagePath.size() - 1) + last;
}

void CopyRest(LineReader& page, LineWriter& temporary, QByteArrayView& line)
{
    while (page.ReadLineView(line))
        temporary.WriteLineView(line);
}

void Insert(LineReader& page, LineWriter& temporary, const InsertAfterBodyEnd& insert)
{
    QByteArrayView line;
    while (page.ReadLineView(line)) {
        temporary.WriteLineView(line);
        if (IsBodyEndLine(line)) {
            temporary.WriteLine(EncodeText(insert.markup));
            CopyRest(page, temporary, line);
            return;
        }
    }
}

void Substitute(LineReader& page, LineWriter& temporary, const SubstituteLines& substitute)
{
    QByteArrayView line;
    while (page.ReadLineView(line)) {
        const std::optional<QByteArray> changed = substitute.rule(QByteArray::fromRawData(line.data(), line.size()));
        if (changed)
            temporary.WriteLine(*changed);
        else
            temporary.WriteLineView(line);
    }
}

} // namespace

bool IsBodyEndLine(QByteArrayView line)
{
    // Every marker starts at a "/": look only there, without copying the line.
    const char* data = line.data();
    const qsizetype size = line.size();
    if (size == 0)
        return false;
    for (const char* slash = static_cast<const char*>(std::memchr(data, '/', size)); slash;
         slash = static_cast<const char*>(std::memchr(slash + 1, '/', data + size - slash - 1))) {
        const qsizetype at = slash - data;
        if (HasWordAt(line, at + 1, "BODY") || (at > 0 && data[at - 1] == '<' && HasWordAt(line, at + 1, "HTML")))
            return true;
    }
    return false;
}

void CopyTransformed(LineReader& page, LineWriter& temporary, const PageTransform& transform)
{
    if (const auto* insert = std::get_if<InsertAfterBodyEnd>(&transform))
        Insert(page, temporary, *insert);
    else
        Substitute(page, temporary, std::get<SubstituteLines>(transform));
}

QString TemporaryPath(const QString& pagePath) { return WithLastCharacter(pagePath, QLatin1Char('~')); }
QString BackupPath(const QString& pagePath) { return WithLastCharacter(pagePath, QLatin1Char('_')); }
