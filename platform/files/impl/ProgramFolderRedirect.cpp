#include "ProgramFolderRedirect.h"

#include "HostPaths.h"
#include "XdgFolders.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// The owner's write bit counts for root too, as everywhere in the file system; another user
// is asked of the system.
bool UserMayWrite(const QString& folder, const HostStatus& status)
{
    return status.ownerWrite && ::access(QFile::encodeName(folder).constData(), W_OK) == 0;
}

} // namespace

ProgramFolderRedirect::ProgramFolderRedirect(const QString& programFolder, QString userFolder)
    : userFolder_(std::move(userFolder))
{
    const auto status = StatHost(programFolder);
    if (!userFolder_.isEmpty() && status && status->isFolder && !UserMayWrite(programFolder, *status))
        programFolderIdentity_ = status->identity;
}

QString ProgramFolderRedirect::InUserFolder(const QString& host) const
{
    if (programFolderIdentity_.isEmpty() || host.isEmpty())
        return {};
    const auto folder = StatHost(HostParent(host));
    if (!folder || folder->identity != programFolderIdentity_)
        return {};
    return LookUpHostPath(userFolder_ + QLatin1Char('/') + QFileInfo(host).fileName());
}

QString ProgramFolderRedirect::ForReading(const QString& host) const
{
    const QString moved = InUserFolder(host);
    return !moved.isEmpty() && StatHost(moved) ? moved : host;
}

QString ProgramFolderRedirect::ForWriting(const QString& host) const
{
    const QString moved = InUserFolder(host);
    if (moved.isEmpty())
        return host;
    if (!StatHost(userFolder_)) {
        QDir().mkpath(HostParent(userFolder_));
        ::mkdir(QFile::encodeName(userFolder_).constData(), 0700);
    }
    return moved;
}

QString UserProgramFolder(const DriveMap::Environment& environment)
{
    const QString dataHome = XdgDataHome(environment);
    return dataHome.isEmpty() ? QString() : dataHome + QStringLiteral("/vindrel");
}
