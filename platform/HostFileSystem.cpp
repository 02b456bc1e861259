#include "HostFileSystem.h"

#include "VbError.h"

HostFileSystem::HostFileSystem(DriveMap driveMap, QString programFolderHost)
    : driveMap_(std::move(driveMap)), programFolderHost_(std::move(programFolderHost))
{
}

bool HostFileSystem::CanOpenForReading(const QString&) { return false; }
std::unique_ptr<LineReader> HostFileSystem::OpenForInput(const QString&) { throw VbError::fileNotFound(); }
std::unique_ptr<LineWriter> HostFileSystem::OpenForOutput(const QString&) { throw VbError::pathAccess(); }
QByteArray HostFileSystem::ReadAll(const QString&, qint64) { throw VbError::fileNotFound(); }
void HostFileSystem::WriteAll(const QString&, const QByteArray&) { throw VbError::pathAccess(); }
void HostFileSystem::FileCopy(const QString&, const QString&) { throw VbError::fileNotFound(); }
void HostFileSystem::Kill(const QString&) { throw VbError::fileNotFound(); }
std::optional<std::vector<DirEntry>> HostFileSystem::List(const QString&, const QString&) { return std::nullopt; }
bool HostFileSystem::IsPlainFolder(const QString&) { return false; }
QString HostFileSystem::FolderIdentity(const QString&) { return {}; }
void HostFileSystem::MakeFolder(const QString&) { throw VbError::pathAccess(); }
void HostFileSystem::Rename(const QString&, const QString&) { throw VbError::pathAccess(); }
void HostFileSystem::RemoveTree(const QString&) { throw VbError::pathAccess(); }
QString HostFileSystem::ProgramFolder() { return driveMap_.ToWindows(programFolderHost_); }
QString HostFileSystem::HostPath(const QString& windowsPath) { return driveMap_.ToHost(windowsPath); }
QString HostFileSystem::WindowsPath(const QString& hostPath) { return driveMap_.ToWindows(hostPath); }
