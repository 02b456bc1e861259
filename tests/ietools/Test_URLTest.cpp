#include "IeTestSupport.h"
#include "app/Twips.h"
#include "ietools/ProcessTools.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

using Pids = std::vector<std::uint32_t>;

QPushButton* Button(Test_URL& window, const char* name) { return window.findChild<QPushButton*>(QLatin1String(name)); }

TEST(Test_URLWindow, ControlsAtTheirPlacesWithTheirCaptions)
{
    TestProgram t;
    Test_URL& window = t.program->form<Test_URL>();
    EXPECT_EQ(window.Caption(), QStringLiteral("Elenco finestre Internet Explorer attive"));
    EXPECT_EQ(window.ScaleWidth(), 6285 / 15 * 15);
    EXPECT_EQ(window.ScaleHeight(), 3510);
    EXPECT_EQ(TwipsGeometry(window.List1), QRect(90, 90, 6090, 2790));

    struct Expected {
        const char* name;
        const char* caption;
        QRect twips;
    };
    const Expected buttons[] = {
        {"Command2", "Info ?", {75, 3030, 795, 375}},
        {"Command4", "Cancella tutte le finestre IE", {990, 3015, 2265, 390}},
        {"Command1", "Aggiorna elenco", {3405, 3015, 1410, 390}},
        {"Command3", "F I N E", {5040, 3015, 1110, 375}},
    };
    for (const auto& b : buttons) {
        QPushButton* button = Button(window, b.name);
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), QLatin1String(b.caption));
        // Twips are rounded down to whole pixels.
        const QRect pixels(b.twips.x() / 15, b.twips.y() / 15, b.twips.width() / 15, b.twips.height() / 15);
        EXPECT_EQ(button->geometry(), pixels) << b.name;
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()) + 8, button->width()) << b.name;
    }
}

TEST(Test_URLWindow, LoadListsInfoAnswersFineHidesAndKeepsTheEntries)
{
    TestProgram t;
    t.processes.table = {Ie(0x1A4)};
    Test_URL& window = t.program->form<Test_URL>();
    EXPECT_EQ(Rows(window), QStringList{IeRow(0x1A4)});
    const int snapshots = t.processes.snapshots;

    Button(window, "Command2")->click();
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].text, QStringLiteral("Tessivo"));
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(t.ui.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(t.ui.boxes[0].title, kProgramTitle);

    window.Show();
    t.processes.table.clear();
    Button(window, "Command3")->click();
    EXPECT_FALSE(window.isVisible());
    window.Show();
    EXPECT_EQ(&t.program->form<Test_URL>(), &window);
    EXPECT_EQ(Rows(window), QStringList{IeRow(0x1A4)});
    EXPECT_EQ(t.processes.snapshots, snapshots);

    Button(window, "Command1")->click();
    EXPECT_TRUE(Rows(window).isEmpty());
}

TEST(Test_URLWindow, ClickOnAnEntryAsksAndEndsThatRowsProcess)
{
    TestProgram t;
    t.processes.table = {Ie(1), Ie(2), Ie(3)};
    Test_URL& window = t.program->form<Test_URL>();
    window.List1->setCurrentRow(1);
    t.ui.pauses = 0;

    window.List1_Click();

    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].text, QStringLiteral("Spengo la finestra IE:  \r\r") + IeRow(2));
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(t.ui.boxes[0].icon, MsgIcon::None);
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("Gestione finestre IE"));
    EXPECT_EQ(t.processes.terminated, Pids{2});
    EXPECT_EQ(t.ui.pauses, 1);
    EXPECT_EQ(Rows(window), QStringList({IeRow(3), IeRow(1)}));
}

