#include "browser/BrowserFixture.h"
#include "browser/page/BlockedWindowsBar.h"
#include "browser/page/FindBar.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

namespace {

using BrowserEvents = BrowserFixture;

TEST_F(BrowserEvents, BeforeNavigateWithQuestionsOffTakesTheTarget)
{
    w->SetAddressText(QStringLiteral("old"));
    EXPECT_FALSE(browser().FireBeforeNavigate2(QStringLiteral("http://a.it/"), true));
    EXPECT_EQ(w->AddressText(), QStringLiteral("http://a.it/"));
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST_F(BrowserEvents, BeforeNavigateAsksAndCancelStopsIt)
{
    AskQuestions();
    w->SetAddressText(QStringLiteral("old"));
    t.ui.answers = {MsgAnswer::Cancel, MsgAnswer::Ok};
    EXPECT_TRUE(browser().FireBeforeNavigate2(QStringLiteral("http://a.it/")));
    EXPECT_EQ(w->AddressText(), QStringLiteral("old"));
    EXPECT_FALSE(browser().FireBeforeNavigate2(QStringLiteral("http://b.it/"), true));
    EXPECT_EQ(w->AddressText(), QStringLiteral("http://b.it/"));
    ASSERT_EQ(t.ui.boxes.size(), 2u);
    EXPECT_EQ(t.ui.boxes[0].text, QStringLiteral("Cerca di aprire nuovo sito: http://a.it/"));
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("Apre nella stessa finestra"));
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::OkCancel);
}

TEST_F(BrowserEvents, NewWindowWithQuestionsOffFollowsThePopUpSwitch)
{
    g().POPUP_PERMESSI = 0;
    EXPECT_TRUE(browser().FireNewWindow2(false));
    g().POPUP_PERMESSI = -1;
    EXPECT_FALSE(browser().FireNewWindow2(true));
    EXPECT_EQ(t.ui.doEvents, 1);
    g().POPUP_PERMESSI = 5;
    EXPECT_TRUE(browser().FireNewWindow2(true));
    EXPECT_FALSE(browser().FireNewWindow2(false));
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_TRUE(t.system.started.isEmpty());
}

TEST_F(BrowserEvents, NewWindowQuestionsAboutTheAskingPage)
{
    AskQuestions();
    browser().url = QStringLiteral("http://pop.example/");
    const QString first = QStringLiteral("Cerca di aprire nuovo sito: http://pop.example/");
    const QString second = QStringLiteral("Apro su stessa pagina il sito: http://pop.example/");
    const struct {
        std::deque<int> answers;
        QStringList texts;
        bool cancelled;
        int copiesStarted;
    } cases[] = {
        {{MsgAnswer::Ok}, {first}, false, 1},
        {{MsgAnswer::Cancel, MsgAnswer::Ok}, {first, second}, false, 1},
        {{MsgAnswer::Cancel, MsgAnswer::Cancel}, {first, second}, true, 0},
    };
    for (const auto& c : cases) {
        t.ui.boxes.clear();
        t.system.started.clear();
        w->SetAddressText(QStringLiteral("typed"));
        t.ui.answers = c.answers;
        EXPECT_EQ(browser().FireNewWindow2(false), c.cancelled);
        EXPECT_EQ(t.ui.texts(), c.texts);
        EXPECT_EQ(t.ui.boxes.back().title, QStringLiteral("Apre in una nuova finestra"));
        EXPECT_EQ(t.system.started.size(), c.copiesStarted);
        // The page button's action puts the page's address into the box; blocked, it does not run.
        EXPECT_EQ(w->AddressText(), c.cancelled ? QStringLiteral("typed") : browser().url);
    }
}

