#include "ProfileReader.h"

QString ProfileString(const QByteArray&, const QString&, const QString&, const QString& defaultValue)
{
    return defaultValue;
}
