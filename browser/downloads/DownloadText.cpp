#include "DownloadText.h"

#include <QLocale>

namespace {

const QLocale& Italian()
{
    static const QLocale locale(QLocale::Italian, QLocale::Italy);
    return locale;
}

} // namespace

QString SizeText(qint64 bytes)
{
    if (bytes < 1024)
        return QStringLiteral("%1 byte").arg(bytes);
    const char* units[] = {"KB", "MB", "GB", "TB"};
    double value = bytes / 1024.0;
    int unit = 0;
    while (value >= 1024 && unit < 3) {
        value /= 1024;
        ++unit;
    }
    return Italian().toString(value, 'f', value < 10 ? 1 : 0) + QLatin1Char(' ') + QLatin1String(units[unit]);
}

QString ExactSizeText(qint64 bytes) { return Italian().toString(bytes) + QStringLiteral(" byte"); }

QString TimeLeftText(qint64 seconds)
{
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    if (seconds < 3600)
        return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60);
    return QStringLiteral("%1 h %2 min").arg(seconds / 3600).arg(seconds / 60 % 60);
}