// A page asking for window after window: one question at a time, and from its second request
// on the offer to stop them; stopped, its requests are blocked without a word.
TEST_F(BrowserEvents, APageAskingForWindowAfterWindowIsStoppedWhenTheUserSaysSo)
{
    AskQuestions();
    browser().url = QStringLiteral("http://pop.example/");
    bool blockedMeanwhile = true;
    t.ui.onMsgBox = [&](const FakeUi::Box&) { blockedMeanwhile = blockedMeanwhile && browser().FireNewWindow2(false); };
    t.ui.answers = {MsgAnswer::Cancel, MsgAnswer::Cancel};
    EXPECT_TRUE(browser().FireNewWindow2(false));
    EXPECT_TRUE(blockedMeanwhile && t.ui.boxes.size() == 2)
        << "a request while a question is shown is blocked without one";
    t.ui.onMsgBox = nullptr;

    t.ui.answers = {MsgAnswer::Cancel};
    t.ui.ticks = {true};
    EXPECT_TRUE(browser().FireNewWindow2(false)); // ticked: no second question
    EXPECT_TRUE(browser().FireNewWindow2(false));
    ASSERT_EQ(t.ui.boxes.size(), 3u);
    EXPECT_EQ(t.ui.boxes[0].check, QString());
    EXPECT_EQ(t.ui.boxes[2].text, QStringLiteral("Cerca di aprire nuovo sito: http://pop.example/"));
    EXPECT_EQ(t.ui.boxes[2].check, QStringLiteral("Impedisci a questa pagina di aprire altre finestre di dialogo"));
    EXPECT_TRUE(t.system.started.isEmpty());
}

TEST_F(BrowserEvents, CompletedNavigationAndDownloadRunATick)
{
    browser().url = QStringLiteral("file:///C:/HOME-PAG/A.HTM");
    browser().name = QStringLiteral("Pagina A");
    w->timTimer->start();
    w->NavigateComplete2();
    EXPECT_EQ(w->Tag, QStringLiteral("C:\\HOME-PAG\\A.HTM"));
    EXPECT_FALSE(w->timTimer->isActive());
    browser().busy = true;
    w->DownloadComplete();
    EXPECT_EQ(w->Caption(), QStringLiteral("Working..."));
}

TEST_F(BrowserEvents, DownloadBeginLetsEventsRunThenNamesThePage)
{
    browser().name = QStringLiteral("Pagina A");
    QString captionDuringEvents;
    t.ui.onDoEvents = [&] { captionDuringEvents = w->Caption(); };
    w->SetCaption(QStringLiteral("before"));
    w->DownloadBegin();
    EXPECT_EQ(captionDuringEvents, QStringLiteral("before"));
    EXPECT_EQ(w->Caption(), QStringLiteral("Starting Download Pagina A"));
}

TEST_F(BrowserEvents, DocumentCompleteAddsTheTrimmedAddressOnce)
{
    const int start = w->cboAddress->count();
    w->AppendToAddressList(QStringLiteral("  http://www.tin.it/ "));
    w->SetAddressText(QStringLiteral("http://www.tin.it/"));
    w->DocumentComplete(QStringLiteral("http://www.tin.it/frame"));
    EXPECT_EQ(w->Caption(), QStringLiteral("http://www.tin.it/frame"));
    EXPECT_EQ(w->cboAddress->count(), start + 1);

    w->SetAddressText(QStringLiteral("   "));
    w->DocumentComplete(QStringLiteral("x"));
    EXPECT_EQ(w->cboAddress->count(), start + 1);

    w->SetAddressText(QStringLiteral("  http://www.libero.it/  "));
    w->DocumentComplete(QStringLiteral("x"));
    ASSERT_EQ(w->cboAddress->count(), start + 2);
    EXPECT_EQ(w->cboAddress->itemText(start + 1), QStringLiteral("http://www.libero.it/"));
    EXPECT_EQ(w->AddressText(), QStringLiteral("  http://www.libero.it/  ")); // the text being edited stays
}

