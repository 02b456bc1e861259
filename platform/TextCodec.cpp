#include "TextCodec.h"

QString DecodeLine(const QByteArray& bytes) { return QString::fromUtf8(bytes); }
QByteArray EncodeText(const QString& text) { return text.toUtf8(); }
