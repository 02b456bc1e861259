#include "HostFileSystem.h"

#include "FileLineStreams.h"
#include "HostPaths.h"
#include "NameMatching.h"
#include "ReplacingCopy.h"
#include "UpdateLock.h"
#include "platform/VbError.h"

#include <QBuffer>
#include <QDir>
#include <QStandardPaths>

#include <algorithm>
#include <dirent.h>
#include <limits>
#include <sys/stat.h>

namespace {

VbError AlreadyExists() { return VbError(58, QStringLiteral("File already exists")); }
VbError DeviceError() { return VbError(57, QStringLiteral("Device I/O error")); }

// 53 when only the file is missing, 76 when its folder (or drive) is missing too.
VbError MissingError(const QString& host)
{
    return !host.isEmpty() && IsFolder(StatHost(HostParent(host))) ? VbError::fileNotFound() : VbError::pathNotFound();
}

// Throws unless host names a readable file. Only regular files count: opening a pipe would
// wait for its other end and hang the program.
void RequireReadableFile(const QString& host)
{
    const auto status = StatHost(host);
    if (!status)
        throw MissingError(host);
    if (!status->isFile || !status->ownerRead)
        throw VbError::pathAccess();
}

// Throws unless the folder holding host takes changes to its names.
void RequireWritableParent(const QString& host)
{
    const auto folder = StatHost(HostParent(host));
    if (!IsFolder(folder))
        throw VbError::pathNotFound();
    if (!folder->ownerWrite)
        throw VbError::pathAccess();
}

// Throws unless a file may be written at host: an existing writable file, or a new name in a
// writable folder.
void RequireWritableFile(const QString& host)
{
    if (host.isEmpty())
        throw VbError::pathNotFound();
    if (const auto status = StatHost(host)) {
        if (!status->isFile || !status->ownerWrite)
            throw VbError::pathAccess();
        return;
    }
    RequireWritableParent(host);
}

// Throws unless a new file may take the name host: the entry there, not where a link leads, is
// looked at. A read-only file stays the user's; a folder keeps its name.
void RequireReplaceableName(const QString& host)
{
    if (host.isEmpty())
        throw VbError::pathNotFound();
    struct stat entry {};
    if (::lstat(QFile::encodeName(host).constData(), &entry) == 0
        && (S_ISDIR(entry.st_mode) || (S_ISREG(entry.st_mode) && !(entry.st_mode & S_IWUSR))))
        throw VbError::pathAccess();
    RequireWritableParent(host);
}

// True when every file and folder below (and including) host may be deleted; links are not followed.
bool WholeTreeRemovable(const QString& host)
{
    const QFileInfo info(host);
    if (info.isSymLink())
        return true;
    if (!info.permission(QFile::WriteOwner))
        return false;
    if (!info.isDir())
        return true;
    if (!info.permission(QFile::ReadOwner))
        return false;
    const QFileInfoList children = QDir(host).entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System
                                                            | QDir::NoDotAndDotDot);
    return std::all_of(children.begin(), children.end(),
                       [](const QFileInfo& child) { return WholeTreeRemovable(child.filePath()); });
}

// Directory or regular file, following a link; nullopt for anything else.
std::optional<bool> EntryIsFolder(const QString& folder, const dirent* entry)
{
    if (entry->d_type == DT_DIR)
        return true;
    if (entry->d_type == DT_REG)
        return false;
    const auto status = StatHost(folder + QLatin1Char('/') + QFile::decodeName(entry->d_name));
    if (!status || (!status->isFolder && !status->isFile))
        return std::nullopt;
    return status->isFolder;
}

// A copy that could not begin: its error comes when it is finished.
class FailedCopy : public PendingCopy {
public:
    explicit FailedCopy(VbError error) : error_(std::move(error)) {}
    void Finish() override { throw error_; }

private:
    VbError error_;
};

template <typename Start> std::unique_ptr<PendingCopy> StartOrKeepError(Start start)
{
    try {
        return start();
    } catch (const VbError& error) {
        return std::make_unique<FailedCopy>(error);
    }
}

} // namespace

HostFileSystem::HostFileSystem(DriveMap driveMap, QString programFolderHost, QString userFolder)
    : driveMap_(std::move(driveMap)), programFolderHost_(std::move(programFolderHost)),
      redirect_(programFolderHost_, std::move(userFolder))
{
}

std::unique_ptr<QFile> HostFileSystem::OpenExisting(const QString& path, QIODevice::OpenMode mode)
{
    const QString host = HostPath(path);
    RequireReadableFile(host);
    auto file = std::make_unique<QFile>(host);
    if (!file->open(mode))
        throw VbError::pathAccess();
    return file;
}