TEST_F(BrowserEvents, DocumentCompleteWhileTheUserTypesAddsThePageNotTheTyping)
{
    QApplication::setActiveWindow(w);
    w->cboAddress->setFocus();
    w->cboAddress->lineEdit()->selectAll();
    QTest::keyClicks(w->cboAddress, QStringLiteral("http://www.vir"));
    w->DocumentComplete(QStringLiteral("http://www.tin.it/"));
    EXPECT_TRUE(w->cboAddress->Lists(QStringLiteral("http://www.tin.it/")));
    EXPECT_FALSE(w->cboAddress->Lists(QStringLiteral("http://www.vir")));
    EXPECT_EQ(w->AddressText(), QStringLiteral("http://www.vir"));
}

TEST_F(BrowserEvents, ProgressShowsCountsAndTheLetterBar)
{
    const struct {
        std::int32_t progress, max;
        const char* bar;
    } cases[] = {{50, 100, "IIIIIIIIIIIIIIIIIIIIIIIIIIIIII"}, {1, 120, ""}, {1, 40, "II"}, {3, 40, "IIII"}, {7, 0, ""}};
    for (const auto& c : cases) {
        w->StatusBar1->Panels[1]->setText(QStringLiteral("unchanged"));
        g().SITI_VISITATI = 0;
        w->ProgressChange(c.progress, c.max);
        EXPECT_EQ(Panel(0), QStringLiteral("Reading %1 of %2").arg(c.progress).arg(c.max));
        EXPECT_EQ(Panel(1), QString::fromUtf8(c.bar)) << c.progress << "/" << c.max;
        EXPECT_EQ(g().SITI_VISITATI, 1);
    }
}

TEST_F(BrowserEvents, ProgressOfZeroOrLessLeavesBarAndFlag)
{
    for (const std::int32_t progress : {0, -1}) {
        w->StatusBar1->Panels[1]->setText(QStringLiteral("III"));
        w->ProgressChange(progress, 40);
        EXPECT_EQ(Panel(0), QStringLiteral("Reading %1 of 40").arg(progress));
        EXPECT_EQ(Panel(1), QStringLiteral("III"));
        EXPECT_EQ(g().SITI_VISITATI, 0);
    }
    w->PercentBar(-1, 40); // a negative count leaves the bar too
    EXPECT_EQ(Panel(1), QStringLiteral("III"));
}

TEST_F(BrowserEvents, StatusTextGoesToTheFirstPanelAtOnceAndIsPaintedSoon)
{
    w->StatusTextChange(QStringLiteral("Connessione a www.tin.it..."));
    w->ProgressChange(20, 40);
    EXPECT_EQ(Panel(0), QStringLiteral("Reading 20 of 40"));
    // The repaints held together come back: the bar never stays unpainted.
    EXPECT_TRUE(QTest::qWaitFor([this] { return w->StatusBar1->updatesEnabled(); }));
    w->StatusTextChange(QStringLiteral("Connessione a www.tin.it..."));
    EXPECT_EQ(Panel(0), QStringLiteral("Connessione a www.tin.it..."));
}

TEST_F(BrowserEvents, FileDownloadToldOnlyWithQuestionsOnAndAPageName)
{
    browser().url = QStringLiteral("http://a.it/f.zip");
    browser().name = QStringLiteral("f.zip");
    EXPECT_TRUE(browser().FireFileDownload(true));
    EXPECT_TRUE(t.ui.boxes.empty());
    AskQuestions();
    browser().name = QStringLiteral("   ");
    EXPECT_FALSE(browser().FireFileDownload(false));
    EXPECT_TRUE(t.ui.boxes.empty());
    browser().name = QStringLiteral("f.zip");
    EXPECT_TRUE(browser().FireFileDownload(true));
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].text, QStringLiteral("FileDownload: f.zip http://a.it/f.zip"));
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("Vindrel"));
}

