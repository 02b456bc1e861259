#pragma once
#include "DriveMap.h"
#include "ProgramFolderRedirect.h"
#include "ReplacingCopy.h"
#include "platform/files/FileSystem.h"

#include <QFile>

// The host's files seen through the drive map. Names are found without regard to case; the
// owner's permission bits count like Windows attributes, for root too: no write bit, read-only.
// Files of a program folder the user may not write live in the user's folder (ProgramFolderRedirect).
class HostFileSystem : public FileSystem {
public:
    // programFolderHost: the host folder of the running executable; userFolder: where its files
    // go when the user may not write it (empty: nowhere, the program folder is used as it is).
    HostFileSystem(DriveMap driveMap, QString programFolderHost, QString userFolder = {});

    bool CanOpenForReading(const QString& path) override;
    std::unique_ptr<LineReader> OpenForInput(const QString& path) override;
    std::unique_ptr<LineReader> OpenCopyForInput(const QString& path) override;
    std::unique_ptr<LineWriter> OpenForOutput(const QString& path) override;
    std::unique_ptr<LineWriter> OpenForReplacement(const QString& path) override;
    QByteArray ReadAll(const QString& path, qint64 maxBytes) override;
    void WriteAll(const QString& path, const QByteArray& bytes) override;
    // The target is replaced as a whole, or left as it was when the copy fails.
    void FileCopy(const QString& source, const QString& target) override;
    // A regular file there must be writable, as for FileCopy; a folder is not replaced.
    std::unique_ptr<LineWriter> OpenForNewFile(const QString& path) override;
    void FileCopyToNewFile(const QString& source, const QString& target) override;
    std::unique_ptr<PendingCopy> StartFileCopy(const QString& source, const QString& target) override;
    std::unique_ptr<PendingCopy> StartFileCopyToNewFile(const QString& source, const QString& target) override;
    void Kill(const QString& path) override;
    std::optional<std::vector<DirEntry>> List(const QString& folder, const QString& pattern) override;
    bool IsPlainFolder(const QString& path) override;
    QString FolderIdentity(const QString& path) override;
    // The file's identity, size and times of change.
    QString FileVersion(const QString& path) override;
    // An advisory lock (flock) on a file beside the one a write of path replaces.
    std::unique_ptr<FileLock> LockUpdates(const QString& path, int timeoutMs) override;
    void MakeFolder(const QString& path) override;
    void Rename(const QString& from, const QString& to) override;
    // Removes nothing unless it can remove everything.
    void RemoveTree(const QString& path) override;
    // The freedesktop trash: the user's, or the one at the top of the file's own volume.
    bool MoveToTrash(const QString& path) override;
    QString ProgramFolder() override;
    // The host path, with every existing name found without regard to case.
    QString HostPath(const QString& windowsPath) override;
    QString HostPathForWriting(const QString& windowsPath) override;
    QString WindowsPath(const QString& hostPath) override;

private:
    std::unique_ptr<QFile> OpenExisting(const QString& path, QIODevice::OpenMode mode);
    std::unique_ptr<QFile> OpenNew(const QString& path);
    std::unique_ptr<PendingCopy> StartCopy(const QString& source, const QString& target, AtLink atLink);

    DriveMap driveMap_;
    QString programFolderHost_;
    ProgramFolderRedirect redirect_;
};
