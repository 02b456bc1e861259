#include "XdgFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace {

QString XdgHome(const DriveMap::Environment& environment, const QString& variable, const QString& underHome)
{
    const QString configured = environment(variable);
    if (QDir::isAbsolutePath(configured))
        return QDir::cleanPath(configured);
    const QString home = environment(QStringLiteral("HOME"));
    return QDir::isAbsolutePath(home) ? QDir::cleanPath(home + underHome) : QString();
}

} // namespace

QString XdgDataHome(const DriveMap::Environment& environment)
{
    return XdgHome(environment, QStringLiteral("XDG_DATA_HOME"), QStringLiteral("/.local/share"));
}

QString XdgCacheHome(const DriveMap::Environment& environment)
{
    return XdgHome(environment, QStringLiteral("XDG_CACHE_HOME"), QStringLiteral("/.cache"));
}

QStringList XdgDataFolders(const DriveMap::Environment& environment)
{
    QStringList folders;
    if (const QString home = XdgDataHome(environment); !home.isEmpty())
        folders << home;
    QString shared = environment(QStringLiteral("XDG_DATA_DIRS"));
    if (shared.isEmpty())
        shared = QStringLiteral("/usr/local/share:/usr/share");
    for (const QString& folder : shared.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        if (QDir::isAbsolutePath(folder))
            folders << QDir::cleanPath(folder);
    return folders;
}

QString XdgDownloadFolder()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return !folder.isEmpty() && QDir().mkpath(folder) ? folder : QDir::tempPath();
}
