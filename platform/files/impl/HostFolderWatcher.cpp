#include "HostFolderWatcher.h"

#include "platform/files/FileSystem.h"

#include <QDir>
#include <QSet>

HostFolderWatcher::HostFolderWatcher(FileSystem& fs, std::function<void()> changed) : fs_(fs)
{
    QObject::connect(&watcher_, &QFileSystemWatcher::directoryChanged,
                     [changed = std::move(changed)](const QString&) { changed(); });
}

void HostFolderWatcher::Watch(const QStringList& folders)
{
    QSet<QString> wanted;
    for (const QString& folder : folders) {
        const QString host = fs_.HostPath(folder);
        if (!host.isEmpty())
            wanted.insert(QDir::cleanPath(host)); // as the watcher lists it: no trailing "/"
    }
    // Only the difference: a rebuilt tree mostly watches the folders it watched before.
    QStringList gone;
    for (const QString& watched : watcher_.directories())
        if (!wanted.remove(watched))
            gone << watched;
    if (!gone.isEmpty())
        watcher_.removePaths(gone);
    if (!wanted.isEmpty())
        watcher_.addPaths(QStringList(wanted.begin(), wanted.end())); // the missing ones are left out
}
