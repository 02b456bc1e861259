#pragma once
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <memory>
#include <vector>

// Waits until the process's argv[0] reads `argv0`: for a moment after it starts running the new
// program, its arguments are not in place yet.
inline bool WaitForArgvZero(qint64 pid, const QByteArray& argv0)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 5000) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
        if (cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().startsWith(argv0 + '\0'))
            return true;
        QThread::msleep(5);
    }
    return false;
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
    }

    // Starts a copy of `original` named `name`; its argv[0] is the copy's full path.
    QProcess& Start(const QString& original, const QString& name, const QStringList& arguments)
    {
        const QString copy = folder.filePath(name);
        if (!QFile::exists(copy))
            QFile::copy(original, copy);
        auto process = std::make_unique<QProcess>();
        process->start(copy, arguments);
        process->waitForStarted(5000);
        WaitForArgvZero(process->processId(), copy.toLocal8Bit());
        started_.push_back(std::move(process));
        return *started_.back();
    }
    QProcess& Sleeper(const QString& name) { return Start(QStringLiteral("/bin/sleep"), name, {QStringLiteral("60")}); }

    QTemporaryDir folder;

private:
    std::vector<std::unique_ptr<QProcess>> started_;
};

inline bool IsRunning(QProcess& process)
{
    return process.state() == QProcess::Running && !process.waitForFinished(200);
}
