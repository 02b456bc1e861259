#include "PageTransform.h"

#include "platform/FileSystem.h"
#include "platform/TextCodec.h"

namespace {

QString WithLastCharacter(const QString& pagePath, QChar last)
{
    return pagePath.left(pagePath.size() - 1) + last;
}

void CopyRest(LineReader& page, LineWriter& temporary, QByteArray& line)
{
    while (page.ReadLine(line))
        temporary.WriteLine(line);
}

void Insert(LineReader& page, LineWriter& temporary, const InsertAfterBodyEnd& insert)
{
    QByteArray line;
    while (page.ReadLine(line)) {
        temporary.WriteLine(line);
        if (IsBodyEndLine(line)) {
            temporary.WriteLine(EncodeText(insert.markup));
            CopyRest(page, temporary, line);
            return;
        }
    }
}

void Substitute(LineReader& page, LineWriter& temporary, const SubstituteLines& substitute)
{
    QByteArray line;
    while (page.ReadLine(line)) {
        const std::optional<QByteArray> changed = substitute.rule(line);
        temporary.WriteLine(changed ? *changed : line);
    }
}

} // namespace

bool IsBodyEndLine(const QByteArray& line)
{
    const QByteArray upper = line.toUpper(); // ASCII letters only
    return upper.contains("/BODY") || upper.contains("</HTML");
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
