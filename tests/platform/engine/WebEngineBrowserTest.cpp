// The control over the real engine, offscreen, on local pages only.
#include "platform/VbError.h"
#include "platform/engine/impl/WebEngineBrowser.h"
#include "support/QtPrinters.h"
#include "support/ScriptResult.h"
#include "support/TempDriveC.h"
#include "support/WaitUntil.h"

#include <QBuffer>
#include <QImage>
#include <QKeyEvent>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>
#include <signal.h>

namespace {

// How long the user takes to read a question.
constexpr int kReadingMs = 500;

// Records every event as "Name argument"; answers Cancel as told.
class Recorder : public WebBrowserEvents {
public:
    QStringList log;
    std::function<bool(const QString&)> cancelNavigation = [](const QString&) { return false; };
    bool cancelNewWindow = false;
    NewWindowTarget lastWindowAsked;
    bool cancelDownload = true; // nothing lands in the user's download folder
    std::function<void()> onDocumentComplete;

    void BeforeNavigate2(const QString& url, bool& cancel) override
    {
        log << QStringLiteral("BeforeNavigate2 ") + url;
        cancel = cancelNavigation(url);
    }
    void NewWindow2(const NewWindowTarget& target, bool& cancel) override
    {
        log << QStringLiteral("NewWindow2 ") + target.address;
        lastWindowAsked = target;
        cancel = cancelNewWindow;
    }
    void NavigateComplete2() override { log << QStringLiteral("NavigateComplete2"); }
    void DocumentComplete(const QString& url) override
    {
        log << QStringLiteral("DocumentComplete ") + url;
        if (onDocumentComplete)
            onDocumentComplete();
    }
    void DownloadBegin() override { log << QStringLiteral("DownloadBegin"); }
    void DownloadComplete() override { log << QStringLiteral("DownloadComplete"); }
    void ProgressChange(std::int32_t progress, std::int32_t max) override
    {
        log << QStringLiteral("ProgressChange %1 %2").arg(progress).arg(max);
    }
    void StatusTextChange(const QString& text) override { log << QStringLiteral("StatusTextChange ") + text; }
    void TitleChange(const QString& title) override { log << QStringLiteral("TitleChange ") + title; }
    void FileDownload(bool& cancel) override
    {
        log << QStringLiteral("FileDownload");
        cancel = cancelDownload;
    }
    void RenderProcessTerminated(bool again) override
    {
        log << QStringLiteral("RenderProcessTerminated") + (again ? QStringLiteral(" again") : QString());
    }
    bool UnusedKey(const QKeyEvent& event) override
    {
        log << QStringLiteral("UnusedKey %1").arg(event.key());
        return true;
    }
    // The page's questions, held unanswered unless dropQuestions.
    std::vector<std::shared_ptr<PermissionQuestion>> questions;
    bool dropQuestions = false;
    void PermissionAsked(std::shared_ptr<PermissionQuestion> question) override
    {
        log << QStringLiteral("PermissionAsked");
        if (!dropQuestions)
            questions.push_back(std::move(question));
    }
    void PermissionQuestionsEnded() override { log << QStringLiteral("PermissionQuestionsEnded"); }
    // The events of each window let through, with the window; they live as long as it does.
    std::vector<std::pair<Recorder*, WebBrowser*>> windows;
    std::unique_ptr<WebBrowserEvents> NewWindowEvents(WebBrowser& window) override
    {
        auto events = std::make_unique<Recorder>();
        events->cancelNewWindow = cancelNewWindow;
        windows.emplace_back(events.get(), &window);
        return events;
    }

    // The whole log, for the message of a failed check.
    std::string Text() const { return log.join(QLatin1Char('\n')).toStdString(); }
    bool Saw(const QString& prefix) const
    {
        return std::any_of(log.begin(), log.end(), [&](const QString& e) { return e.startsWith(prefix); });
    }
    // Event names in order, a run of the same event counted once; "ignored" left out.
    QStringList Kinds(const QString& ignored = {}) const
    {
        QStringList kinds;
        for (const QString& e : log) {
            const QString kind = e.section(QLatin1Char(' '), 0, 0);
            if (kind != ignored && (kinds.isEmpty() || kinds.constLast() != kind))
                kinds << kind;
        }
        return kinds;
    }
};

class WebEngineBrowserTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { profile_ = new QWebEngineProfile(); } // off the record
    static void TearDownTestSuite()
    {
        delete profile_;
        profile_ = nullptr;
    }

    void SetUp() override
    {
        window_ = std::make_unique<QWidget>();
        browser_ = std::make_unique<WebEngineBrowser>(drive_.fs, window_.get(), profile_);
        browser_->setEvents(&events_);
        browser_->widget()->resize(640, 480);
        window_->resize(640, 480);
        window_->show();
    }
    void TearDown() override
    {
        browser_.reset();
        window_.reset();
    }

