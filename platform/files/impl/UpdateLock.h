#pragma once
#include "platform/files/FileSystem.h"

#include <QString>
#include <memory>

// The lock on the updates of the file at targetHost: an advisory lock (flock) on "<name>.lock"
// beside the file a replacement of it writes (through a link, the file the link leads to).
// Waits at most timeoutMs; nullptr when another holder kept it so long. The lock file goes
// with its last holder.
std::unique_ptr<FileLock> LockUpdatesOf(const QString& targetHost, int timeoutMs);
