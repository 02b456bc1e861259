#include "ReplacingCopy.h"

#include "FileLineStreams.h"
#include "platform/VbError.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <future>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr size_t kChunk = 256 * 1024;

// A new file beside the target that takes its place by rename; removed when it does not get
// there.
class TemporaryCopy {
public:
    explicit TemporaryCopy(const QString& finalPath)
        : path_(QFile::encodeName(finalPath + QStringLiteral(".~vindrel-XXXXXX")))
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
    void RenameTo(const QByteArray& finalPath, Durability durability)
    {
        const bool synced = durability != Durability::OnDisk || ::fdatasync(fd_) == 0;
        const int closed = ::close(fd_);
        fd_ = -1;
        // A name taken over from a file makes ext4 write the new data back at once; a working
        // file need not be.
        if (durability == Durability::Scratch)
            ::unlink(finalPath.constData());
        if (!synced || closed != 0 || ::rename(path_.constData(), finalPath.constData()) != 0)
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

// The permissions of the file that replaces `name`: those of the file there, else a new file's.
mode_t ReplacementMode(const QByteArray& name, AtLink atLink)
{
    struct stat existing {};
    const int found = atLink == AtLink::Follow ? ::stat(name.constData(), &existing)
                                               : ::lstat(name.constData(), &existing);
    return found == 0 && S_ISREG(existing.st_mode) ? (existing.st_mode & 07777) : NewFileMode();
}

// The file that replaces the target, through a link there as atLink says; an existing target
// file's permissions are kept.
class Replacement {
public:
    Replacement(const QString& targetHost, AtLink atLink)
        : finalName_(QFile::encodeName(atLink == AtLink::Follow ? ReplacedFile(targetHost) : targetHost)),
          copy_(QFile::decodeName(finalName_))
    {
        const mode_t mode = ReplacementMode(finalName_, atLink);
        if (::fchmod(copy_.fd(), mode) != 0)
            throw VbError::pathAccess();
    }
    int fd() const { return copy_.fd(); }
    void PutInPlace(Durability durability) { copy_.RenameTo(finalName_, durability); }

private:
    QByteArray finalName_;
    TemporaryCopy copy_;
};

// Lines into the replacement, put in place by Close once every byte is written (and on disk).
class ReplacingLineWriter : public LineWriter {
public:
    ReplacingLineWriter(const QString& targetHost, AtLink atLink, Durability durability)
        : replacement_(targetHost, atLink), lines_(OpenOn(replacement_.fd())), durability_(durability)
    {
    }
    void Write(QByteArrayView bytes) override { lines_.Write(bytes); }
    void Close() override
    {
        if (closed_)
            return;
        closed_ = true;
        lines_.Close();
        replacement_.PutInPlace(durability_);
    }

private:
    static std::unique_ptr<QIODevice> OpenOn(int fd)
    {
        auto file = std::make_unique<QFile>();
        if (!file->open(fd, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
            throw VbError::pathAccess();
        return file;
    }

    Replacement replacement_; // declared first: its file outlives the writer's last flush
    FileLineWriter lines_;
    Durability durability_;
    bool closed_ = false;
};

// The copy runs while the caller goes on; the new file takes the target's name at Finish, or
// goes when the copy is dropped unfinished.
class BackgroundCopy : public PendingCopy {
public:
    BackgroundCopy(std::unique_ptr<QFile> source, const QString& targetHost, AtLink atLink)
        : source_(std::move(source)), replacement_(targetHost, atLink),
          copying_(std::async(std::launch::async,
                              [in = source_->handle(), out = replacement_.fd()] { CopyContents(in, out); }))
    {
    }
    ~BackgroundCopy() override
    {
        if (copying_.valid())
            copying_.wait(); // before its files close
    }
    BackgroundCopy(const BackgroundCopy&) = delete;
    BackgroundCopy& operator=(const BackgroundCopy&) = delete;

    void Finish() override
    {
        copying_.get();
        replacement_.PutInPlace(Durability::Usual);
    }

private:
    std::unique_ptr<QFile> source_;
    Replacement replacement_;
    std::future<void> copying_;
};

} // namespace

QString ReplacedFile(const QString& targetHost)
{
    const QString canonical = QFileInfo(targetHost).canonicalFilePath();
    return canonical.isEmpty() ? targetHost : canonical;
}

void CopyReplacing(int sourceFd, const QString& targetHost, AtLink atLink)
{
    Replacement copy(targetHost, atLink);
    CopyContents(sourceFd, copy.fd());
    copy.PutInPlace(Durability::Usual);
}

std::unique_ptr<PendingCopy> StartCopyReplacing(std::unique_ptr<QFile> source, const QString& targetHost, AtLink atLink)
{
    return std::make_unique<BackgroundCopy>(std::move(source), targetHost, atLink);
}

std::unique_ptr<LineWriter> OpenReplacingWriter(const QString& targetHost, AtLink atLink, Durability durability)
{
    return std::make_unique<ReplacingLineWriter>(targetHost, atLink, durability);
}
