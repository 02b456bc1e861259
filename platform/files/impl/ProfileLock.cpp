#include "ProfileLock.h"

#include <QFile>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

ProfileLock::ProfileLock(const QString& path)
{
    // Not handed down to the engine's processes or to copies this one starts.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        fd_ = fd;
    else
        ::close(fd);
}

ProfileLock::~ProfileLock()
{
    if (fd_ >= 0)
        ::close(fd_);
}
