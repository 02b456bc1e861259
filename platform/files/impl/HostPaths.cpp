#include "HostPaths.h"

#include "NameMatching.h"

#include <QFile>
#include <QStringList>

#include <dirent.h>
#include <sys/stat.h>

namespace {

// The first name of a folder, in listing order, equal to the given one without regard to case.
QString FindNameIgnoringCase(const QString& folder, const QString& name)
{
    DIR* dir = ::opendir(QFile::encodeName(folder).constData());
    if (!dir)
        return {};
    QString found;
    while (const dirent* entry = ::readdir(dir)) {
        const QString candidate = QFile::decodeName(entry->d_name);
        if (candidate.compare(name, Qt::CaseInsensitive) == 0 && (found.isEmpty() || NtfsLess(candidate, found)))
            found = candidate;
    }
    ::closedir(dir);
    return found;
}

} // namespace

bool ExistsOrDangles(const QString& hostPath)
{
    struct stat st {};
    return ::lstat(QFile::encodeName(hostPath).constData(), &st) == 0;
}

std::optional<HostStatus> StatHost(const QString& hostPath)
{
    struct stat st {};
    if (hostPath.isEmpty() || ::stat(QFile::encodeName(hostPath).constData(), &st) != 0)
        return std::nullopt;
    HostStatus status;
    status.isFolder = S_ISDIR(st.st_mode);
    status.isFile = S_ISREG(st.st_mode);
    status.ownerRead = (st.st_mode & S_IRUSR) != 0;
    status.ownerWrite = (st.st_mode & S_IWUSR) != 0;
    status.identity = QString::number(st.st_dev) + QLatin1Char(':') + QString::number(st.st_ino);
    return status;
}

QString LookUpHostPath(const QString& hostPath)
{
    if (hostPath.isEmpty() || !hostPath.startsWith(QLatin1Char('/')) || ExistsOrDangles(hostPath))
        return hostPath;
    const QStringList parts = hostPath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const QString exact = current + QLatin1Char('/') + parts.at(i);
        if (ExistsOrDangles(exact)) {
            current = exact;
            continue;
        }
        const QString other = FindNameIgnoringCase(current.isEmpty() ? QStringLiteral("/") : current, parts.at(i));
        if (other.isEmpty())
            return current + QLatin1Char('/') + parts.mid(i).join(QLatin1Char('/'));
        current += QLatin1Char('/') + other;
    }
    return current.isEmpty() ? QStringLiteral("/") : current;
}

QString HostParent(const QString& hostPath)
{
    const qsizetype slash = hostPath.lastIndexOf(QLatin1Char('/'));
    return slash <= 0 ? QStringLiteral("/") : hostPath.left(slash);
}
