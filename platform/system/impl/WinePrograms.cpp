#include "WinePrograms.h"

#include "platform/files/impl/DriveMap.h"

#include <QFile>

bool IsWindowsProgram(const QString& hostFile)
{
    QFile file(hostFile);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
}

bool IsDrivePath(const QString& text)
{
    return text.size() >= 3 && text[0].isLetter() && text[0].unicode() < 0x80 && text[1] == u':'
        && (text[2] == u'\\' || text[2] == u'/');
}

QString WineWindowsPath(const QString& winePrefix, const QString& hostFile)
{
    // Only the prefix's drives: the folders Vindrel's own drive variables name are none of Wine's.
    const DriveMap wineDrives([&winePrefix](const QString& variable) {
        return variable == QLatin1String("WINEPREFIX") ? winePrefix : QString();
    });
    return wineDrives.ToWindows(hostFile);
}