TEST_F(BrowserEvents, APopUpWindowAsksAndFollowsTheSwitchButLeavesTheWindowAlone)
{
    FakeWebBrowser popup;
    popup.url = QStringLiteral("http://pop.example/");
    popup.name = QStringLiteral("f.zip");
    const auto events = w->NewWindowEvents(popup);
    popup.setEvents(events.get());
    w->SetAddressText(QStringLiteral("typed"));
    w->SetCaption(QStringLiteral("caption"));
    w->StatusBar1->Panels[1]->setText(QStringLiteral("III"));

    // Questions off: the switch holds for its windows too.
    g().POPUP_PERMESSI = 0;
    EXPECT_TRUE(popup.FireNewWindow2(false));
    EXPECT_FALSE(popup.FireBeforeNavigate2(QStringLiteral("http://pop.example/b"), true));
    events->DocumentComplete(QStringLiteral("http://pop.example/b"));
    events->ProgressChange(50, 100);

    // Questions on: the same questions, about the pop-up's page; the page button stays out of it.
    AskQuestions();
    t.ui.answers = {MsgAnswer::Cancel, MsgAnswer::Ok};
    EXPECT_TRUE(popup.FireBeforeNavigate2(QStringLiteral("http://pop.example/c")));
    EXPECT_FALSE(popup.FireNewWindow2(false));
    popup.FireFileDownload();
    EXPECT_EQ(t.ui.texts(), (QStringList{QStringLiteral("Cerca di aprire nuovo sito: http://pop.example/c"),
                                         QStringLiteral("Cerca di aprire nuovo sito: http://pop.example/"),
                                         QStringLiteral("FileDownload: f.zip http://pop.example/")}));
    EXPECT_TRUE(t.system.started.isEmpty());
    EXPECT_EQ(w->AddressText(), QStringLiteral("typed"));
    EXPECT_EQ(w->Caption(), QStringLiteral("caption"));
    EXPECT_EQ(Panel(1), QStringLiteral("III"));
}

TEST_F(BrowserEvents, WindowsTheSwitchBlocksAreNotedOverThePageUntilItsNextLoad)
{
    w->Show();
    const QRect page = browser().widget()->geometry();
    g().POPUP_PERMESSI = 0;
    browser().FireNewWindow2(false, QStringLiteral("http://a.it/uno"));
    auto* bar = w->findChild<BlockedWindowsBar*>();
    ASSERT_TRUE(bar && bar->isVisible());
    EXPECT_EQ(bar->lblNotice->text(), QStringLiteral("Vindrel ha bloccato una finestra di questo sito"));
    browser().FireNewWindow2(false, QStringLiteral("http://a.it/due"));
    browser().FireNewWindow2(false, QStringLiteral("http://a.it/tre"));
    EXPECT_EQ(bar->lblNotice->text(), QStringLiteral("Vindrel ha bloccato 3 finestre di questo sito"));
    // Over the page's top edge; the page keeps its place.
    EXPECT_EQ(bar->geometry().topLeft(), page.topLeft());
    EXPECT_EQ(bar->width(), page.width());
    EXPECT_EQ(browser().widget()->geometry(), page);

    bar->cmdOpen->click(); // the last one asked for
    EXPECT_EQ(browser().calls, QStringList{QStringLiteral("OpenNewWindow http://a.it/tre")});
    EXPECT_FALSE(bar->isVisible());
    browser().FireNewWindow2(false, QStringLiteral("http://a.it/uno"));
    EXPECT_EQ(bar->lblNotice->text(), QStringLiteral("Vindrel ha bloccato una finestra di questo sito"));
    w->DownloadBegin();
    EXPECT_FALSE(bar->isVisible());

    // A window the user refused, or one let through, is no news.
    AskQuestions();
    t.ui.answers = {MsgAnswer::Cancel, MsgAnswer::Cancel};
    EXPECT_TRUE(browser().FireNewWindow2(false, QStringLiteral("http://a.it/uno")));
    w->Check1->setChecked(true);
    g().POPUP_PERMESSI = -1;
    EXPECT_FALSE(browser().FireNewWindow2(false, QStringLiteral("http://a.it/uno")));
    EXPECT_FALSE(bar->isVisible());
}

