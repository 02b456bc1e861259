#include "WebProfilePlaces.h"

#include "XdgFolders.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

WebProfilePlaces WebProfilePlacesFor(const DriveMap::Environment& environment)
{
    const QString data = XdgDataHome(environment);
    const QString cache = XdgCacheHome(environment);
    if (data.isEmpty() || cache.isEmpty())
        return {};
    const QString root = data + QStringLiteral("/vindrel/web");
    return {root,
            root + QStringLiteral("/profile"),
            root + QStringLiteral("/profile.lock"),
            root + QStringLiteral("/cookies-in-use"),
            root + QStringLiteral("/handed-over"),
            cache + QStringLiteral("/vindrel")};
}

bool MakePrivateFolder(const QString& path)
{
    if (path.isEmpty())
        return false;
    const QFileInfo info(path);
    if (info.isDir())
        return true;
    const QString parent = info.absolutePath();
    if (parent != path && !MakePrivateFolder(parent))
        return false;
    return ::mkdir(QFile::encodeName(path).constData(), 0700) == 0 || QFileInfo(path).isDir();
}

bool CopyFolder(const QString& from, const QString& to)
{
    if (!QFileInfo(from).isDir() || !MakePrivateFolder(to))
        return false;
    const QDir source(from);
    bool whole = true;
    QDirIterator entries(from, QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        const QString target = to + QLatin1Char('/') + source.relativeFilePath(path);
        if (entries.fileInfo().isDir())
            whole = MakePrivateFolder(target) && whole;
        else
            whole = QFile::copy(path, target) && whole;
    }
    return whole;
}
