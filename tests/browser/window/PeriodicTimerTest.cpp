#include "browser/BrowserFixture.h"
#include "ietools/Test_URL.h"

#include "support/WaitUntil.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

namespace {

using PeriodicTimer = BrowserFixture;

const QString kQuestionStart = QStringLiteral("Confermi cancellazione di tutte le finestre IE:  \r\r");

TEST_F(PeriodicTimer, IdleTickShowsThePathFormEverywhereAndStops)
{
    browser().url = QStringLiteral("file:///C:/HOME-PAG/INIZIO.HTM");
    w->timTimer->start();
    w->timTimer_Timer();
    EXPECT_FALSE(w->timTimer->isActive());
    EXPECT_EQ(g().PERCORSO_PAGINA, QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM"));
    EXPECT_EQ(w->Caption(), QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM"));
    EXPECT_EQ(w->Tag, QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM"));
    EXPECT_EQ(w->AddressText(), QStringLiteral("file:///C:/HOME-PAG/INIZIO.HTM"));
    EXPECT_EQ(t.ui.doEvents, 1);
    EXPECT_EQ(t.processes.snapshots, 0);
}

TEST_F(PeriodicTimer, IdleTickOnAWebAddressKeepsTheAddressInTheBox)
{
    browser().url = QStringLiteral("http://www.tin.it/");
    w->timTimer_Timer();
    EXPECT_EQ(w->Tag, QStringLiteral("http:\\\\www.tin.it\\"));
    EXPECT_EQ(w->AddressText(), QStringLiteral("http://www.tin.it/"));
}

TEST_F(PeriodicTimer, IdleTickKeepsASelectionAndLeavesWhatTheUserIsTyping)
{
    browser().url = QStringLiteral("http://www.tin.it/");
    QApplication::setActiveWindow(w);
    w->cboAddress->setFocus();
    w->SetAddressText(QStringLiteral("file:///C:/HOME-PAG/INIZIO.HTM"));
    w->cboAddress->lineEdit()->selectAll(); // as the keys for the address box leave it
    w->timTimer_Timer();
    EXPECT_EQ(w->cboAddress->lineEdit()->selectedText(), QStringLiteral("http://www.tin.it/"));

    QTest::keyClicks(w->cboAddress, QStringLiteral("www.virgilio.it"));
    w->timTimer_Timer();
    EXPECT_EQ(w->AddressText(), QStringLiteral("www.virgilio.it"));
    QTest::keyClick(w->cboAddress, Qt::Key_Return); // opened: the next address shown is the page's
    w->timTimer_Timer();
    EXPECT_EQ(w->AddressText(), QStringLiteral("http://www.tin.it/"));
}

TEST_F(PeriodicTimer, BusyWithoutIeShowsWorkingAndAsksNothing)
{
    AskQuestions();
    AddProcess(0x10, QStringLiteral("/usr/bin/notepad.exe"));
    browser().busy = true;
    w->timTimer->start();
    w->timTimer_Timer();
    EXPECT_EQ(w->Caption(), QStringLiteral("Working..."));
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_TRUE(t.processes.terminated.empty());
    EXPECT_TRUE(w->timTimer->isActive());
    EXPECT_NE(t.program->loaded<Test_URL>(), nullptr);
    EXPECT_FALSE(t.program->loaded<Test_URL>()->isVisible()); // loaded for its list, not shown
}

TEST_F(PeriodicTimer, QuestionsOffEndsEveryIeProcessWithoutAsking)
{
    AddProcess(0x1A4);
    AddProcess(0x1B0, QStringLiteral("notepad.exe"));
    AddProcess(0x2C0, QStringLiteral("myiexplore.exe"));
    browser().busy = true;
    w->timTimer_Timer();
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(t.processes.terminated, (std::vector<std::uint32_t>{0x2C0, 0x1A4})); // row order
    EXPECT_EQ(t.ui.pauses, 1);
    EXPECT_EQ(t.program->form<Test_URL>().List1->count(), 0); // listed again after the pause
    EXPECT_TRUE(w->timTimer->isActive());
}

TEST_F(PeriodicTimer, AnsweringNoEndsNothingAndTheQuestionComesBack)
{
    AskQuestions();
    AddProcess(0x1A4);
    AddProcess(0x1A5);
    browser().busy = true;
    w->timTimer->start();
    t.ui.answers = {MsgAnswer::No, MsgAnswer::No};
    w->timTimer_Timer();
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].text, kQuestionStart + QStringLiteral("IEXPLORE.EXE 1A5"));
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("Gestione finestre IE"));
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_TRUE(t.processes.terminated.empty());
    EXPECT_TRUE(w->timTimer->isActive());
    w->timTimer_Timer();
    EXPECT_EQ(t.ui.boxes.size(), 2u);
    EXPECT_TRUE(t.processes.terminated.empty());
}

TEST_F(PeriodicTimer, AnsweringYesEndsThemWithTheTimerOffMeanwhile)
{
    AskQuestions();
    AddProcess(0x1A4);
    browser().busy = true;
    bool timerOnWhileEnding = true;
    t.ui.onDoEvents = [&] { timerOnWhileEnding = w->timTimer->isActive(); };
    w->timTimer_Timer();
    EXPECT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.processes.terminated, (std::vector<std::uint32_t>{0x1A4}));
    EXPECT_FALSE(timerOnWhileEnding);
    EXPECT_TRUE(w->timTimer->isActive());
}

TEST_F(PeriodicTimer, ATickNestedInTheEndingLoopEndsNothingTwice)
{
    t.processes.lingering = true;
    AddProcess(0x1A4);
    AddProcess(0x1A5);
    browser().busy = true;
    bool nestedRan = false;
    t.ui.onDoEvents = [&] {
        if (!nestedRan && !t.processes.terminated.empty()) {
            nestedRan = true;
            w->timTimer_Timer(); // as a page event running a tick directly
        }
    };
    w->timTimer_Timer();
    ASSERT_TRUE(nestedRan);
    std::vector<std::uint32_t> ended = t.processes.terminated;
    std::sort(ended.begin(), ended.end());
    EXPECT_EQ(ended, (std::vector<std::uint32_t>{0x1A4, 0x1A5}));
    t.ui.onDoEvents = nullptr;
    t.processes.terminated.clear();
    w->timTimer_Timer(); // a later pass ends what is still listed
    EXPECT_EQ(t.processes.terminated.size(), 2u);
}

TEST_F(PeriodicTimer, ATickDuringTheQuestionDoesNotAskAgain)
{
    AskQuestions();
    AddProcess(0x1A4);
    browser().busy = true;
    t.ui.onMsgBox = [&](const FakeUi::Box&) {
        if (t.ui.boxes.size() == 1)
            w->timTimer_Timer();
    };
    w->timTimer_Timer();
    EXPECT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.processes.terminated, (std::vector<std::uint32_t>{0x1A4}));
}

TEST_F(PeriodicTimer, TheRunningTimerTicksEverySecondUntilTheControlIsIdle)
{
    browser().url = QStringLiteral("file:///D:/HOME-PAG/A.HTM");
    browser().busy = true;
    w->SetTimerEnabled(true);
    EXPECT_TRUE(WaitUntil([this] { return w->Caption() == QLatin1String("Working..."); }));
    EXPECT_TRUE(w->timTimer->isActive());
    browser().busy = false;
    EXPECT_TRUE(WaitUntil([this] { return !w->timTimer->isActive(); }));
    EXPECT_EQ(w->Tag, QStringLiteral("D:\\HOME-PAG\\A.HTM"));
}

} // namespace
