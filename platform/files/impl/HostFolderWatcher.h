#pragma once
#include "platform/files/FolderWatcher.h"

#include <QFileSystemWatcher>

class FileSystem;

// The host's folders watched through the drive map (inotify on Linux).
class HostFolderWatcher : public FolderWatcher {
public:
    HostFolderWatcher(FileSystem& fs, std::function<void()> changed);

    void Watch(const QStringList& folders) override;

private:
    FileSystem& fs_;
    QFileSystemWatcher watcher_;
};
