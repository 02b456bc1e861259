#include "BackgroundRule.h"

#include "platform/files/TextCodec.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

qsizetype SkipBlanks(const QByteArray& line, qsizetype from)
{
    while (from < line.size() && IsBlank(line[from]))
        ++from;
    return from;
}

qsizetype EndOfUnquotedValue(const QByteArray& line, qsizetype from)
{
    while (from < line.size() && !IsBlank(line[from]) && line[from] != '>')
        ++from;
    return from;
}

std::optional<QByteArray> PointAt(const QByteArray& line, const QByteArray& newValue)
{
    const qsizetype word = line.indexOf("background");
    if (word < 0)
        return std::nullopt;
    const qsizetype equals = line.indexOf('=', word);
    if (equals < 0)
        return std::nullopt;
    const qsizetype start = SkipBlanks(line, equals + 1);
    const char first = start < line.size() ? line[start] : '\0';
    if (first == '"' || first == '\'') {
        const qsizetype closing = line.indexOf(first, start + 1);
        const QByteArray rest = closing < 0 ? QByteArray() : line.mid(closing + 1);
        return line.left(start + 1) + newValue + first + rest;
    }
    return line.left(start) + '"' + newValue + '"' + line.mid(EndOfUnquotedValue(line, start));
}

} // namespace

LineRule BackgroundRule(const QString& imagePath)
{
    const QByteArray newValue = "file:///" + EncodeText(imagePath);
    return [newValue](const QByteArray& line) { return PointAt(line, newValue); };
}

QString ResolveImagePath(const QString& homeFolder, const QString& name)
{
    if (name.contains(QLatin1Char('\\')) || name.contains(QLatin1Char(':')))
        return name;
    return homeFolder + name;
}
