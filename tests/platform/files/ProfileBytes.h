#pragma once
#include <QByteArray>
#include <QString>

// Bytes of initialisation files as tests write them.

// The bytes of a literal, NULs included.
template <qsizetype N> QByteArray Raw(const char (&text)[N]) { return QByteArray(text, N - 1); }

// UTF-16 text with its byte-order mark; every unit as it stands, unpaired surrogates included.
inline QByteArray Utf16WithBom(const QString& text, bool bigEndian = false)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF", 2) : QByteArray("\xFF\xFE", 2);
    for (const QChar c : text) {
        const char high = char(c.unicode() >> 8), low = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return bytes;
}
