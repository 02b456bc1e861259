// The window's parts built alone, on the program's fakes and a stand-in window: what they decide
// follows from the "questions off" they are handed.
#include "browser/window/IeSweep.h"
#include "browser/window/PageQuestions.h"
#include "fakes/TestProgram.h"

#include <gtest/gtest.h>

namespace {

class PartsAlone : public ::testing::Test {
protected:
    TestProgram t;
    FakeBrowserWindow& window = t.UseFakeBrowserWindow();
    bool questionsOff = true;
    int pageButtonRuns = 0;
    PageQuestions questions{*t.program, window, [this] { return questionsOff; }, [this] { ++pageButtonRuns; }};
    IeSweep sweep{*t.program, window, [this] { return questionsOff; }};
};

TEST_F(PartsAlone, WithQuestionsOffThePopupSwitchAloneAnswersANewWindow)
{
    struct Case {
        int popupSwitch;
        bool cancel;
        bool blocks;
    };
    for (const Case& c : {Case{0, true, true}, Case{-1, false, false}}) {
        t.program->g.POPUP_PERMESSI = c.popupSwitch;
        bool cancel = !c.cancel;
        questions.AnswerNewWindow(window.browser, cancel);
        EXPECT_EQ(cancel, c.cancel) << c.popupSwitch;
        EXPECT_EQ(questions.PopupSwitchBlocks(), c.blocks) << c.popupSwitch;
    }
    EXPECT_TRUE(questions.NavigationAllowed(QStringLiteral("http://a.it/")));
    questions.AnnounceDownload(window.browser);
    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(pageButtonRuns, 0);
}

TEST_F(PartsAlone, WithQuestionsOnTheUserAnswersAndOnlyTheWindowsOwnPagePressesThePageButton)
{
    questionsOff = false;
    t.program->g.POPUP_PERMESSI = 0;
    EXPECT_FALSE(questions.PopupSwitchBlocks());
    t.ui.answers = {MsgAnswer::Cancel};
    EXPECT_FALSE(questions.NavigationAllowed(QStringLiteral("http://a.it/")));

    FakeWebBrowser other;
    for (WebBrowser* asking : {static_cast<WebBrowser*>(&other), static_cast<WebBrowser*>(&window.browser)}) {
        bool cancel = false;
        questions.AnswerNewWindow(*asking, cancel);
        EXPECT_FALSE(cancel); // OK: the window opens
    }
    EXPECT_EQ(pageButtonRuns, 1);
    EXPECT_EQ(t.ui.boxes.size(), 3u);
}

TEST_F(PartsAlone, TheSweepAsksOnlyWithQuestionsOnAndRestsTheTimerWhileEnding)
{
    for (const bool off : {false, true}) {
        questionsOff = off;
        t.processes.table = {{0x1A4, QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe")}};
        t.ui.boxes.clear();
        t.ui.answers = {MsgAnswer::No};
        window.timerEnabled = false;
        sweep.Run();
        EXPECT_EQ(t.ui.boxes.size(), off ? 0u : 1u) << off;
        EXPECT_EQ(t.processes.terminated.size(), off ? 1u : 0u) << off;
        EXPECT_EQ(window.timerEnabled, off) << off; // on again after ending, untouched after a No
    }
}

} // namespace