    // A page in "C:\my site\".
    void WritePage(const QString& name, const QByteArray& html)
    {
        drive_.Write(QStringLiteral("my site/") + name, html);
    }
    static QByteArray Titled(const char* title, const char* body = "")
    {
        return QByteArray("<html><head><title>") + title + "</title></head><body>" + body + "</body></html>";
    }

    bool WaitForDocument()
    {
        return WaitUntil([this] { return events_.Saw(QStringLiteral("TitleChange")); });
    }
    void Open(const QString& address)
    {
        events_.log.clear();
        browser_->Navigate(address);
        ASSERT_TRUE(WaitForDocument()) << events_.Text();
        events_.log.clear();
    }
    void RunScript(const QString& script) { PageOf(*browser_)->runJavaScript(script); }
    // The script's value, once the page has given it.
    static QVariant Evaluate(WebBrowser& browser, const QString& script)
    {
        return ScriptResult(*PageOf(browser), script);
    }
    // Waits until the page on display has answered a script sent now: what the page asked of the
    // engine before (a link followed, a window opened) has reached the control by then, and so
    // has what the engine raised about it.
    static void CatchUp(WebBrowser& browser) { EXPECT_TRUE(Evaluate(browser, QStringLiteral("true")).toBool()); }
    static QWebEnginePage* PageOf(WebBrowser& browser)
    {
        return qobject_cast<QWebEngineView*>(browser.widget())->page();
    }
    // A small picture of one colour.
    static QByteArray Png()
    {
        QImage image(4, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        QBuffer png;
        png.open(QIODevice::WriteOnly);
        image.save(&png, "PNG");
        return png.data();
    }

    static inline QWebEngineProfile* profile_ = nullptr;
    TempDriveC drive_;
    std::unique_ptr<QWidget> window_;
    Recorder events_;
    std::unique_ptr<WebEngineBrowser> browser_;
};

TEST_F(WebEngineBrowserTest, LocalPageOpensWithWindowsFormLocationAndEventsInOrder)
{
    WritePage(QStringLiteral("Prova.htm"), Titled("Pagina di prova"));
    const QString location = QStringLiteral("file:///C:/my site/Prova.htm");

    browser_->Navigate(QStringLiteral("c:\\MY SITE\\prova.htm"));
    // Asked before Navigate returns, and only then.
    ASSERT_EQ(events_.log, QStringList{QStringLiteral("BeforeNavigate2 ") + location});
    ASSERT_TRUE(WaitForDocument()) << events_.Text();

    // Status texts come and go while loading; the rest in this order.
    EXPECT_EQ(events_.Kinds(QStringLiteral("StatusTextChange")),
              (QStringList{"BeforeNavigate2", "DownloadBegin", "ProgressChange", "NavigateComplete2",
                           "DownloadComplete", "DocumentComplete", "TitleChange"}))
        << events_.Text();
    EXPECT_EQ(events_.log.at(2), QStringLiteral("StatusTextChange ") + location);
    EXPECT_TRUE(events_.log.contains(QStringLiteral("ProgressChange 100 100")));
    EXPECT_TRUE(events_.log.contains(QStringLiteral("DocumentComplete ") + location));
    EXPECT_EQ(events_.log.constLast(), QStringLiteral("TitleChange Pagina di prova"));
    EXPECT_EQ(browser_->LocationURL(), location);
    EXPECT_EQ(browser_->LocationName(), QStringLiteral("Pagina di prova"));
    EXPECT_FALSE(browser_->Busy());
}

TEST_F(WebEngineBrowserTest, BusyWhileLoadingAndAPageWithoutTitleIsNamedByItsFile)
{
    WritePage(QStringLiteral("senza titolo.htm"), "<html><body>niente</body></html>");
    bool busyAtBegin = false;
    events_.onDocumentComplete = nullptr;
    browser_->Navigate(QStringLiteral("file:///C:/my%20site/senza%20titolo.htm"));
    ASSERT_TRUE(WaitUntil([&] {
        busyAtBegin = busyAtBegin || (events_.Saw(QStringLiteral("DownloadBegin")) && browser_->Busy());
        return events_.Saw(QStringLiteral("TitleChange"));
    }));
    EXPECT_TRUE(busyAtBegin);
    EXPECT_FALSE(browser_->Busy());
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/senza titolo.htm"));
    EXPECT_EQ(browser_->LocationName(), QStringLiteral("senza titolo.htm"));
}

TEST_F(WebEngineBrowserTest, AddressesThatCannotBeOpenedRaiseAndLoadNothing)
{
    for (const QString& address : {QString(), QStringLiteral("   "), QStringLiteral("C:\\my site\\manca.htm"),
                                   QStringLiteral("Q:\\HOME-PAG\\INIZIO.HTM"), QStringLiteral("file:///C:/manca/x.htm"),
                                   QStringLiteral("http://")}) {
        EXPECT_THROW(browser_->Navigate(address), VbError) << address.toStdString();
    }
    EXPECT_TRUE(events_.log.isEmpty()) << events_.Text();
    EXPECT_FALSE(browser_->Busy());

    // Nor later: a page opened now is the first thing the engine reports.
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    browser_->Navigate(QStringLiteral("C:\\my site\\a.htm"));
    ASSERT_TRUE(WaitForDocument());
    EXPECT_EQ(events_.log.constFirst(), QStringLiteral("BeforeNavigate2 file:///C:/my site/a.htm"));
    EXPECT_EQ(events_.log.filter(QStringLiteral("BeforeNavigate2")).size(), 1) << events_.Text();
}

TEST_F(WebEngineBrowserTest, NavigateTwiceInARowAsksOnceForEachCall)
{
    // Start-up with an argument opens its address twice, one call right after the other.
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    WritePage(QStringLiteral("b.htm"), Titled("B"));
    for (const auto& [first, second] : {std::pair{"a.htm", "a.htm"}, std::pair{"a.htm", "b.htm"}}) {
        events_.log.clear();
        browser_->Navigate(QStringLiteral("C:\\my site\\") + QLatin1String(first));
        browser_->Navigate(QStringLiteral("C:\\my site\\") + QLatin1String(second));
        ASSERT_TRUE(WaitForDocument()) << events_.Text();
        CatchUp(*browser_);
        EXPECT_EQ(events_.Kinds(QStringLiteral("StatusTextChange")).count(QStringLiteral("BeforeNavigate2")), 1)
            << events_.Text();
        EXPECT_EQ(events_.log.filter(QStringLiteral("BeforeNavigate2")).size(), 2) << events_.Text();
        EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/") + QLatin1String(second));
        EXPECT_FALSE(browser_->Busy());
    }
}

TEST_F(WebEngineBrowserTest, BusyFromTheNavigateCallUntilTheLoadEnds)
{
    WritePage(QStringLiteral("a.htm"), Titled("A", "<a id='l' href='#giu'>giu</a><p id='giu'>x</p>"));
    browser_->Navigate(QStringLiteral("C:\\my site\\a.htm"));
    EXPECT_TRUE(browser_->Busy());
    ASSERT_TRUE(WaitForDocument());
    EXPECT_FALSE(browser_->Busy());

    // A jump inside the page on display is no load that could leave the control busy.
    events_.log.clear();
    browser_->Navigate(QStringLiteral("file:///C:/my site/a.htm#giu"));
    ASSERT_TRUE(WaitUntil([this] { return !browser_->Busy(); })) << events_.Text();
    CatchUp(*browser_);
    EXPECT_FALSE(browser_->Busy()) << events_.Text();
}

TEST_F(WebEngineBrowserTest, BlankPage)
{
    Open(QStringLiteral("about:blank"));
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("about:blank"));
    // Opened again on itself, as start-up does with "about:blank" as its argument: idle again.
    browser_->Navigate(QStringLiteral("about:blank"));
    browser_->Navigate(QStringLiteral("about:blank"));
    EXPECT_TRUE(WaitUntil([this] { return !browser_->Busy(); })) << events_.Text();
}

