#include "ReplacingCopy.h"

#include "VbError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kChunk = 256 * 1024;

// Removes the half-made copy when the copy does not reach its rename.
class TemporaryCopy {
public:
    explicit TemporaryCopy(const QString& finalPath) : path_(QFile::encodeName(finalPath + QStringLiteral(".~vindrel-XXXXXX")))
    {
        fd_ = ::mkostemp(path_.data(), O_CLOEXEC);
        if (fd_ < 0)
            throw VbError::pathAccess();
    }
    ~TemporaryCopy()
    {
        if (fd_ >= 0)
            ::close(fd_);
        if (!renamed_)
            ::unlink(path_.constData());
    }
    TemporaryCopy(const TemporaryCopy&) = delete;
    TemporaryCopy& operator=(const TemporaryCopy&) = delete;

    int fd() const { return fd_; }
    void RenameTo(const QByteArray& finalPath)
    {
        const int closed = ::close(fd_);
        fd_ = -1;
        if (closed != 0 || ::rename(path_.constData(), finalPath.constData()) != 0)
            throw VbError::pathAccess();
        renamed_ = true;
    }

private:
    QByteArray path_;
    int fd_ = -1;
    bool renamed_ = false;
};

mode_t NewFileMode()
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

void CopyByReadWrite(int in, int out)
{
    QByteArray buffer(kChunk, Qt::Uninitialized);
    for (;;) {
        const ssize_t got = ::read(in, buffer.data(), kChunk);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            throw VbError(57, QStringLiteral("Device I/O error"));
        if (got == 0)
            return;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = ::write(out, buffer.constData() + done, size_t(got - done));
            if (put < 0 && errno == EINTR)
                continue;
            if (put <= 0)
                throw VbError::pathAccess();
            done += put;
        }
    }
}

// The kernel copies without the data passing through this process; other file systems fall back.
void CopyContents(int in, int out)
{
    for (bool first = true;; first = false) {
        const ssize_t copied = ::copy_file_range(in, nullptr, out, nullptr, 1 << 30, 0);
        if (copied == 0)
            return;
        if (copied > 0)
            continue;
        if (errno == EINTR)
            continue;
        if (first && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
            CopyByReadWrite(in, out);
            return;
        }
        throw VbError::pathAccess();
    }
}

} // namespace

void CopyReplacing(int sourceFd, const QString& targetHost)
{
    // Through a link to the target, the file it leads to is replaced, not the link.
    const QString canonical = QFileInfo(targetHost).canonicalFilePath();
    const QString finalPath = canonical.isEmpty() ? targetHost : canonical;
    const QByteArray finalName = QFile::encodeName(finalPath);

    struct stat existing {};
    const mode_t mode = ::stat(finalName.constData(), &existing) == 0 ? (existing.st_mode & 07777) : NewFileMode();

    TemporaryCopy copy(finalPath);
    if (::fchmod(copy.fd(), mode) != 0)
        throw VbError::pathAccess();
    CopyContents(sourceFd, copy.fd());
    copy.RenameTo(finalName);
}
