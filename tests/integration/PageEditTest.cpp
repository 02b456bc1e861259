// A banner confirmed in the banner window lands in a local page shown by the real browser
// control, which then reloads it.
#include "fakes/TestProgram.h"
#include "pageedit/Form3.h"
#include "platform/engine/impl/WebEngineBrowser.h"
#include "support/WaitUntil.h"

#include <QCheckBox>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

// The browser window reduced to what the page editor drives: its Tag and its browser control.
class StandInBrowserWindow : public BrowserWindow, public IgnoringBrowserEvents {
public:
    explicit StandInBrowserWindow(FileSystem& fs) : browser(fs, &frame) { browser.setEvents(this); }

    QString PagePath() const override { return tag; }
    QString AddressText() const override { return {}; }
    void SetAddressText(const QString&) override {}
    void SetTimerEnabled(bool) override {}
    WebBrowser& Browser() override { return browser; }
    void SetCommand1Caption(const QString&) override {}
    void Close() override {}

    void DocumentComplete(const QString&) override { ++documentsCompleted; }

    QWidget frame;
    WebEngineBrowser browser;
    QString tag;
    int documentsCompleted = 0;
};

} // namespace

TEST(PageEditEndToEnd, BannerIsInsertedAfterTheBodyEndAndThePageReloads)
{
    TestProgram t;
    const QByteArray old =
        "<html><head><title>Inizio</title></head>\r\n<body>\r\n<p>Casa</p>\r\n</body>\r\n</html>\r\n";
    t.WriteHostFile(QStringLiteral("C/HOME-PAG/INIZIO.HTM"), old);
    StandInBrowserWindow window(*t.fs);
    t.program->SetBrowserWindow([&window]() -> BrowserWindow& { return window; });
    window.frame.resize(640, 480);
    window.frame.show();

    window.browser.Navigate(QStringLiteral("file:///C:/HOME-PAG/INIZIO.HTM"));
    ASSERT_TRUE(WaitUntil([&] { return window.documentsCompleted >= 1 && !window.browser.Busy(); }));
    window.tag = QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM");

    Form3& banner = t.program->form<Form3>();
    banner.Text1->setText(QStringLiteral("Benvenuti"));
    banner.Check1->setChecked(true);
    banner.Command1_Click();

    EXPECT_TRUE(t.ui.boxes.empty());
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("C/HOME-PAG/INIZIO.HTM")),
              QByteArray("<html><head><title>Inizio</title></head>\r\n<body>\r\n<p>Casa</p>\r\n</body>\r\n"
                         "<H2><p align=\"left\"><font color=\"#FFFF80\"><strong>Benvenuti</strong></font></p></H2>\r\n"
                         "</html>\r\n"));
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("C/HOME-PAG/INIZIO.HT_")), old);
    EXPECT_EQ(t.program->loaded<Form3>(), nullptr);
    EXPECT_TRUE(WaitUntil([&] { return window.documentsCompleted >= 2; })) << "the browser did not reload the page";
}
