#pragma once
#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <vector>

#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

// Waits until the process's argv[0] reads `argv0`: for a moment after it starts running the new
// program, its arguments are not in place yet.
inline bool WaitForArgvZero(qint64 pid, const QByteArray& argv0)
{
    return WaitUntil([&] {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        return cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().startsWith(argv0 + '\0');
    });
}

// Harmless programs started under chosen names from a temporary folder; every one still running
// is killed and waited for when the test ends.
class SpawnedProcesses {
public:
    ~SpawnedProcesses()
    {
        for (auto& process : started_) {
            process->kill();
            process->waitForFinished(5000);
        }
        for (const pid_t child : children_) {
            ::kill(child, SIGKILL);
            ::waitpid(child, nullptr, 0);
        }
    }

    // Starts a copy of `original` named `name`; its argv[0] is the copy's full path.
    QProcess& Start(const QString& original, const QString& name, const QStringList& arguments)
    {
        const QString copy = QFile::decodeName(Copy(original, name));
        auto process = std::make_unique<QProcess>();
        process->start(copy, arguments);
        process->waitForStarted(5000);
        WaitForArgvZero(process->processId(), copy.toLocal8Bit());
        started_.push_back(std::move(process));
        return *started_.back();
    }
    QProcess& Sleeper(const QString& name) { return Start(QStringLiteral("/bin/sleep"), name, {QStringLiteral("60")}); }

    // A copy of `true` named `name` that has ended and is left unreaped (state Z) until the end.
    pid_t Zombie(const QString& name)
    {
        const QByteArray copy = Copy(QStringLiteral("/bin/true"), name);
        char* argv[] = {const_cast<char*>(copy.constData()), nullptr};
        pid_t child = 0;
        if (::posix_spawn(&child, copy.constData(), nullptr, nullptr, argv, nullptr) != 0)
            return -1;
        children_.push_back(child);
        siginfo_t info{};
        ::waitid(P_PID, id_t(child), &info, WEXITED | WNOWAIT); // ended, still not reaped
        return child;
    }

    // A copy of `sleep` named `name` running as the user `uid` (the caller must be root).
    pid_t SleeperOfUser(const QString& name, uid_t uid)
    {
        QFile::setPermissions(folder.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                                 | QFile::ExeOther);
        const QByteArray copy = Copy(QStringLiteral("/bin/sleep"), name);
        const pid_t child = ::fork();
        if (child == 0) {
            if (::setgid(uid) == 0 && ::setuid(uid) == 0)
                ::execl(copy.constData(), copy.constData(), "60", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        if (child < 0)
            return -1;
        children_.push_back(child);
        return WaitForArgvZero(child, copy) ? child : -1;
    }

    QTemporaryDir folder;

private:
    QByteArray Copy(const QString& original, const QString& name)
    {
        const QString copy = folder.filePath(name);
        if (!QFile::exists(copy))
            QFile::copy(original, copy);
        return QFile::encodeName(copy);
    }

    std::vector<std::unique_ptr<QProcess>> started_;
    std::vector<pid_t> children_;
};

inline bool IsRunning(QProcess& process)
{
    return process.state() == QProcess::Running && !process.waitForFinished(200);
}
