#include "UpdateLock.h"

#include "ReplacingCopy.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds kRetry(20);

// The lock file, held: removed before it is let go, so that a copy waiting on it finds it gone
// and makes a new one instead of holding a lock nobody else sees.
class HeldLock : public FileLock {
public:
    HeldLock(QByteArray path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~HeldLock() override
    {
        ::unlink(path_.constData());
        ::close(fd_);
    }
    HeldLock(const HeldLock&) = delete;
    HeldLock& operator=(const HeldLock&) = delete;

private:
    QByteArray path_;
    int fd_;
};

// Never through a link, and never waiting on a pipe put there; one another user made may be
// read-only, and locks all the same.
int OpenLockFile(const QByteArray& path)
{
    constexpr int flags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;
    const int fd = ::open(path.constData(), O_RDWR | O_CREAT | flags, 0666);
    return fd >= 0 || errno != EACCES ? fd : ::open(path.constData(), O_RDONLY | flags);
}

// The file open is still the one of that name: its holder did not remove it as it let go.
bool StillNamed(int fd, const QByteArray& path)
{
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::lstat(path.constData(), &named) == 0 && open.st_dev == named.st_dev
        && open.st_ino == named.st_ino;
}

} // namespace

std::unique_ptr<FileLock> LockUpdatesOf(const QString& targetHost, int timeoutMs)
{
    const QByteArray path = QFile::encodeName(ReplacedFile(targetHost) + QStringLiteral(".lock"));
    const QDeadlineTimer deadline(timeoutMs);
    for (;;) {
        const int fd = OpenLockFile(path);
        if (fd < 0)
            return std::make_unique<FileLock>();
        bool taken;
        // The kernel tells no one when a lock is let go: look again now and then.
        while (!(taken = ::flock(fd, LOCK_EX | LOCK_NB) == 0) && (errno == EWOULDBLOCK || errno == EINTR)
               && !deadline.hasExpired())
            std::this_thread::sleep_for(kRetry);
        const bool unsupported = !taken && errno != EWOULDBLOCK && errno != EINTR;
        if (taken && StillNamed(fd, path))
            return std::make_unique<HeldLock>(path, fd);
        ::close(fd);
        if (unsupported) // a file system without locks
            return std::make_unique<FileLock>();
        if (!taken)
            return nullptr;
    }
}