TEST(Test_URLWindow, AnsweringNoEndsNothingButStillRefreshes)
{
    TestProgram t;
    t.processes.table = {Ie(1), Ie(2)};
    Test_URL& window = t.program->form<Test_URL>();
    window.List1->setCurrentRow(0);
    t.ui.answers = {MsgAnswer::No};
    t.ui.onMsgBox = [&t](const FakeUi::Box&) { t.processes.table.push_back(Ie(9)); };

    window.List1_Click();

    EXPECT_TRUE(t.processes.terminated.empty());
    EXPECT_EQ(t.ui.pauses, 1);
    EXPECT_EQ(Rows(window), QStringList({IeRow(9), IeRow(2), IeRow(1)}));
}

TEST(Test_URLWindow, AListingDuringTheQuestionLeavesNoRowToEnd)
{
    TestProgram t;
    t.processes.table = {Ie(1), Ie(2)};
    Test_URL& window = t.program->form<Test_URL>();
    window.List1->setCurrentRow(0);
    t.ui.onMsgBox = [&t](const FakeUi::Box&) {
        t.processes.table = {Ie(2), Ie(1)};
        ELENCA_PROCESSI_IE(*t.program);
    };

    window.List1_Click();

    EXPECT_TRUE(t.processes.terminated.empty());
}

TEST(Test_URLWindow, OnlyTheUserRaisesTheListClick)
{
    TestProgram t;
    t.processes.table = {Ie(1), Ie(2)};
    Test_URL& window = t.program->form<Test_URL>();
    window.List1->setCurrentRow(0);
    window.Command1_Click();
    window.List1->setCurrentRow(1);
    ELENCA_PROCESSI_IE(*t.program);
    EXPECT_TRUE(t.ui.boxes.empty());

    t.ui.answers = {MsgAnswer::No};
    window.List1->setCurrentRow(0);
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(window.List1, &down);
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].text, QStringLiteral("Spengo la finestra IE:  \r\r") + IeRow(1));

    t.ui.answers = {MsgAnswer::No};
    emit window.List1->itemClicked(window.List1->item(1));
    EXPECT_EQ(t.ui.boxes.size(), 2u);
}

TEST(Test_URLWindow, EndAllReadsEachSlotAfreshUpToTheCountTakenAtTheStart)
{
    TestProgram t;
    t.processes.table = {Ie(1), Ie(2), Ie(3)};
    Test_URL& window = t.program->form<Test_URL>();
    t.ui.pauses = 0;
    bool relisted = false;
    // After the first ending, process 1 ends by itself, 4, 5 and 6 start and the timer lists again.
    t.ui.onDoEvents = [&] {
        if (relisted || t.processes.terminated.empty())
            return;
        relisted = true;
        t.processes.table = {Ie(2), Ie(4), Ie(5), Ie(6)};
        ELENCA_PROCESSI_IE(*t.program);
    };

    Button(window, "Command4")->click();

    EXPECT_EQ(t.processes.terminated, Pids({3, 5, 4}));
    EXPECT_EQ(t.ui.pauses, 1);
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(Rows(window), QStringList({IeRow(6), IeRow(2)}));
}

TEST(Test_URLWindow, EndAllOnAnEmptyListOnlyPausesAndRefreshes)
{
    TestProgram t;
    Test_URL& window = t.program->form<Test_URL>();
    t.processes.table = {Ie(7)};

    window.Command4_Click();

    EXPECT_TRUE(t.processes.terminated.empty());
    EXPECT_EQ(t.ui.pauses, 1);
    EXPECT_EQ(Rows(window), QStringList{IeRow(7)});
}

TEST(Test_URLWindow, ClosedDuringThePauseIsNotLoadedAgain)
{
    TestProgram t;
    Test_URL& window = t.program->form<Test_URL>();
    t.ui.onPause = [&window] { window.Unload(); };
    const int snapshots = t.processes.snapshots;

    window.Command4_Click();

    EXPECT_EQ(t.program->loaded<Test_URL>(), nullptr);
    EXPECT_EQ(t.processes.snapshots, snapshots);
}

} // namespace