TEST_F(WebEngineBrowserTest, CancelledNavigateLoadsNothingAndRaisesNothingMore)
{
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    events_.cancelNavigation = [](const QString&) { return true; };
    browser_->Navigate(QStringLiteral("C:\\my site\\a.htm"));
    EXPECT_EQ(events_.Kinds(), QStringList{"BeforeNavigate2"});
    EXPECT_FALSE(browser_->Busy());
    EXPECT_TRUE(browser_->LocationURL().isEmpty());

    // Nor later: the question about the next page is the next thing the engine reports.
    WritePage(QStringLiteral("b.htm"), Titled("B"));
    events_.cancelNavigation = [](const QString&) { return false; };
    browser_->Navigate(QStringLiteral("C:\\my site\\b.htm"));
    ASSERT_TRUE(WaitForDocument());
    EXPECT_EQ(events_.log.mid(0, 2), (QStringList{QStringLiteral("BeforeNavigate2 file:///C:/my site/a.htm"),
                                                  QStringLiteral("BeforeNavigate2 file:///C:/my site/b.htm")}))
        << events_.Text();
    EXPECT_FALSE(events_.Saw(QStringLiteral("DocumentComplete file:///C:/my site/a.htm")));
}

TEST_F(WebEngineBrowserTest, ALoadBegunAheadIsTheFirstNavigatesOwnUnlessRefusedOrReplaced)
{
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    WritePage(QStringLiteral("b.htm"), Titled("B"));
    const QString a = QStringLiteral("C:\\my site\\a.htm");
    const auto aheadOn = [this](const QString& address) {
        browser_ = std::make_unique<WebEngineBrowser>(drive_.fs, window_.get(), profile_);
        browser_->setEvents(&events_);
        browser_->widget()->show();
        events_.log.clear();
        browser_->LoadAhead(address);
    };

    // Joined, by each Navigate until the engine has begun it (a start with an argument opens it
    // twice): said as their own load, from the questions on.
    aheadOn(a);
    EXPECT_TRUE(events_.log.isEmpty()) << events_.Text();
    EXPECT_TRUE(browser_->Busy());
    browser_->Navigate(a);
    browser_->Navigate(a);
    EXPECT_EQ(events_.log.filter(QStringLiteral("BeforeNavigate2")).size(), 2) << events_.Text();
    ASSERT_TRUE(WaitForDocument()) << events_.Text();
    CatchUp(*browser_);
    EXPECT_EQ(events_.Kinds(QStringLiteral("StatusTextChange")),
              (QStringList{"BeforeNavigate2", "DownloadBegin", "ProgressChange", "NavigateComplete2",
                           "DownloadComplete", "DocumentComplete", "TitleChange"}))
        << events_.Text();
    EXPECT_FALSE(browser_->Busy());

    // Refused by the window: nothing shown, nothing more said.
    aheadOn(a);
    events_.cancelNavigation = [](const QString&) { return true; };
    browser_->Navigate(a);
    CatchUp(*browser_);
    EXPECT_EQ(events_.Kinds(), QStringList{"BeforeNavigate2"}) << events_.Text();
    EXPECT_FALSE(browser_->Busy());
    EXPECT_TRUE(browser_->LocationURL().isEmpty()) << browser_->LocationURL().toStdString();
    events_.cancelNavigation = [](const QString&) { return false; };

    // Another address asked first: only that one comes.
    aheadOn(a);
    browser_->Navigate(QStringLiteral("C:\\my site\\b.htm"));
    ASSERT_TRUE(WaitForDocument()) << events_.Text();
    CatchUp(*browser_);
    EXPECT_EQ(events_.log.filter(QStringLiteral("a.htm")), QStringList()) << events_.Text();
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/b.htm"));
}

