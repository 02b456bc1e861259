#pragma once
#include <QStringList>

#include <functional>
#include <memory>

// Tells when what a folder holds changes: an entry added, renamed or removed in one of the
// folders watched. One change may be told more than once.
class FolderWatcher {
public:
    virtual ~FolderWatcher() = default;
    // Watches these folders (Windows form) from now on, and no others. A folder that cannot be
    // watched (missing, no access) is left out.
    virtual void Watch(const QStringList& folders) = 0;
};

// Makes a watcher that runs `changed` on the user-interface thread at every change it sees.
using FolderWatcherFactory = std::function<std::unique_ptr<FolderWatcher>(std::function<void()> changed)>;