std::unique_ptr<QFile> HostFileSystem::OpenNew(const QString& path)
{
    const QString host = HostPathForWriting(path);
    RequireWritableFile(host);
    auto file = std::make_unique<QFile>(host);
    if (!file->open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw VbError::pathAccess();
    return file;
}

bool HostFileSystem::CanOpenForReading(const QString& path)
{
    try {
        OpenExisting(path, QIODevice::ReadOnly);
        return true;
    } catch (const VbError&) {
        return false;
    }
}

std::unique_ptr<LineReader> HostFileSystem::OpenForInput(const QString& path)
{
    return std::make_unique<FileLineReader>(OpenExisting(path, QIODevice::ReadOnly | QIODevice::Unbuffered));
}

std::unique_ptr<LineReader> HostFileSystem::OpenCopyForInput(const QString& path)
{
    auto copy = std::make_unique<QBuffer>();
    copy->setData(ReadAll(path, std::numeric_limits<qint64>::max()));
    copy->open(QIODevice::ReadOnly);
    return std::make_unique<FileLineReader>(std::move(copy));
}

std::unique_ptr<LineWriter> HostFileSystem::OpenForOutput(const QString& path)
{
    return std::make_unique<FileLineWriter>(OpenNew(path));
}

// The new file lies beside the one it replaces, in whatever folder the drive map (and the user's
// own folder, for a program folder the user may not write) leads to.
std::unique_ptr<LineWriter> HostFileSystem::OpenForReplacement(const QString& path)
{
    const QString host = HostPathForWriting(path);
    RequireWritableFile(host);
    return OpenReplacingWriter(host);
}

QByteArray HostFileSystem::ReadAll(const QString& path, qint64 maxBytes)
{
    const auto file = OpenExisting(path, QIODevice::ReadOnly);
    QByteArray bytes = file->read(std::clamp<qint64>(maxBytes, 0, file->size()));
    if (file->error() != QFileDevice::NoError)
        throw DeviceError();
    return bytes;
}

void HostFileSystem::WriteAll(const QString& path, const QByteArray& bytes)
{
    const auto file = OpenNew(path);
    const bool written = file->write(bytes) == bytes.size() && file->flush();
    file->close();
    if (!written)
        throw DeviceError();
}

void HostFileSystem::FileCopy(const QString& source, const QString& target) { StartFileCopy(source, target)->Finish(); }

std::unique_ptr<LineWriter> HostFileSystem::OpenForNewFile(const QString& path)
{
    const QString host = HostPathForWriting(path);
    RequireReplaceableName(host);
    return OpenReplacingWriter(host, AtLink::Replace, Durability::Scratch);
}

void HostFileSystem::FileCopyToNewFile(const QString& source, const QString& target)
{
    StartFileCopyToNewFile(source, target)->Finish();
}

std::unique_ptr<PendingCopy> HostFileSystem::StartFileCopy(const QString& source, const QString& target)
{
    return StartCopy(source, target, AtLink::Follow);
}

std::unique_ptr<PendingCopy> HostFileSystem::StartFileCopyToNewFile(const QString& source, const QString& target)
{
    return StartCopy(source, target, AtLink::Replace);
}

std::unique_ptr<PendingCopy> HostFileSystem::StartCopy(const QString& source, const QString& target, AtLink atLink)
{
    return StartOrKeepError([&] {
        auto input = OpenExisting(source, QIODevice::ReadOnly | QIODevice::Unbuffered);
        const QString targetHost = HostPathForWriting(target);
        // Through a link, the file it leads to must be writable; in the link's place, the name.
        if (atLink == AtLink::Follow)
            RequireWritableFile(targetHost);
        else
            RequireReplaceableName(targetHost);
        return StartCopyReplacing(std::move(input), targetHost, atLink);
    });
}

void HostFileSystem::Kill(const QString& path)
{
    const QString host = HostPath(path);
    const auto status = StatHost(host);
    if (!status || status->isFolder)
        throw MissingError(host);
    if (!status->ownerWrite)
        throw VbError::pathAccess();
    RequireWritableParent(host);
    if (!QFile::remove(host))
        throw VbError::pathAccess();
}

std::optional<std::vector<DirEntry>> HostFileSystem::List(const QString& folder, const QString& pattern)
{
    const QString host = HostPath(folder);
    const auto status = StatHost(host);
    if (!IsFolder(status) || !status->ownerRead)
        return std::nullopt;
    DIR* dir = ::opendir(QFile::encodeName(host).constData());
    if (!dir)
        return std::nullopt;
    std::vector<DirEntry> entries;
    while (const dirent* entry = ::readdir(dir)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (name == QLatin1String(".") || name == QLatin1String("..") || !MatchesPattern(name, pattern))
            continue;
        if (const auto isFolder = EntryIsFolder(host, entry))
            entries.push_back({name, *isFolder, name.startsWith(QLatin1Char('.'))});
    }
    ::closedir(dir);
    std::sort(entries.begin(), entries.end(),
              [](const DirEntry& a, const DirEntry& b) { return NtfsLess(a.name, b.name); });
    return entries;
}

bool HostFileSystem::IsPlainFolder(const QString& path)
{
    const QString host = HostPath(path);
    return IsFolder(StatHost(host)) && !QFileInfo(host).fileName().startsWith(QLatin1Char('.'));
}

QString HostFileSystem::FolderIdentity(const QString& path)
{
    const auto status = StatHost(HostPath(path));
    return IsFolder(status) ? status->identity : QString();
}

QString HostFileSystem::FileVersion(const QString& path)
{
    const QString host = HostPath(path);
    struct stat st {};
    if (host.isEmpty() || ::stat(QFile::encodeName(host).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return {};
    const auto number = [](auto value) { return QString::number(value); };
    return number(st.st_dev) + u':' + number(st.st_ino) + u':' + number(st.st_size) + u':' + number(st.st_mtim.tv_sec)
         + u'.' + number(st.st_mtim.tv_nsec) + u':' + number(st.st_ctim.tv_sec) + u'.' + number(st.st_ctim.tv_nsec);
}

std::unique_ptr<FileLock> HostFileSystem::LockUpdates(const QString& path, int timeoutMs)
{
    return LockUpdatesOf(HostPathForWriting(path), timeoutMs);
}

void HostFileSystem::MakeFolder(const QString& path)
{
    const QString host = HostPath(path);
    if (host.isEmpty())
        throw VbError::pathNotFound();
    if (StatHost(host))
        throw VbError::pathAccess();
    RequireWritableParent(host);
    if (!QDir().mkdir(host))
        throw VbError::pathAccess();
}

void HostFileSystem::Rename(const QString& from, const QString& to)
{
    const QString fromHost = HostPath(from);
    if (!StatHost(fromHost))
        throw MissingError(fromHost);
    QString toHost = HostPathForWriting(to);
    if (toHost == fromHost) // a change of letter case only: keep the name as given
        toHost = HostParent(fromHost) + QLatin1Char('/') + QFileInfo(driveMap_.ToHost(to)).fileName();
    else if (StatHost(toHost))
        throw AlreadyExists();
    if (toHost.isEmpty())
        throw VbError::pathNotFound();
    RequireWritableParent(fromHost);
    RequireWritableParent(toHost);
    if (!QDir().rename(fromHost, toHost))
        throw VbError::pathAccess();
}

void HostFileSystem::RemoveTree(const QString& path)
{
    const QString host = HostPath(path);
    const auto status = StatHost(host);
    if (!status)
        throw MissingError(host);
    RequireWritableParent(host);
    if (!WholeTreeRemovable(host))
        throw VbError::pathAccess();
    // A link to a folder goes, never what it leads to.
    const bool removed = status->isFolder && !QFileInfo(host).isSymLink() ? QDir(host).removeRecursively()
                                                                          : QFile::remove(host);
    if (!removed)
        throw VbError::pathAccess();
}

bool HostFileSystem::MoveToTrash(const QString& path)
{
    const QString host = HostPath(path);
    if (!StatHost(host))
        throw MissingError(host);
    RequireWritableParent(host);
    // Qt takes the current folder for a trash it cannot make: the user's own trash is made here
    // first, and without it there is none.
    const QString homeTrash = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                            + QStringLiteral("/Trash");
    const bool made = !QFileInfo(homeTrash).isDir() && QDir().mkpath(homeTrash);
    if (made)
        QFile::setPermissions(homeTrash, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    return QFileInfo(homeTrash).isDir() && QFile::moveToTrash(host);
}

QString HostFileSystem::ProgramFolder() { return driveMap_.ToWindows(programFolderHost_); }
QString HostFileSystem::HostPath(const QString& windowsPath)
{
    return redirect_.ForReading(LookUpHostPath(driveMap_.ToHost(windowsPath)));
}

QString HostFileSystem::HostPathForWriting(const QString& windowsPath)
{
    return redirect_.ForWriting(LookUpHostPath(driveMap_.ToHost(windowsPath)));
}
QString HostFileSystem::WindowsPath(const QString& hostPath) { return driveMap_.ToWindows(hostPath); }