TEST_F(WebEngineBrowserTest, CancelStopsALinkAndAllowingLetsItThrough)
{
    WritePage(QStringLiteral("a.htm"), Titled("A", "<a id='l' href='b.htm'>b</a>"));
    WritePage(QStringLiteral("b.htm"), Titled("B"));
    Open(QStringLiteral("C:\\my site\\a.htm"));

    events_.cancelNavigation = [](const QString& url) { return url.endsWith(QLatin1String("b.htm")); };
    RunScript(QStringLiteral("document.getElementById('l').click()"));
    ASSERT_TRUE(WaitUntil([this] { return events_.Saw(QStringLiteral("BeforeNavigate2")); }));
    CatchUp(*browser_);
    EXPECT_EQ(events_.log, QStringList{QStringLiteral("BeforeNavigate2 file:///C:/my site/b.htm")});
    EXPECT_FALSE(browser_->Busy());
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/a.htm"));

    events_.log.clear();
    events_.cancelNavigation = [](const QString&) { return false; };
    RunScript(QStringLiteral("document.getElementById('l').click()"));
    ASSERT_TRUE(WaitForDocument());
    EXPECT_EQ(events_.log.count(QStringLiteral("BeforeNavigate2 file:///C:/my site/b.htm")), 1);
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/b.htm"));
}

TEST_F(WebEngineBrowserTest, FramesAreAskedForAndARefusedFrameLeavesThePageComplete)
{
    WritePage(QStringLiteral("cornice.htm"), Titled("Cornice", "<iframe src='dentro.htm'></iframe>"));
    WritePage(QStringLiteral("dentro.htm"), Titled("Dentro"));
    events_.cancelNavigation = [](const QString& url) { return url.endsWith(QLatin1String("dentro.htm")); };
    Open(QStringLiteral("C:\\my site\\cornice.htm"));
    CatchUp(*browser_);
    EXPECT_FALSE(browser_->Busy());
    EXPECT_EQ(browser_->LocationName(), QStringLiteral("Cornice"));

    events_.log.clear();
    events_.cancelNavigation = [](const QString&) { return false; };
    browser_->Navigate(QStringLiteral("C:\\my site\\cornice.htm"));
    ASSERT_TRUE(WaitForDocument());
    EXPECT_TRUE(events_.log.contains(QStringLiteral("BeforeNavigate2 file:///C:/my site/dentro.htm")));
}

