#include "LinuxProcessService.h"

#include <QByteArray>

#include <algorithm>
#include <csignal>
#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

// A process directory's name is its id: digits only, within 32 bits.
std::optional<std::uint32_t> PidFromName(const char* name)
{
    if (*name == '\0')
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char* c = name; *c != '\0'; ++c) {
        if (*c < '0' || *c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(*c - '0');
        if (value > UINT32_MAX)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

// Reads a /proc file up to its first NUL (or its end); nullopt when it cannot be opened or read,
// as when the process has just ended.
std::optional<QByteArray> ReadUpToNul(const QByteArray& path)
{
    const int fd = ::open(path.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    QByteArray text;
    char buffer[4096];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            ::close(fd);
            return std::nullopt;
        }
        const char* end = buffer + got;
        const char* nul = std::find(static_cast<const char*>(buffer), end, '\0');
        text.append(buffer, nul - buffer);
        if (got == 0 || nul != end)
            break;
    }
    ::close(fd);
    return text;
}

// argv[0] as the process gave it; its short command name when argv is empty (kernel threads,
// zombies). nullopt when the process vanished while it was read.
std::optional<QString> ExeName(const QByteArray& processFolder)
{
    const auto argv0 = ReadUpToNul(processFolder + "/cmdline");
    if (!argv0)
        return std::nullopt;
    if (!argv0->isEmpty())
        return QString::fromLocal8Bit(*argv0);
    auto comm = ReadUpToNul(processFolder + "/comm");
    if (!comm)
        return std::nullopt;
    if (comm->endsWith('\n'))
        comm->chop(1);
    return QString::fromLocal8Bit(*comm);
}

} // namespace

LinuxProcessService::LinuxProcessService(QString procRoot) : procRoot_(std::move(procRoot)) {}

std::optional<std::vector<ProcessEntry>> LinuxProcessService::Snapshot()
{
    const QByteArray root = procRoot_.toLocal8Bit();
    DIR* dir = ::opendir(root.constData());
    if (!dir)
        return std::nullopt;
    std::vector<std::uint32_t> pids;
    while (const dirent* entry = ::readdir(dir))
        if (const auto pid = PidFromName(entry->d_name))
            pids.push_back(*pid);
    ::closedir(dir);
    std::sort(pids.begin(), pids.end());

    std::vector<ProcessEntry> table;
    table.reserve(pids.size());
    for (const std::uint32_t pid : pids)
        if (auto name = ExeName(root + '/' + QByteArray::number(pid)))
            table.push_back({pid, std::move(*name)});
    return table;
}

void LinuxProcessService::Terminate(std::uint32_t pid, const std::function<bool(const QString&)>& stillWanted)
{
    if (pid == 0 || pid > static_cast<std::uint32_t>(INT32_MAX))
        return;
    // Pin the process first: from here on the signal can only reach this very process, even if
    // its id is handed to another one. Missing or not permitted: nothing to do.
    const int pidfd = static_cast<int>(::syscall(SYS_pidfd_open, static_cast<pid_t>(pid), 0));
    if (pidfd < 0)
        return;
    // The name read now belongs to the pinned process, unless it has already ended, and then the
    // signal below finds nobody.
    const auto name = ExeName(procRoot_.toLocal8Bit() + '/' + QByteArray::number(pid));
    if (name && stillWanted(*name))
        ::syscall(SYS_pidfd_send_signal, pidfd, SIGKILL, nullptr, 0);
    ::close(pidfd);
}
