#include "LinuxProcessService.h"

#include <QByteArray>
#include <QByteArrayList>

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

// A process that has ended (a zombie not yet reaped by its parent, or one being torn down) still
// has its folder; it is gone as far as a listing goes.
bool HasEnded(QByteArrayView state) { return state.startsWith('Z') || state.startsWith('X'); }

// True when the process is alive and runs for `user` (its real user id), as read from its status
// file; false when it has ended, belongs to someone else, or vanished while it was read.
bool IsLiveProcessOf(const QByteArray& processFolder, uid_t user)
{
    const auto status = ReadUpToNul(processFolder + "/status");
    if (!status)
        return false;
    bool alive = false;
    bool owned = false;
    for (const QByteArray& line : status->split('\n')) {
        if (line.startsWith("State:"))
            alive = !HasEnded(QByteArrayView(line).sliced(6).trimmed());
        else if (line.startsWith("Uid:")) {
            // Real, effective, saved and file-system ids: the first one says whose process it is.
            const QList<QByteArray> ids = line.sliced(4).simplified().split(' ');
            bool number = false;
            owned = ids.first().toUInt(&number) == user && number;
        }
    }
    return alive && owned;
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

LinuxProcessService::LinuxProcessService(QString procRoot) : procRoot_(std::move(procRoot)), user_(::getuid()) {}

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
    for (const std::uint32_t pid : pids) {
        const QByteArray folder = root + '/' + QByteArray::number(pid);
        if (!IsLiveProcessOf(folder, user_))
            continue;
        if (auto name = ExeName(folder))
            table.push_back({pid, std::move(*name)});
    }
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
    // What is read now belongs to the pinned process, unless it has already ended, and then the
    // signal below finds nobody.
    const QByteArray folder = procRoot_.toLocal8Bit() + '/' + QByteArray::number(pid);
    const auto name = IsLiveProcessOf(folder, user_) ? ExeName(folder) : std::nullopt;
    if (name && stillWanted(*name))
        ::syscall(SYS_pidfd_send_signal, pidfd, SIGKILL, nullptr, 0);
    ::close(pidfd);
}