TEST_F(WebEngineBrowserTest, NewWindowBlockedOpenedAfterAllOrLetThrough)
{
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    WritePage(QStringLiteral("b.htm"), Titled("B"));
    Open(QStringLiteral("C:\\my site\\a.htm"));

    events_.cancelNewWindow = true;
    // Every window blocked: the page gets none at once, and the window is still asked for.
    browser_->SetWindowsBlocked(true);
    EXPECT_TRUE(Evaluate(*browser_, QStringLiteral("window.open('b.htm') === null")).toBool());
    ASSERT_TRUE(WaitUntil([this] { return events_.Saw(QStringLiteral("NewWindow2")); }));
    CatchUp(*browser_);
    EXPECT_EQ(browser_->OpenPopupCount(), 0);
    EXPECT_EQ(events_.lastWindowAsked.address, QStringLiteral("file:///C:/my site/b.htm"));

    // What the event carried opens the window later, as one let through, its handler asked.
    browser_->OpenNewWindow(events_.lastWindowAsked);
    ASSERT_TRUE(WaitUntil(
        [this] { return !events_.windows.empty() && events_.windows[0].first->Saw(QStringLiteral("TitleChange B")); }));
    EXPECT_TRUE(events_.windows[0].first->log.contains(QStringLiteral("BeforeNavigate2 file:///C:/my site/b.htm")));

    events_.cancelNewWindow = false;
    browser_->SetWindowsBlocked(false);
    EXPECT_TRUE(Evaluate(*browser_, QStringLiteral("window.open('b.htm') !== null")).toBool());
    ASSERT_TRUE(WaitUntil([this] { return browser_->OpenPopupCount() == 2; }));
    EXPECT_EQ(events_.log.filter(QStringLiteral("NewWindow2")).size(), 2);
    // The opener stays where it was.
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/a.htm"));
}

// Records the keys that reach a widget.
class KeysSeen : public QObject {
public:
    QList<int> keys;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            keys << static_cast<QKeyEvent*>(event)->key();
        return false;
    }
};

TEST_F(WebEngineBrowserTest, EscWhileAPageLoadsGoesToTheWidgetAroundThePage)
{
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    WritePage(QStringLiteral("b.htm"), Titled("B"));
    Open(QStringLiteral("C:\\my site\\a.htm"));
    KeysSeen seen;
    window_->installEventFilter(&seen);
    browser_->Navigate(QStringLiteral("C:\\my site\\b.htm"));
    ASSERT_TRUE(browser_->Busy());
    QTest::keyClick(browser_->widget()->focusProxy(), Qt::Key_Escape);
    EXPECT_EQ(seen.keys, QList<int>{Qt::Key_Escape});
}

TEST_F(WebEngineBrowserTest, HistoryHomeAndRefresh)
{
    EXPECT_THROW(browser_->GoBack(), VbError);
    EXPECT_THROW(browser_->GoForward(), VbError);

    WritePage(QStringLiteral("a.htm"), Titled("A"));
    WritePage(QStringLiteral("b.htm"), Titled("B"));
    Open(QStringLiteral("C:\\my site\\a.htm"));
    Open(QStringLiteral("C:\\my site\\b.htm"));

    browser_->GoBack();
    ASSERT_TRUE(WaitForDocument());
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/a.htm"));
    EXPECT_TRUE(events_.log.contains(QStringLiteral("BeforeNavigate2 file:///C:/my site/a.htm")));
    events_.log.clear();
    browser_->GoForward();
    ASSERT_TRUE(WaitForDocument());
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/b.htm"));

    events_.log.clear();
    browser_->GoHome();
    ASSERT_TRUE(WaitForDocument());
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/a.htm"));

    // A page rewritten on disk shows its new contents, without a question.
    WritePage(QStringLiteral("a.htm"), Titled("A riscritta"));
    events_.log.clear();
    browser_->Refresh();
    ASSERT_TRUE(WaitForDocument());
    EXPECT_EQ(browser_->LocationName(), QStringLiteral("A riscritta"));
    EXPECT_FALSE(events_.Saw(QStringLiteral("BeforeNavigate2")));
}

TEST_F(WebEngineBrowserTest, ARefusedGoBackLeavesTheNextLoadReported)
{
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    WritePage(QStringLiteral("b.htm"), Titled("B"));
    Open(QStringLiteral("C:\\my site\\a.htm"));
    Open(QStringLiteral("C:\\my site\\b.htm"));

    events_.cancelNavigation = [](const QString&) { return true; };
    browser_->GoBack();
    ASSERT_TRUE(WaitUntil([this] { return events_.Saw(QStringLiteral("BeforeNavigate2")); }));
    CatchUp(*browser_);
    EXPECT_EQ(events_.Kinds(), QStringList{"BeforeNavigate2"});
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/b.htm"));

    events_.cancelNavigation = [](const QString&) { return false; };
    Open(QStringLiteral("C:\\my site\\a.htm"));
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/a.htm"));
}

TEST_F(WebEngineBrowserTest, FileDownloadIsRaisedForAFileTheEngineCannotShow)
{
    WritePage(QStringLiteral("archivio.zip"), QByteArray("PK\x03\x04", 4) + QByteArray(64, '\0'));
    events_.cancelDownload = true;
    browser_->Navigate(QStringLiteral("C:\\my site\\archivio.zip"));
    EXPECT_TRUE(WaitUntil([this] { return events_.Saw(QStringLiteral("FileDownload")); })) << events_.Text();
    // A download is no page load: the control does not stay busy.
    EXPECT_TRUE(WaitUntil([this] { return !browser_->Busy(); })) << events_.Text();
}

