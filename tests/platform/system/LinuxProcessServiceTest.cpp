#include "SpawnedProcesses.h"
#include "platform/system/impl/LinuxProcessService.h"
#include "support/WriteFile.h"

#include <gtest/gtest.h>

namespace {

// The status file of a live process of this user.
QByteArray OwnStatus(const char* state = "S (sleeping)", uid_t uid = ::getuid())
{
    return QByteArray("Name:\tx\nState:\t") + state + "\nTgid:\t1\nUid:\t" + QByteArray::number(uid) + "\t0\t0\t0\n";
}

TEST(LinuxProcessServiceSnapshot, AscendingIdsArgvZeroOrCommVanishedSkipped)
{
    QTemporaryDir proc;
    for (const char* pid : {"10", "9", "2"})
        WriteFile(proc.filePath(QLatin1String(pid) + QStringLiteral("/status")), OwnStatus());
    WriteFile(proc.filePath(QStringLiteral("10/cmdline")), QByteArray());
    WriteFile(proc.filePath(QStringLiteral("10/comm")), "kworker/0:1\n");
    WriteFile(proc.filePath(QStringLiteral("9/cmdline")), QByteArray("C:\\Programmi\\iexplore.exe\0-nohome\0", 35));
    WriteFile(proc.filePath(QStringLiteral("2/cmdline")), QByteArray("/bin/sh\0-c\0x\0", 13));
    WriteFile(proc.filePath(QStringLiteral("self/cmdline")), "not a process");
    WriteFile(proc.filePath(QStringLiteral("4294967296/cmdline")), "beyond 32 bits");
    QDir(proc.path()).mkpath(QStringLiteral("77")); // ended while it was read: no files left

    const auto table = LinuxProcessService(proc.path()).Snapshot();

    ASSERT_TRUE(table.has_value());
    ASSERT_EQ(table->size(), 3u);
    EXPECT_EQ((*table)[0].pid, 2u);
    EXPECT_EQ((*table)[0].exeName, QStringLiteral("/bin/sh"));
    EXPECT_EQ((*table)[1].pid, 9u);
    EXPECT_EQ((*table)[1].exeName, QStringLiteral("C:\\Programmi\\iexplore.exe"));
    EXPECT_EQ((*table)[2].pid, 10u);
    EXPECT_EQ((*table)[2].exeName, QStringLiteral("kworker/0:1"));
}

TEST(LinuxProcessServiceSnapshot, OnlyLiveProcessesOfThisUser)
{
    QTemporaryDir proc;
    const QByteArray ie("iexplore.exe\0", 13);
    const std::pair<const char*, QByteArray> processes[] = {
        {"3", OwnStatus()},
        {"4", OwnStatus("Z (zombie)")},
        {"5", OwnStatus("X (dead)")},
        {"6", OwnStatus("S (sleeping)", ::getuid() + 1)}, // real id of someone else, whatever the others
        {"7", QByteArray("State:\tR (running)\nUid:\t") + QByteArray::number(::getuid() + 1) + " "
                  + QByteArray::number(::getuid()) + "\n"},
        {"8", QByteArray()}, // no status: vanished
    };
    for (const auto& [pid, status] : processes) {
        WriteFile(proc.filePath(QLatin1String(pid) + QStringLiteral("/cmdline")), ie);
        if (!status.isEmpty())
            WriteFile(proc.filePath(QLatin1String(pid) + QStringLiteral("/status")), status);
    }
    const auto table = LinuxProcessService(proc.path()).Snapshot();
    ASSERT_TRUE(table.has_value());
    ASSERT_EQ(table->size(), 1u);
    EXPECT_EQ((*table)[0].pid, 3u);
}

TEST(LinuxProcessServiceSnapshot, NoTableWhenTheFolderCannotBeListed)
{
    QTemporaryDir proc;
    EXPECT_FALSE(LinuxProcessService(proc.filePath(QStringLiteral("missing"))).Snapshot().has_value());
}

TEST(LinuxProcessServiceSnapshot, SeesALiveProcessByItsArgvZero)
{
    SpawnedProcesses spawned;
    QProcess& sleeper = spawned.Sleeper(QStringLiteral("iexplore.exe"));
    const auto table = LinuxProcessService().Snapshot();
    ASSERT_TRUE(table.has_value());
    const auto self = std::find_if(table->begin(), table->end(),
                                   [&](const ProcessEntry& e) { return e.pid == sleeper.processId(); });
    ASSERT_NE(self, table->end());
    EXPECT_EQ(self->exeName, spawned.folder.filePath(QStringLiteral("iexplore.exe")));
    EXPECT_TRUE(std::is_sorted(table->begin(), table->end(),
                               [](const ProcessEntry& a, const ProcessEntry& b) { return a.pid < b.pid; }));
}

TEST(LinuxProcessServiceTerminate, EndsOnlyWhenTheCurrentNameIsStillWanted)
{
    SpawnedProcesses spawned;
    QProcess& sleeper = spawned.Sleeper(QStringLiteral("iexplore.exe"));
    const auto pid = static_cast<std::uint32_t>(sleeper.processId());
    LinuxProcessService service;

    QStringList asked;
    service.Terminate(pid, [&asked](const QString& name) {
        asked << name;
        return false;
    });
    EXPECT_EQ(asked, QStringList{spawned.folder.filePath(QStringLiteral("iexplore.exe"))});
    EXPECT_TRUE(IsRunning(sleeper));

    service.Terminate(pid, [](const QString&) { return true; });
    EXPECT_TRUE(sleeper.waitForFinished(5000));
    EXPECT_EQ(sleeper.exitStatus(), QProcess::CrashExit);
}

TEST(LinuxProcessServiceTerminate, MissingProcessIsNotAsked)
{
    SpawnedProcesses spawned;
    QProcess& sleeper = spawned.Sleeper(QStringLiteral("iexplore.exe"));
    const auto pid = static_cast<std::uint32_t>(sleeper.processId());
    sleeper.kill();
    sleeper.waitForFinished(5000);

    bool asked = false;
    for (const std::uint32_t gone : {pid, 0u, 0xFFFFFFF0u})
        LinuxProcessService().Terminate(gone, [&asked](const QString&) {
            asked = true;
            return false; // never end anything, should the id have passed to another process
        });
    EXPECT_FALSE(asked);
}

TEST(LinuxProcessServiceReal, AnEndedProcessIsNeitherListedNorAsked)
{
    SpawnedProcesses spawned;
    const pid_t zombie = spawned.Zombie(QStringLiteral("iexplore.exe"));
    ASSERT_GT(zombie, 0);
    const auto table = LinuxProcessService().Snapshot();
    ASSERT_TRUE(table.has_value());
    EXPECT_TRUE(std::none_of(table->begin(), table->end(),
                             [&](const ProcessEntry& e) { return e.pid == std::uint32_t(zombie); }));
    bool asked = false;
    LinuxProcessService().Terminate(std::uint32_t(zombie), [&asked](const QString&) { return asked = true; });
    EXPECT_FALSE(asked);
}

TEST(LinuxProcessServiceReal, AnotherUsersProcessIsNeitherListedNorEnded)
{
    if (::getuid() != 0)
        GTEST_SKIP() << "only root can start a process of another user";
    SpawnedProcesses spawned;
    const pid_t other = spawned.SleeperOfUser(QStringLiteral("iexplore.exe"), 65534);
    ASSERT_GT(other, 0);
    const auto table = LinuxProcessService().Snapshot();
    ASSERT_TRUE(table.has_value());
    EXPECT_TRUE(std::none_of(table->begin(), table->end(),
                             [&](const ProcessEntry& e) { return e.pid == std::uint32_t(other); }));
    LinuxProcessService().Terminate(std::uint32_t(other), [](const QString&) { return true; });
    EXPECT_EQ(::kill(other, 0), 0) << "still running";
}

} // namespace
