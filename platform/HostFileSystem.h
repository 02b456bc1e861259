#pragma once
#include "DriveMap.h"
#include "FileSystem.h"

// The host's files seen through the drive map.
class HostFileSystem : public FileSystem {
public:
    // programFolderHost: the host folder of the running executable.
    HostFileSystem(DriveMap driveMap, QString programFolderHost);

    bool CanOpenForReading(const QString& path) override;
    std::unique_ptr<LineReader> OpenForInput(const QString& path) override;
    std::unique_ptr<LineWriter> OpenForOutput(const QString& path) override;
    QByteArray ReadAll(const QString& path, qint64 maxBytes) override;
    void WriteAll(const QString& path, const QByteArray& bytes) override;
    void FileCopy(const QString& source, const QString& target) override;
    void Kill(const QString& path) override;
    std::optional<std::vector<DirEntry>> List(const QString& folder, const QString& pattern) override;
    bool IsPlainFolder(const QString& path) override;
    QString FolderIdentity(const QString& path) override;
    void MakeFolder(const QString& path) override;
    void Rename(const QString& from, const QString& to) override;
    void RemoveTree(const QString& path) override;
    QString ProgramFolder() override;
    QString HostPath(const QString& windowsPath) override;
    QString WindowsPath(const QString& hostPath) override;

private:
    DriveMap driveMap_;
    QString programFolderHost_;
};