TEST_F(WebEngineBrowserTest, DriveAddressesInALocalPageLeadToTheirFiles)
{
    WritePage(QStringLiteral("sf.png"), Png());
    WritePage(QStringLiteral("a.htm"),
              Titled("A", "<img src='file://C:\\my site\\sf.png'><img src='file:///C:\\my site\\sf.png'>"
                          "<img src='C:\\my site\\sf.png'><img src='sf.png'>"
                          "<iframe src='file://C:\\my site\\c.htm'></iframe>"
                          "<a id='l' href='file://C:\\MY SITE\\b.htm'>b</a>"));
    WritePage(QStringLiteral("b.htm"), Titled("B"));
    WritePage(QStringLiteral("c.htm"), Titled("C"));
    browser_->Navigate(QStringLiteral("C:\\my site\\a.htm"));
    ASSERT_TRUE(WaitForDocument());
    EXPECT_TRUE(WaitUntil([this] {
        return Evaluate(*browser_, QStringLiteral("[...document.images].every(i => i.naturalWidth == 4)")).toBool();
    }));
    EXPECT_EQ(events_.log.count(QStringLiteral("BeforeNavigate2 file:///C:/my site/c.htm")), 1); // the frame

    // Asked about once, in the Windows form the page wrote; shown in that form once there.
    events_.log.clear();
    RunScript(QStringLiteral("document.getElementById('l').click()"));
    ASSERT_TRUE(WaitForDocument()) << events_.Text();
    EXPECT_EQ(events_.log.filter(QStringLiteral("BeforeNavigate2")),
              QStringList{QStringLiteral("BeforeNavigate2 file:///C:/MY SITE/b.htm")});
    EXPECT_EQ(browser_->LocationURL(), QStringLiteral("file:///C:/my site/b.htm"));
}

TEST_F(WebEngineBrowserTest, AWebPageReachesNoLocalFileThroughTheDrives)
{
    WritePage(QStringLiteral("sf.png"), Png());
    PageOf(*browser_)->setHtml(QStringLiteral(
                                   "<img src='file:///C:/my site/sf.png'><img src='file://C:\\my site\\sf.png'>"
                                   "<img src='C:\\my site\\sf.png'>"),
                               QUrl(QStringLiteral("http://example.invalid/")));
    EXPECT_TRUE(WaitUntil([this] {
        return Evaluate(*browser_,
                        QStringLiteral("document.images.length == 3 && [...document.images].every(i => i.complete)"))
            .toBool();
    }));
    EXPECT_EQ(
        Evaluate(*browser_, QStringLiteral("[...document.images].filter(i => i.naturalWidth > 0).length")).toInt(), 0);
}

TEST_F(WebEngineBrowserTest, OneQuestionPerNavigationHoweverLongTheUserTakes)
{
    WritePage(QStringLiteral("a.htm"), Titled("A", "<a id='l' href='b.htm'>b</a>"));
    WritePage(QStringLiteral("b.htm"), Titled("B"));
    // The user reads each question a while; the engine goes on meanwhile. The time is the
    // user's, not a wait for a result.
    events_.cancelNavigation = [](const QString&) {
        QTest::qWait(kReadingMs);
        return false;
    };
    browser_->Navigate(QStringLiteral("file:///C:/my%20site/a.htm"));
    ASSERT_TRUE(WaitForDocument());
    events_.log.removeAll(QStringLiteral("TitleChange A"));
    RunScript(QStringLiteral("document.getElementById('l').click()"));
    ASSERT_TRUE(WaitForDocument());
    CatchUp(*browser_);
    EXPECT_EQ(events_.log.filter(QStringLiteral("BeforeNavigate2")),
              (QStringList{QStringLiteral("BeforeNavigate2 file:///C:/my site/a.htm"),
                           QStringLiteral("BeforeNavigate2 file:///C:/my site/b.htm")}));
}

