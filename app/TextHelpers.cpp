#include "TextHelpers.h"

#include <cstdint>

QString TrimBlanks(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == QLatin1Char(' '))
        ++first;
    while (last > first && text.at(last - 1) == QLatin1Char(' '))
        --last;
    return text.mid(first, last - first);
}

// A negative value is taken as its 32-bit pattern, as the hexadecimal text of the runtime does.
QString HEX2(int value)
{
    return (QStringLiteral("00") + QString::number(static_cast<std::uint32_t>(value), 16).toUpper()).right(2);
}
