#pragma once
#include <QByteArray>
#include <QString>

// Text of a line read from a file: UTF-8 when the bytes are valid UTF-8, else Windows-1252
// (files written by the original program on Windows are in that code page).
QString DecodeLine(const QByteArray& bytes);
// Text to bytes in the system's code page (the locale's: UTF-8).
QByteArray EncodeText(const QString& text);