TEST_F(WebEngineBrowserTest, AWindowLetThroughAsksItsOpenersHandlerForWindowsAndDownloads)
{
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    WritePage(QStringLiteral("b.htm"), Titled("B", "<img src='C:\\my site\\sf.png'>"));
    WritePage(QStringLiteral("sf.png"), Png());
    WritePage(QStringLiteral("archivio.zip"), QByteArray("PK\x03\x04", 4) + QByteArray(64, '\0'));
    Open(QStringLiteral("C:\\my site\\a.htm"));
    RunScript(QStringLiteral("window.open('C:\\\\my site\\\\b.htm')"));
    ASSERT_TRUE(WaitUntil(
        [this] { return !events_.windows.empty() && events_.windows[0].first->Saw(QStringLiteral("TitleChange B")); }));
    auto [popupEvents, popup] = events_.windows[0];
    EXPECT_TRUE(popupEvents->log.contains(QStringLiteral("BeforeNavigate2 file:///C:/my site/b.htm")));
    // Drive addresses lead to their files in the new window too.
    EXPECT_TRUE(
        WaitUntil([&] { return Evaluate(*popup, QStringLiteral("document.images[0].naturalWidth == 4")).toBool(); }));
    // A key its page leaves unused comes to its handler.
    QTest::keyClick(popup->widget()->focusProxy(), Qt::Key_F5);
    EXPECT_TRUE(WaitUntil([&] { return popupEvents->log.contains(QStringLiteral("UnusedKey %1").arg(Qt::Key_F5)); }));

    popupEvents->cancelNewWindow = true;
    PageOf(*popup)->runJavaScript(QStringLiteral("window.open('a.htm')"));
    EXPECT_TRUE(WaitUntil([&] { return popupEvents->Saw(QStringLiteral("NewWindow2")); }));
    EXPECT_TRUE(popupEvents->windows.empty());

    popup->Navigate(QStringLiteral("C:\\my site\\archivio.zip"));
    EXPECT_TRUE(WaitUntil([&] { return popupEvents->Saw(QStringLiteral("FileDownload")); }));
    EXPECT_EQ(events_.log.filter(QStringLiteral("FileDownload")).size(), 0);
}

TEST_F(WebEngineBrowserTest, AKilledRendererEndsTheLoadAndRefreshBringsThePageBack)
{
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    WritePage(QStringLiteral("b.htm"), Titled("B"));
    Open(QStringLiteral("C:\\my site\\a.htm"));
    browser_->Navigate(QStringLiteral("C:\\my site\\b.htm"));
    ASSERT_TRUE(browser_->Busy());
    const auto renderer = [this] { return static_cast<pid_t>(PageOf(*browser_)->renderProcessPid()); };
    const pid_t first = renderer();
    ASSERT_GT(first, 0);
    ::kill(first, SIGKILL);
    ASSERT_TRUE(WaitUntil([this] { return events_.Saw(QStringLiteral("RenderProcessTerminated")); }));
    EXPECT_FALSE(browser_->Busy());
    EXPECT_FALSE(events_.log.contains(QStringLiteral("RenderProcessTerminated again")));

    // The load the renderer was serving may still end on its own; the page comes back either way.
    events_.log.clear();
    browser_->Refresh();
    EXPECT_TRUE(WaitUntil([this] { return events_.Saw(QStringLiteral("TitleChange")) && !browser_->Busy(); }));

    // The load that was cut may have ended on its own, on the page it went to: the page whose
    // renderer ends next is the one on display now. Reloaded, it ends again soon after: said so.
    const auto endRenderer = [&](pid_t previous) {
        EXPECT_TRUE(WaitUntil([&] { return renderer() > 0 && renderer() != previous; }));
        const pid_t current = renderer();
        events_.log.clear();
        ::kill(current, SIGKILL);
        EXPECT_TRUE(WaitUntil([this] { return events_.Saw(QStringLiteral("RenderProcessTerminated")); }));
        return current;
    };
    const pid_t second = endRenderer(first);
    browser_->Refresh();
    EXPECT_TRUE(WaitUntil([this] { return events_.Saw(QStringLiteral("TitleChange")) && !browser_->Busy(); }));
    endRenderer(second);
    EXPECT_TRUE(events_.log.contains(QStringLiteral("RenderProcessTerminated again")));
}

TEST_F(WebEngineBrowserTest, AHandlerThatThrowsStopsAtTheControl)
{
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    events_.onDocumentComplete = [] { throw VbError(5, QStringLiteral("Invalid procedure call or argument")); };
    browser_->Navigate(QStringLiteral("C:\\my site\\a.htm"));
    EXPECT_TRUE(WaitForDocument()); // the next event still comes
}

TEST_F(WebEngineBrowserTest, AHandlerMayDestroyTheControl)
{
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    events_.onDocumentComplete = [this] { browser_.reset(); };
    QSignalSpy destroyed(browser_.get(), &QObject::destroyed);
    browser_->Navigate(QStringLiteral("C:\\my site\\a.htm"));
    ASSERT_TRUE(destroyed.wait(kWaitTimeoutMs) && !browser_);
    // A second control's page on the same engine: by its end, whatever the engine had left to
    // report about the first has come.
    Recorder otherEvents;
    WebEngineBrowser other(drive_.fs, window_.get(), profile_);
    other.setEvents(&otherEvents);
    other.Navigate(QStringLiteral("C:\\my site\\a.htm"));
    ASSERT_TRUE(WaitUntil([&] { return otherEvents.Saw(QStringLiteral("TitleChange")); }));
    EXPECT_FALSE(events_.Saw(QStringLiteral("TitleChange")));
}

// The page's title tells what the page got: a notification permission, or its location's error.
const char kAsksForNotifications[] =
    "<script>function ask() { Notification.requestPermission().then(r => document.title = r); }</script>";
