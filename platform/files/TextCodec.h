#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text of a line read from a file: UTF-8 when the bytes are valid UTF-8, else Windows-1252
// (files written by the original program on Windows are in that code page).
QString DecodeLine(const QByteArray& bytes);
// UTF-8 as the system decodes it: a byte-order mark is a character like any other, and a bad
// sequence becomes one U+FFFD.
QString DecodeUtf8(QByteArrayView bytes);
// Windows-1252 text; the five bytes it leaves undefined stand for the C1 code points of their value.
QString DecodeWindows1252(const QByteArray& bytes);
// Text to bytes in the system's code page (the locale's: UTF-8).
QByteArray EncodeText(const QString& text);
