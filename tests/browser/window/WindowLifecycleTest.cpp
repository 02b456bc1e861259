#include "browser/WindowFixture.h"
#include "fakes/FakeDownload.h"
#include "app/Twips.h"

#include <QComboBox>
#include <QLabel>
#include <QTimer>

namespace {

const QString kHomeD = QStringLiteral("D:\\HOME-PAG\\INIZIO.HTM");
const QString kEmptyPage = QStringLiteral("C:\\WINDOWS\\VUOTA.HTM");
const QString kQuestion = QStringLiteral("Desideri registrare i Link dei Siti Internet visualizzati (S/N)");

class WindowLoad : public WindowFixture {};

TEST_F(WindowLoad, OpensTheStartAddressAndListsIt)
{
    g().POPUP_PERMESSI = -1;
    frmBrowser& w = Load(QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM"));
    EXPECT_EQ(t.browser().navigations(), QStringList{QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM")});
    EXPECT_EQ(w.AddressList(), QStringList{QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM")});
    EXPECT_TRUE(w.timTimer->isActive());
    EXPECT_EQ(g().POPUP_PERMESSI, 0);
    EXPECT_TRUE(w.isVisible());
}

TEST_F(WindowLoad, ABlankStartAddressBecomesTheBlankPage)
{
    Load(QStringLiteral("   "));
    EXPECT_EQ(g().INDIRIZZO_INIZIALE, QStringLiteral("about:blank"));
    EXPECT_EQ(t.browser().navigations(), QStringList{QStringLiteral("about:blank")});
}

struct RetryCase {
    const char* name;
    QSet<QString> failing;
    QStringList navigations;
};

class WindowLoadRetries : public WindowFixture, public ::testing::WithParamInterface<RetryCase> {};

TEST_P(WindowLoadRetries, FallBackOnTheSecondHomeThenTheEmptyPageAndStop)
{
    const RetryCase& c = GetParam();
    t.failingAddresses = c.failing;
    frmBrowser& w = Load(QStringLiteral("C:\\rotto.htm"));
    EXPECT_EQ(t.browser().navigations(), c.navigations) << c.name;
    EXPECT_EQ(g().INDIRIZZO_INIZIALE, c.navigations.last()) << c.name;
    EXPECT_EQ(w.AddressList(), c.navigations) << c.name; // every attempt was listed before it was tried
    EXPECT_TRUE(t.ui.boxes.empty()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Window, WindowLoadRetries,
                         ::testing::Values(RetryCase{"first fails",
                                                     {QStringLiteral("C:\\rotto.htm")},
                                                     {QStringLiteral("C:\\rotto.htm"), kHomeD}},
                                           RetryCase{"two fail",
                                                     {QStringLiteral("C:\\rotto.htm"), kHomeD},
                                                     {QStringLiteral("C:\\rotto.htm"), kHomeD, kEmptyPage}},
                                           RetryCase{"all fail",
                                                     {QStringLiteral("C:\\rotto.htm"), kHomeD, kEmptyPage},
                                                     {QStringLiteral("C:\\rotto.htm"), kHomeD, kEmptyPage}}));

TEST_F(WindowLoad, MergesTheVisitedSitesAfterOpening)
{
    WriteVisitedFile("http:\\\\www.uno.it\r\nabout:blank\r\n");
    frmBrowser& w = Load();
    EXPECT_EQ(w.AddressList(), (QStringList{QStringLiteral("about:blank"), QStringLiteral("http:\\\\www.uno.it")}));
    EXPECT_EQ(w.AddressText(), QStringLiteral("about:blank"));
    EXPECT_FALSE(t.ui.hourglass);
}

class WindowResize : public WindowFixture {
protected:
    // A twips value as it lands on whole pixels.
    static int Snapped(int twips) { return PixelsToTwips(TwipsToPixels(twips)); }
};

TEST_F(WindowResize, BoxAndBrowserFollowTheWindow)
{
    frmBrowser& w = Load();
    w.SetClientSizeTwips(15000, 9000);
    EXPECT_EQ(TwipsGeometry(w.cboAddress).width(), Snapped(15000 - 4735));
    EXPECT_EQ(TwipsGeometry(w.lblAddress).left(), Snapped(4545 - 795 + 50));
    const QRect browser = TwipsGeometry(w.brwWebBrowser->widget());
    EXPECT_EQ(browser, QRect(75, 690, Snapped(15000 - 100), Snapped(9000 - 1025)));
    EXPECT_EQ(TwipsGeometry(w.StatusBar1), QRect(0, 9000 - 285, 15000, 285));
    EXPECT_EQ(TwipsGeometry(w.picAddress).width(), 15000);
}

TEST_F(WindowResize, NarrowWindowKeepsTheBoxWidthLowWindowKeepsTheBrowserHeight)
{
    frmBrowser& w = Load();
    w.SetClientSizeTwips(9000, 6000);
    const int boxWidth = TwipsGeometry(w.cboAddress).width();
    const int browserHeight = TwipsGeometry(w.brwWebBrowser->widget()).height();
    w.SetClientSizeTwips(4725, 1065); // F + 600 = 4735 and H = 40
    EXPECT_EQ(TwipsGeometry(w.cboAddress).width(), boxWidth);
    EXPECT_EQ(TwipsGeometry(w.brwWebBrowser->widget()).height(), browserHeight);
    EXPECT_EQ(TwipsGeometry(w.brwWebBrowser->widget()).width(), Snapped(4725 - 100));
}

TEST_F(WindowResize, MinimisedWindowLeavesTheBrowserAlone)
{
    frmBrowser& w = Load();
    const QRect before = TwipsGeometry(w.brwWebBrowser->widget());
    w.showMinimized();
    w.SetClientSizeTwips(15000, 9000);
    if (!w.IsMinimized())
        GTEST_SKIP() << "this platform does not minimise windows";
    EXPECT_EQ(TwipsGeometry(w.brwWebBrowser->widget()), before);
    EXPECT_EQ(TwipsGeometry(w.cboAddress).width(), Snapped(15000 - 4735));
}

class WindowClosing : public WindowFixture {
protected:
    frmBrowser& Visited(const QStringList& extraEntries)
    {
        frmBrowser& w = Load(QStringLiteral("http:\\\\www.primo.it"));
        for (const QString& entry : extraEntries)
            w.AppendToAddressList(entry);
        g().SITI_VISITATI = 1;
        return w;
    }
    int Questions() const
    {
        return static_cast<int>(std::count_if(t.ui.boxes.begin(), t.ui.boxes.end(), [](const FakeUi::Box& b) {
            return b.text == kQuestion && b.title == QStringLiteral("Chiusura Vindrel")
                && b.buttons == MsgButtons::YesNo;
        }));
    }
};

TEST_F(WindowClosing, YesWritesTheListAndEndsTheProgram)
{
    Visited({QStringLiteral("http:\\\\www.secondo.it")}).Unload();
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(VisitedFile(), QByteArray("http:\\\\www.primo.it\r\nhttp:\\\\www.secondo.it\r\n"));
    EXPECT_EQ(t.ui.ended, 1);
    EXPECT_FALSE(t.ui.endedImmediately);
    EXPECT_EQ(t.program->loaded<frmBrowser>(), nullptr);
}

TEST_F(WindowClosing, NoKeepsTheOldFile)
{
    WriteVisitedFile("vecchio\r\n");
    t.ui.answers = {MsgAnswer::No};
    Visited({QStringLiteral("http:\\\\www.secondo.it")}).Unload();
    EXPECT_EQ(Questions(), 1);
    EXPECT_EQ(VisitedFile(), QByteArray("vecchio\r\n"));
    EXPECT_EQ(t.ui.ended, 1);
}

TEST_F(WindowClosing, NoQuestionWithOneEntryOrNothingVisited)
{
    Visited({}).Unload(); // one entry, although pages were visited
    EXPECT_EQ(Questions(), 0);
    EXPECT_FALSE(t.HostFileExists(QStringLiteral("prog/VINDREL.DAT")));
    EXPECT_EQ(t.ui.ended, 1);

    TestProgram other;
    other.program->SetBrowserWindow([&other]() -> BrowserWindow& { return other.program->form<frmBrowser>(); });
    frmBrowser& w = other.program->form<frmBrowser>();
    w.AppendToAddressList(QStringLiteral("http:\\\\www.secondo.it"));
    other.program->g.SITI_VISITATI = 0;
    w.Unload();
    EXPECT_TRUE(other.ui.boxes.empty());
    EXPECT_EQ(other.ui.ended, 1);
}

class OtherWindow : public Form {
public:
    using Form::Form;
};

TEST_F(WindowClosing, WithDownloadsComingInAsksFirstAndNoKeepsTheWindow)
{
    frmBrowser& w = Visited({QStringLiteral("http:\\www.secondo.it")});
    w.DownloadStarted(
        std::make_unique<FakeDownload>(QStringLiteral("dati.bin"), QStringLiteral("http://a.it/dati.bin"), -1));
    t.ui.answers = {MsgAnswer::No, MsgAnswer::Yes, MsgAnswer::No};
    EXPECT_FALSE(w.close());
    EXPECT_EQ(t.program->loaded<frmBrowser>(), &w);
    EXPECT_EQ(t.ui.ended, 0);
    EXPECT_TRUE(w.close());
    ASSERT_EQ(t.ui.boxes.size(), 3u);
    EXPECT_EQ(t.ui.boxes[1].text, QStringLiteral("Ci sono download in corso. Chiudere comunque?"));
    EXPECT_EQ(t.ui.boxes[1].title, QStringLiteral("Chiusura Vindrel"));
    EXPECT_EQ(t.ui.boxes[1].buttons, MsgButtons::YesNoDefaultNo);
    EXPECT_EQ(t.ui.boxes[2].text, kQuestion);
    EXPECT_EQ(t.ui.ended, 1);
}

TEST_F(WindowClosing, ClosesTheOtherWindows)
{
    frmBrowser& w = Visited({});
    t.program->form<OtherWindow>().Show();
    w.Unload();
    EXPECT_EQ(t.program->loaded<OtherWindow>(), nullptr);
}

} // namespace