const char kAsksForLocation[] =
    "<script>navigator.geolocation.getCurrentPosition(() => {}, e => document.title = 'errore ' + e.code);</script>";

TEST_F(WebEngineBrowserTest, APermissionIsTheAnswerThePersonGaveOrNo)
{
    QWebEngineProfile profile; // answers start afresh
    Recorder events;
    WebEngineBrowser browser(drive_.fs, window_.get(), &profile);
    browser.setEvents(&events);
    browser_->widget()->hide(); // the engine holds back what a page hidden asks
    browser.widget()->resize(640, 480);
    browser.widget()->show();
    WritePage(QStringLiteral("n.htm"), Titled("N", kAsksForNotifications));
    WritePage(QStringLiteral("g.htm"), Titled("G", kAsksForLocation));
    const auto title = [&browser] { return Evaluate(browser, QStringLiteral("document.title")).toString(); };

    // Dropped unanswered: no.
    events.dropQuestions = true;
    browser.Navigate(QStringLiteral("C:\\my site\\g.htm"));
    ASSERT_TRUE(WaitUntil([&] { return title() == QLatin1String("errore 1"); })) << events.Text();
    events.dropQuestions = false;

    browser.Navigate(QStringLiteral("C:\\my site\\n.htm"));
    ASSERT_TRUE(WaitUntil([&] { return title() == QLatin1String("N"); }));
    PageOf(browser)->runJavaScript(QStringLiteral("ask()"));
    ASSERT_TRUE(WaitUntil([&] { return !events.questions.empty(); })) << events.Text();
    EXPECT_EQ(events.questions[0]->Permission(), PagePermission::Notifications);
    events.questions[0]->Answer(true);
    ASSERT_TRUE(WaitUntil([&] { return title() == QLatin1String("granted"); }));
    // Asked again, the page has the answer at once, and so has a page loaded afresh.
    browser.Refresh();
    ASSERT_TRUE(WaitUntil([&] { return title() == QLatin1String("N"); }));
    PageOf(browser)->runJavaScript(QStringLiteral("ask()"));
    ASSERT_TRUE(WaitUntil([&] { return title() == QLatin1String("granted"); }));
    EXPECT_EQ(events.questions.size(), 1u) << events.Text();
}

// Busy after asking, the page ends its load once the next address is on its way.
const char kAsksThenHolds[] = "<script>navigator.geolocation.getCurrentPosition(() => {}, () => {});"
                              "for (const t = Date.now(); Date.now() - t < 500;);</script>";

TEST_F(WebEngineBrowserTest, LeavingThePageAnswersItsQuestionsNo)
{
    WritePage(QStringLiteral("g.htm"), Titled("G", kAsksThenHolds));
    WritePage(QStringLiteral("a.htm"), Titled("A"));
    browser_->Navigate(QStringLiteral("C:\\my site\\g.htm"));
    ASSERT_TRUE(WaitUntil([this] { return !events_.questions.empty(); })) << events_.Text();
    const std::shared_ptr<PermissionQuestion> question = events_.questions[0];
    EXPECT_TRUE(question->Waiting());
    EXPECT_EQ(question->Site(), QStringLiteral("Questa pagina"));
    // The end of the page left comes after the question: the next page's own end is waited for.
    events_.log.clear();
    browser_->Navigate(QStringLiteral("C:\\my site\\a.htm"));
    EXPECT_TRUE(WaitUntil([this] { return events_.Saw(QStringLiteral("DocumentComplete file:///C:/my site/a.htm")); }))
        << events_.Text();
    EXPECT_TRUE(WaitUntil([&question] { return !question->Waiting(); }));
    question->Answer(true); // too late: nothing changes
    EXPECT_FALSE(question->Waiting());
}

TEST_F(WebEngineBrowserTest, AFileAskedForWhileThePageStillLoadsIsDownloadedOnce)
{
    WritePage(QStringLiteral("g.htm"), Titled("G", kAsksThenHolds));
    WritePage(QStringLiteral("archivio.zip"), QByteArray("PK\x03\x04", 4) + QByteArray(64, '\0'));
    browser_->Navigate(QStringLiteral("C:\\my site\\g.htm"));
    // Its answer is known from before: the page's title tells it is there.
    ASSERT_TRUE(WaitUntil([this] { return PageOf(*browser_)->title() == QLatin1String("G"); })) << events_.Text();
    events_.log.clear();
    browser_->Navigate(QStringLiteral("C:\\my site\\archivio.zip"));
    // The page's own end comes after the download: by then nothing is loaded again.
    ASSERT_TRUE(WaitUntil([this] { return events_.Saw(QStringLiteral("DocumentComplete")); })) << events_.Text();
    ASSERT_TRUE(WaitUntil([this] { return !browser_->Busy(); })) << events_.Text();
    CatchUp(*browser_);
    EXPECT_EQ(events_.log.count(QStringLiteral("FileDownload")), 1) << events_.Text();
}

} // namespace
