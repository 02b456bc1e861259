#include "SpawnedProcesses.h"
#include "app/Program.h"
#include "fakes/FakeSystem.h"
#include "fakes/FakeUi.h"
#include "ietools/ProcessTools.h"
#include "ietools/Test_URL.h"
#include "platform/engine/WebBrowser.h"
#include "platform/files/impl/HostFileSystem.h"
#include "platform/system/impl/LinuxProcessService.h"

#include <QListWidget>
#include <gtest/gtest.h>

namespace {

// A program listing the machine's real processes; the user's answers are scripted.
class RealProcessProgram {
public:
    RealProcessProgram()
        : fs(DriveMap([](const QString&) { return QString(); }), QDir::tempPath()),
          program(ProgramServices{ui, fs, processes, system, [](QWidget*) { return std::unique_ptr<WebBrowser>(); }})
    {
    }

    // Rows of the list that belong to the given processes (other programs on this machine may
    // run Internet Explorer copies of their own).
    QStringList RowsOf(const std::vector<const QProcess*>& processes)
    {
        QStringList rows;
        const QListWidget* list = program.form<Test_URL>().List1;
        for (int r = 0; r < list->count(); ++r)
            for (const QProcess* process : processes)
                if (list->item(r)->text().endsWith(QLatin1Char(' ')
                                                   + QString::number(process->processId(), 16).toUpper()))
                    rows << list->item(r)->text();
        return rows;
    }
    int RowOf(const QString& text)
    {
        const QListWidget* list = program.form<Test_URL>().List1;
        for (int r = 0; r < list->count(); ++r)
            if (list->item(r)->text() == text)
                return r;
        return -1;
    }

    FakeUi ui;
    FakeSystem system;
    HostFileSystem fs;
    LinuxProcessService processes;
    Program program;
};

QString Id(const QProcess& process) { return QString::number(process.processId(), 16).toUpper(); }

TEST(RealIeProcesses, ListEndOneByItsRowListAgainNotepadSurvives)
{
    SpawnedProcesses spawned;
    QProcess& ie = spawned.Sleeper(QStringLiteral("iexplore.exe"));
    QProcess& myIe = spawned.Sleeper(QStringLiteral("MYIEXPLORE.EXE"));
    QProcess& notepad = spawned.Sleeper(QStringLiteral("notepad.exe"));
    RealProcessProgram r;

    ELENCA_PROCESSI_IE(r.program);
    const QString ieRow = QStringLiteral("IEXPLORE.EXE ") + Id(ie);
    const QString myIeRow = QStringLiteral("MYIEXPLORE.EXE ") + Id(myIe);
    // Reverse order of the ids: the one found last is on top.
    EXPECT_EQ(r.RowsOf({&ie, &myIe, &notepad}),
              ie.processId() > myIe.processId() ? QStringList({ieRow, myIeRow}) : QStringList({myIeRow, ieRow}));

    Test_URL& window = r.program.form<Test_URL>();
    window.List1->setCurrentRow(r.RowOf(ieRow));
    r.ui.onPause = [&ie] { ie.waitForFinished(5000); }; // the ended process is gone before the refresh
    window.List1_Click();

    EXPECT_EQ(ie.state(), QProcess::NotRunning);
    EXPECT_EQ(r.RowsOf({&ie, &myIe, &notepad}), QStringList{myIeRow});
    EXPECT_TRUE(IsRunning(myIe));
    EXPECT_TRUE(IsRunning(notepad));
}

TEST(RealIeProcesses, AnIdThatPassedToAnotherProgramIsNotEnded)
{
    SpawnedProcesses spawned;
    // Listed as iexplore.exe, then the same id runs a program of another name.
    QProcess& changing = spawned.Start(QStringLiteral("/bin/bash"), QStringLiteral("iexplore.exe"),
                                       {QStringLiteral("-c"),
                                        QStringLiteral("read line; exec -a notepad.exe sleep 60")});
    RealProcessProgram r;
    ELENCA_PROCESSI_IE(r.program);
    const int row = r.RowOf(QStringLiteral("IEXPLORE.EXE ") + Id(changing));
    ASSERT_GE(row, 0);

    changing.write("\n");
    changing.waitForBytesWritten(5000);
    ASSERT_TRUE(WaitForArgvZero(changing.processId(), "notepad.exe"));
    TERMINA_PROCESSO(r.program, r.program.g.PID_IE[row + 1]);

    EXPECT_TRUE(IsRunning(changing));
}

} // namespace
