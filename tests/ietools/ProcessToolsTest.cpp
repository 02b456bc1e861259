#include "IeTestSupport.h"
#include "ietools/ProcessTools.h"

#include <gtest/gtest.h>

namespace {

TEST(ElencaProcessiIe, ListsInReverseFoundOrderWithSlotsInRowOrder)
{
    TestProgram t;
    t.processes.table = {Ie(0xA), {0xB, QStringLiteral("notepad.exe")}, Ie(0xB0), Ie(0xC00)};
    Test_URL& window = t.program->form<Test_URL>();
    t.ui.doEvents = 0;

    ELENCA_PROCESSI_IE(*t.program);

    EXPECT_EQ(Rows(window), QStringList({IeRow(0xC00), IeRow(0xB0), IeRow(0xA)}));
    EXPECT_EQ(t.program->g.NUM_PID_IE, 3);
    EXPECT_EQ(t.program->g.PID_IE[0], QString());
    EXPECT_EQ(t.program->g.PID_IE[1], QStringLiteral("C00"));
    EXPECT_EQ(t.program->g.PID_IE[2], QStringLiteral("B0"));
    EXPECT_EQ(t.program->g.PID_IE[3], QStringLiteral("A"));
    EXPECT_EQ(t.ui.doEvents, 1);
}

TEST(ElencaProcessiIe, FirstUseLoadsTheWindowHiddenAndListsItOnce)
{
    TestProgram t;
    t.processes.table = {Ie(1), Ie(2)};
    ELENCA_PROCESSI_IE(*t.program);

    Test_URL* window = t.program->loaded<Test_URL>();
    ASSERT_NE(window, nullptr);
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(Rows(*window), QStringList({IeRow(2), IeRow(1)}));
    EXPECT_EQ(t.program->g.NUM_PID_IE, 2);
}

TEST(ElencaProcessiIe, NameCaseAndSubstringAndRepeats)
{
    TestProgram t;
    t.processes.table = {{1, QStringLiteral("iexplore.exe")},   {2, QStringLiteral("MYIEXPLORE.EXE")},
                         {2, QStringLiteral("MYIEXPLORE.EXE")}, {3, QStringLiteral("iexplore")},
                         {4, QStringLiteral("NOTEPAD.EXE")},    {1, QStringLiteral("iexplore.exe")}};
    ELENCA_PROCESSI_IE(*t.program);
    // Only a repeat of the id listed just before is dropped.
    EXPECT_EQ(Rows(t.program->form<Test_URL>()),
              QStringList({QStringLiteral("IEXPLORE.EXE 1"), QStringLiteral("MYIEXPLORE.EXE 2"),
                           QStringLiteral("IEXPLORE.EXE 1")}));
    EXPECT_EQ(t.program->g.NUM_PID_IE, 3);
}

TEST(ElencaProcessiIe, OnlyTheProgramsOwnFileNameCounts)
{
    TestProgram t;
    t.processes.table = {{1, QStringLiteral("/home/anna/iexplore.exe.cartella/notepad.exe")},
                         {2, QStringLiteral("/tmp/iexplore.exe.d/sleep")},
                         {3, QStringLiteral("C:\\iexplore.exe\\x.exe")},
                         {4, QStringLiteral("/opt/wine/MyIExplore.exe")},
                         {5, QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe")}};
    ELENCA_PROCESSI_IE(*t.program);
    EXPECT_EQ(Rows(t.program->form<Test_URL>()),
              QStringList({QStringLiteral("IEXPLORE.EXE 5"), QStringLiteral("MYIEXPLORE.EXE 4")}));

    for (const std::uint32_t pid : {1u, 2u, 3u, 5u})
        TERMINA_PROCESSO(*t.program, QString::number(pid));
    EXPECT_EQ(t.processes.terminated, std::vector<std::uint32_t>{5});
}

TEST(ElencaProcessiIe, NoSnapshotOrNoIeLeavesAnEmptyList)
{
    for (const bool snapshotFails : {true, false}) {
        TestProgram t;
        t.processes.table = {Ie(1)};
        ELENCA_PROCESSI_IE(*t.program);
        t.processes.snapshotFails = snapshotFails;
        if (!snapshotFails)
            t.processes.table = {{7, QStringLiteral("explorer.exe")}};
        t.ui.doEvents = 0;

        ELENCA_PROCESSI_IE(*t.program);

        EXPECT_EQ(t.program->form<Test_URL>().List1->count(), 0) << snapshotFails;
        EXPECT_EQ(t.program->g.NUM_PID_IE, 0) << snapshotFails;
        EXPECT_EQ(t.ui.doEvents, 1) << snapshotFails;
    }
}

TEST(ElencaProcessiIe, MoreThanTwoHundredKeepsTheFirstFound)
{
    TestProgram t;
    for (std::uint32_t pid = 1; pid <= 201; ++pid)
        t.processes.table.push_back(Ie(pid));
    ELENCA_PROCESSI_IE(*t.program);

    const Test_URL& window = t.program->form<Test_URL>();
    EXPECT_EQ(window.List1->count(), 200);
    EXPECT_EQ(t.program->g.NUM_PID_IE, 200);
    EXPECT_EQ(window.List1->item(0)->text(), IeRow(200));
    EXPECT_EQ(t.program->g.PID_IE[1], QStringLiteral("C8"));
    EXPECT_EQ(t.program->g.PID_IE[200], QStringLiteral("1"));
}

TEST(TerminaProcesso, EndsOnlyAListedIeProcessByItsHexId)
{
    TestProgram t;
    t.processes.table = {Ie(0x1A4), {0x2B, QStringLiteral("notepad.exe")}};
    for (const char* nothing : {"", "   ", "XYZ", "2B", "999"})
        TERMINA_PROCESSO(*t.program, QLatin1String(nothing));
    EXPECT_TRUE(t.processes.terminated.empty());

    TERMINA_PROCESSO(*t.program, QStringLiteral("1A4"));
    EXPECT_EQ(t.processes.terminated, std::vector<std::uint32_t>{0x1A4});
}

} // namespace