TEST_F(BrowserEvents, APopUpWindowHasTheKeysOfTheWindowAndBarsOfItsOwn)
{
    QWidget window;
    FakeWebBrowser popup(&window);
    const auto events = w->NewWindowEvents(popup);
    popup.setEvents(events.get());
    window.show();
    const auto press = [&](int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        return events->UnusedKey(QKeyEvent(QEvent::KeyPress, key, modifiers));
    };
    for (const auto& [key, modifiers] : {std::pair{Qt::Key_F5, Qt::NoModifier},
                                         {Qt::Key_Escape, Qt::NoModifier},
                                         {Qt::Key_Left, Qt::AltModifier},
                                         {Qt::Key_Right, Qt::AltModifier},
                                         {Qt::Key_P, Qt::ControlModifier}})
        EXPECT_TRUE(press(key, modifiers));
    EXPECT_EQ(popup.calls, (QStringList{"Refresh", "Stop", "GoBack", "GoForward", "Print"}));
    EXPECT_TRUE(press(Qt::Key_Plus, Qt::ControlModifier));
    EXPECT_EQ(popup.zoom, 110);
    EXPECT_EQ(browser().zoom, 100);
    // No address box, no first page of its own; other keys are the page's.
    EXPECT_FALSE(press(Qt::Key_D, Qt::AltModifier));
    EXPECT_FALSE(press(Qt::Key_Home, Qt::AltModifier));
    EXPECT_FALSE(press(Qt::Key_A));

    EXPECT_TRUE(press(Qt::Key_F, Qt::ControlModifier));
    auto* find = window.findChild<FindBar*>();
    ASSERT_TRUE(find && find->isVisible());
    EXPECT_EQ(find->geometry().bottomRight(), popup.widget()->geometry().bottomRight());
    g().POPUP_PERMESSI = 0;
    popup.FireNewWindow2(false, QStringLiteral("http://a.it/uno"));
    auto* notice = window.findChild<BlockedWindowsBar*>();
    ASSERT_TRUE(notice && notice->isVisible());
    EXPECT_EQ(w->findChild<BlockedWindowsBar*>(), nullptr);
    events->DownloadBegin();
    EXPECT_FALSE(notice->isVisible());
}

TEST_F(BrowserEvents, AStoppedRendererOffersToReloadThePage)
{
    browser().url = QStringLiteral("file:///C:/HOME-PAG/A.HTM");
    t.ui.answers = {MsgAnswer::No, MsgAnswer::Yes};
    w->RenderProcessTerminated(false);
    EXPECT_FALSE(browser().calls.contains(QStringLiteral("Refresh")));
    w->RenderProcessTerminated(false);
    EXPECT_TRUE(browser().calls.contains(QStringLiteral("Refresh")));
    ASSERT_EQ(t.ui.boxes.size(), 2u);
    EXPECT_EQ(t.ui.boxes[0].text,
              QStringLiteral("La visualizzazione della pagina file:///C:/HOME-PAG/A.HTM si e' interrotta !!!"
                             "\r\rRicarico la pagina ?"));
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(t.ui.boxes[0].icon, MsgIcon::Exclamation);
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("Errore di visualizzazione"));

    // Ended again soon after that answer: told once, not offered again.
    browser().calls.clear();
    w->RenderProcessTerminated(true);
    EXPECT_TRUE(browser().calls.isEmpty());
    EXPECT_EQ(t.ui.texts().constLast(),
              QStringLiteral("La visualizzazione della pagina file:///C:/HOME-PAG/A.HTM si e' "
                             "interrotta di nuovo !!!\r\rLa pagina non viene ricaricata."));
    EXPECT_EQ(t.ui.boxes.back().buttons, MsgButtons::Ok);
}

} // namespace
