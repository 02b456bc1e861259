// The browser window over the real engine, offscreen, on local pages that open pop-up windows.
#include "browser/window/frmBrowser.h"
#include "fakes/TestProgram.h"
#include "platform/engine/impl/WebEngineBrowser.h"
#include "support/WaitUntil.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEngineView>

#include <gtest/gtest.h>

namespace {

const QString kPopUpPage = QStringLiteral("C:\\HOME-PAG\\POPUP.HTM");

class RealBrowserWindow : public ::testing::Test {
protected:
    RealBrowserWindow()
    {
        t.WriteHostFile(QStringLiteral("C/HOME-PAG/POPUP.HTM"),
                        "<html><head><title>Pop</title></head>"
                        "<body onload=\"window.open('SECOND.HTM')\">Apre una finestra</body></html>");
        t.WriteHostFile(QStringLiteral("C/HOME-PAG/SECOND.HTM"), "<html><body>Seconda</body></html>");
        t.program = std::make_unique<Program>(
            ProgramServices{t.ui, *t.fs, t.processes, t.system, [this](QWidget* parent) {
                                auto control = std::make_unique<WebEngineBrowser>(*t.fs, parent);
                                engine = control.get();
                                return control;
                            }});
        t.program->SetBrowserWindow([this]() -> BrowserWindow& { return t.program->form<frmBrowser>(); });
        t.program->g.INDIRIZZO_INIZIALE = kPopUpPage;
    }

    // Opens the window on the pop-up page and waits until the timer has seen the load end.
    frmBrowser& OpenWindow()
    {
        frmBrowser& window = t.program->form<frmBrowser>();
        EXPECT_TRUE(WaitUntil([&] { return !window.timTimer->isActive() && !window.Tag.isEmpty(); }));
        return window;
    }

    // Opens the page again from the address box, as the user would, and waits until the page
    // has loaded and the window it opens has been answered.
    void Reopen(frmBrowser& window)
    {
        QSignalSpy windowAsked(qobject_cast<QWebEngineView*>(engine->widget())->page(),
                               &QWebEnginePage::newWindowRequested);
        window.SetAddressText(kPopUpPage);
        window.cboAddress_Click();
        EXPECT_TRUE(WaitUntil([&] { return !window.timTimer->isActive() && !windowAsked.isEmpty(); }));
    }

    TestProgram t;
    WebEngineBrowser* engine = nullptr;
};

TEST_F(RealBrowserWindow, TheTimerEndsOnThePagePathAndStops)
{
    frmBrowser& window = OpenWindow();
    EXPECT_EQ(window.Tag, kPopUpPage);
    EXPECT_EQ(t.program->g.PERCORSO_PAGINA, kPopUpPage);
    EXPECT_EQ(window.AddressText(), QStringLiteral("file:///C:/HOME-PAG/POPUP.HTM"));
    EXPECT_FALSE(window.timTimer->isActive());
}

TEST_F(RealBrowserWindow, TickedSwitchesBlockThePopUp)
{
    Reopen(OpenWindow());
    EXPECT_EQ(engine->OpenPopupCount(), 0);
    EXPECT_TRUE(t.ui.boxes.empty());
}

TEST_F(RealBrowserWindow, UntickedPopUpSwitchLetsItOpen)
{
    frmBrowser& window = OpenWindow();
    window.Check2->setChecked(false);
    window.Check2_Click();
    QSignalSpy windowAsked(qobject_cast<QWebEngineView*>(engine->widget())->page(),
                           &QWebEnginePage::newWindowRequested);
    window.SetAddressText(kPopUpPage);
    window.cboAddress_Click();
    EXPECT_TRUE(windowAsked.wait(kWaitTimeoutMs) && engine->OpenPopupCount() == 1);
}

TEST_F(RealBrowserWindow, QuestionsOnAndCancelTwiceBlockIt)
{
    frmBrowser& window = OpenWindow();
    window.Check1->setChecked(false);
    window.Check2->setChecked(false);
    window.Check2_Click();
    t.ui.onMsgBox = [this](const FakeUi::Box& box) {
        if (box.title == QLatin1String("Apre in una nuova finestra"))
            t.ui.answers.push_front(MsgAnswer::Cancel);
    };
    Reopen(window);
    EXPECT_EQ(engine->OpenPopupCount(), 0);
    QStringList asked;
    for (const auto& box : t.ui.boxes)
        if (box.title == QLatin1String("Apre in una nuova finestra"))
            asked << box.text.section(QLatin1Char(':'), 0, 0);
    EXPECT_EQ(asked, (QStringList{QStringLiteral("Cerca di aprire nuovo sito"),
                                  QStringLiteral("Apro su stessa pagina il sito")}));
    EXPECT_TRUE(t.system.started.isEmpty()); // the page button's action did not run
}

} // namespace
