#include "FilePlacement.h"

#include "HostPaths.h"
#include "ReplacingCopy.h"
#include "platform/VbError.h"
#include "platform/files/DownloadNames.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace {

// 0, or the error: EEXIST when `to` is there and replace is false.
int Rename(const QString& from, const QString& to, bool replace)
{
    const QByteArray source = QFile::encodeName(from);
    const QByteArray target = QFile::encodeName(to);
    if (replace)
        return ::rename(source.constData(), target.constData()) == 0 ? 0 : errno;
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // A file system without the kernel's no-replace rename: a new link fails on an existing name.
    if (::link(source.constData(), target.constData()) != 0)
        return errno;
    ::unlink(source.constData());
    return 0;
}

// A copy of `from` beside `near`, under a name of its own.
QString CopyBeside(const QString& from, const QString& near)
{
    QFile source(from);
    if (!source.open(QIODevice::ReadOnly))
        throw VbError::pathAccess();
    const QString staged = FreeHostPath(near + QStringLiteral(".part"));
    CopyReplacing(source.handle(), staged);
    return staged;
}

} // namespace

QString FreeHostPath(const QString& host)
{
    const QFileInfo info(host);
    const QDir folder = info.dir();
    return folder.filePath(FreeFileName(info.fileName(), [&folder](const QString& name) {
        return ExistsOrDangles(folder.filePath(name));
    }));
}

QString PlaceFile(const QString& fromHost, const QString& toHost, bool replace)
{
    QString source = fromHost;
    for (;;) {
        const QString target = replace ? toHost : FreeHostPath(toHost);
        const int error = Rename(source, target, replace);
        if (error == 0) {
            if (source != fromHost)
                ::unlink(QFile::encodeName(fromHost).constData());
            return target;
        }
        if (error == EEXIST && !replace)
            continue; // taken meanwhile: the next free name
        if (error == EXDEV && source == fromHost) {
            source = CopyBeside(fromHost, toHost);
            continue;
        }
        if (source != fromHost)
            ::unlink(QFile::encodeName(source).constData());
        throw VbError::pathAccess();
    }
}
