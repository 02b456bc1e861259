#include "FavouritesFixture.h"
#include "app/Twips.h"
#include "favourites/OrganizeDialog.h"
#include "favourites/frmFav.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <gtest/gtest.h>

namespace {

class frmFavTest : public ::testing::Test, public FavouritesFixture {
protected:
    frmFavTest()
    {
        Shortcut(QStringLiteral("Rai.url"), QStringLiteral("http://www.rai.it/"));
        Folder(QStringLiteral("Locali"));
        Shortcut(QStringLiteral("Locali/Inizio.url"), QStringLiteral("file:///C:/HOME-PAG/INIZIO.HTM"));
        t.UseFakeBrowserWindow();
    }
    frmFav& Window() { return t.program->form<frmFav>(); }
    QTreeWidgetItem* Node(const QString& key) { return Window().Tree().Find(key); }
    void Click(const QString& key) { Window().TreeView1_NodeClick(Node(key)); }
    // True when the tree itself took the key.
    bool Type(const QString& text)
    {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, text);
        press.setAccepted(false);
        QApplication::sendEvent(Window().TreeView1, &press);
        return press.isAccepted();
    }
    QString ProbeHostPath() const { return QStringLiteral("prog/temphtm.HTM"); }
};

TEST_F(frmFavTest, LoadPlacesTheWindowBuildsTheTreeAndShowsIt)
{
    t.ui.hourglass = true; // set by the browser window before it loads this one
    frmFav& w = Window();
    EXPECT_TRUE(w.isVisible());
    EXPECT_EQ(w.Caption(), QStringLiteral("Internet Preferiti"));
    EXPECT_EQ(PixelsToTwips(w.x()), 2910);
    EXPECT_EQ(PixelsToTwips(w.y()), 1170);
    EXPECT_EQ(w.Command1->text(), QStringLiteral("F i n e"));
    EXPECT_EQ(TwipsGeometry(w.Command1), QRect(5385, 0, 975, 270));
    EXPECT_FALSE(t.ui.hourglass);
    EXPECT_TRUE(state().TreeLoaded);
    EXPECT_EQ(Dump(*w.TreeView1),
              (QStringList{Line("-", "R", "Internet Preferiti"), Line("R", "Rai_URL", "Rai", "http://www.rai.it/"),
                           Line("R", "Locali", "Locali"),
                           Line("Locali", "Inizio_URL", "Inizio", "file:///C:/HOME-PAG/INIZIO.HTM")}));
    const QStringList entries{"Open Site", "Open Site (New Window)", "Organize", "Cancel"};
    QStringList captions;
    for (const QAction* entry : w.mnuPopupURL->actions())
        captions << entry->text();
    EXPECT_EQ(captions, entries);
}

TEST_F(frmFavTest, HiddenWindowKeepsItsTreeAndAnUnloadedOneScansAgain)
{
    Window().Command1->click();
    EXPECT_FALSE(Window().isVisible());
    Shortcut(QStringLiteral("Nuovo.url"), QStringLiteral("http://nuovo/"));
    Window().Show();
    EXPECT_FALSE(Node(QStringLiteral("Nuovo_URL")));

    Window().Unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); // the unloaded window goes now
    EXPECT_FALSE(state().TreeLoaded);
    EXPECT_TRUE(Node(QStringLiteral("Nuovo_URL")));
}

TEST_F(frmFavTest, MissingFavouritesFolderAtLoadClosesTheBrowserWindowWithoutShowingItself)
{
    t.system.favorites.clear();
    frmFav& w = Window();
    EXPECT_EQ(t.browserWindow.closed, 1);
    ASSERT_EQ(t.ui.boxes.size(), 1u);
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("Errore di accesso"));
    EXPECT_FALSE(w.isVisible());
}

TEST_F(frmFavTest, OnlyShortcutKeysOpenTheMenuAtEveryClick)
{
    Folder(QStringLiteral("Cartella_URL"));
    Folder(QStringLiteral("Minuscole_url"));
    frmFav& w = Window();
    struct Case {
        const char* key;
        bool menu;
    };
    for (const Case& c : {Case{"R", false}, Case{"Locali", false}, Case{"Minuscole_url", false}, Case{"Rai_URL", true},
                          Case{"Rai_URL", true}, Case{"Cartella_URL", true}}) {
        SCOPED_TRACE(c.key);
        state().SelectedShortcutKey.clear();
        Click(QString::fromLatin1(c.key));
        EXPECT_EQ(w.mnuPopupURL->isVisible(), c.menu);
        EXPECT_EQ(state().SelectedShortcutKey, c.menu ? QString::fromLatin1(c.key) : QString());
        w.mnuPopupURL->hide();
    }
}

TEST_F(frmFavTest, LowerCaseTRescansWithoutTouchingThePointerAndStillReachesTheTree)
{
    frmFav& w = Window();
    Shortcut(QStringLiteral("Tg.url"), QStringLiteral("http://tg/"));
    t.ui.hourglass = true;
    Type(QStringLiteral("T"));
    EXPECT_FALSE(Node(QStringLiteral("Tg_URL")));
    Click(QStringLiteral("Rai_URL"));
    w.mnuPopupURL->hide();
    EXPECT_TRUE(Type(QStringLiteral("t")));
    ASSERT_TRUE(Node(QStringLiteral("Tg_URL")));
    EXPECT_TRUE(state().SelectedShortcutKey.isEmpty()); // the old node is gone
    EXPECT_TRUE(t.ui.hourglass);
}

TEST_F(frmFavTest, ResizeKeepsTheMinimumSizes)
{
    frmFav& w = Window();
    // The minimums hold for the outer size, frame included.
    w.resize(30, 40);
    EXPECT_EQ(w.frameGeometry().width(), TwipsToPixels(1000));
    EXPECT_EQ(w.frameGeometry().height(), TwipsToPixels(2000));
    EXPECT_EQ(w.TreeView1->width(), TwipsToPixels(1000));
    EXPECT_EQ(w.TreeView1->height(), TwipsToPixels(1300));

    w.resize(500, 400);
    EXPECT_EQ(w.TreeView1->width(), TwipsToPixels(PixelsToTwips(w.frameGeometry().width()) - 200));
    EXPECT_EQ(w.TreeView1->height(), TwipsToPixels(PixelsToTwips(w.frameGeometry().height()) - 700));
    EXPECT_EQ(TwipsGeometry(w.TreeView1).topLeft(), QPoint(45, 270));
}

// Puts the target address into the address box during Navigate, as the browser window does.
class ReplacingEvents : public IgnoringBrowserEvents {
public:
    ReplacingEvents(FakeBrowserWindow& window, QString replacement)
        : window_(window), replacement_(std::move(replacement))
    {
    }
    void BeforeNavigate2(const QString&, bool&) override { window_.address = replacement_; }

private:
    FakeBrowserWindow& window_;
    QString replacement_;
};

TEST_F(frmFavTest, OpenSiteNavigatesAndSetsThePageButtonFromTheBoxAfterNavigate)
{
    struct Case {
        QString address;
        QString boxAfterNavigate; // empty: the box keeps the address
        QString caption;
    };
    const QString edit = QStringLiteral(" Modifica    pagina");
    const QString other = QStringLiteral("Nuovo Vindrex");
    const Case cases[] = {
        {"file:///C:/HOME-PAG/INIZIO.HTM", {}, edit},
        {"http://www.rai.it/", {}, other},
        {"FILE:///C:/A.HTM", {}, other},
        {"http://redirect/", "  file:///C:/B.HTM", edit},
        {"file:///C:/C.HTM", "http://elsewhere/", other},
    };
    FakeBrowserWindow& browser = t.browserWindow;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.address.toStdString());
        File(QStringLiteral("Sito.url"), "[InternetShortcut]\r\nURL=" + c.address.toUtf8() + "\r\n");
        Window().TreeView1_KeyPress('t');
        Window().Show();
        ReplacingEvents events(browser, c.boxAfterNavigate);
        browser.browser.events = c.boxAfterNavigate.isEmpty() ? nullptr : &events;
        browser.timerEnabled = false;
        Click(QStringLiteral("Sito_URL"));
        Window().mnuOpenSite->trigger();
        EXPECT_EQ(browser.browser.navigations().last(), c.address);
        EXPECT_TRUE(browser.timerEnabled);
        EXPECT_EQ(browser.command1Caption, c.caption);
        EXPECT_FALSE(Window().isVisible());
        browser.browser.events = nullptr;
    }
}

TEST_F(frmFavTest, OpenSiteSkipsWhatFailsAndHidesAllTheSame)
{
    FakeBrowserWindow& browser = t.browserWindow;
    browser.browser.failingAddresses.insert(QStringLiteral("http://www.rai.it/"));
    Click(QStringLiteral("Rai_URL"));
    Window().mnuOpenSite_Click();
    EXPECT_EQ(browser.address, QStringLiteral("http://www.rai.it/"));
    EXPECT_EQ(browser.command1Caption, QStringLiteral("Nuovo Vindrex"));
    EXPECT_FALSE(Window().isVisible());

    // No shortcut: nothing to navigate to, the rest still runs.
    Window().Show();
    state().SelectedShortcutKey.clear();
    browser.address = QStringLiteral("file:///C:/X.HTM");
    browser.browser.calls.clear();
    Window().mnuOpenSite_Click();
    EXPECT_TRUE(browser.browser.navigations().isEmpty());
    EXPECT_EQ(browser.command1Caption, QStringLiteral(" Modifica    pagina"));
    EXPECT_FALSE(Window().isVisible());
}

TEST_F(frmFavTest, OpenSiteNewWindowWritesTheProbeAndAlwaysRemovesIt)
{
    struct Case {
        const char* name;
        int association;
        bool startFails;
        bool folderWritable;
        QString box;
        MsgIcon icon;
        QString title;
    };
    const Case cases[] = {
        {"started", 42, false, true, {}, MsgIcon::None, {}},
        {"no association", 31, false, true, "nessun Browser associato", MsgIcon::Exclamation, "Browser Non trovato"},
        {"limit is no association", 32, false, true, "nessun Browser associato", MsgIcon::Exclamation,
         "Browser Non trovato"},
        {"cannot start", 33, true, true, "Non trovo il programma  VINDREL.EXE  !!!", MsgIcon::None, kProgramTitle},
        {"probe not writable", 42, false, false, {}, MsgIcon::None, {}},
    };
    frmFav& w = Window();
    Click(QStringLiteral("Rai_URL"));
    const QString commandLine = t.fs->ProgramFolder() + QStringLiteral("\\VINDREL.EXE http://www.rai.it/");
    const QString probe = t.fs->ProgramFolder() + QStringLiteral("\\temphtm.HTM");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        t.ui = FakeUi();
        t.system.started.clear();
        t.system.findExecutableAsked.clear();
        t.system.findExecutableResult = c.association;
        t.system.startFailures = c.startFails ? QStringList{commandLine} : QStringList{};
        const auto writable = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
        QFile::setPermissions(t.host(QStringLiteral("prog")),
                              c.folderWritable ? writable : writable & ~QFile::WriteOwner);
        QByteArray probeWhileShown = "(none)";
        t.ui.onMsgBox = [&](const FakeUi::Box&) { probeWhileShown = t.ReadHostFile(ProbeHostPath()); };

        w.mnuOpenSiteNew->trigger();

        EXPECT_EQ(t.system.findExecutableAsked, QStringList{probe});
        EXPECT_FALSE(t.HostFileExists(ProbeHostPath()));
        EXPECT_TRUE(w.isVisible());
        EXPECT_EQ(t.system.started, c.association > 32 && !c.startFails ? QStringList{commandLine} : QStringList{});
        EXPECT_EQ(t.ui.beeps, c.startFails ? 1 : 0);
        if (c.box.isEmpty()) {
            EXPECT_TRUE(t.ui.boxes.empty());
            continue;
        }
        ASSERT_EQ(t.ui.boxes.size(), 1u);
        EXPECT_EQ(t.ui.boxes[0].text, c.box);
        EXPECT_EQ(t.ui.boxes[0].icon, c.icon);
        EXPECT_EQ(t.ui.boxes[0].title, c.title);
        EXPECT_EQ(probeWhileShown, QByteArray("\"<HTML> <\\HTML>\"\r\n"));
        EXPECT_EQ(probeWhileShown.size(), 18);
    }
}

TEST_F(frmFavTest, OpenSiteNewWindowWithAnEmptyAddressEndsTheCommandLineWithTheBlank)
{
    File(QStringLiteral("Vuoto.url"), "[InternetShortcut]\r\n");
    Click(QStringLiteral("Vuoto_URL"));
    Window().mnuOpenSiteNew_Click();
    EXPECT_EQ(t.system.started, QStringList{t.fs->ProgramFolder() + QStringLiteral("\\VINDREL.EXE ")});
}

TEST_F(frmFavTest, OpenSiteNewWindowJoinsTheProgramFolderAsItIsAlsoAtADrivesRoot)
{
    t.environment[QStringLiteral("VINDREL_DRIVE_E")] = t.host(QStringLiteral("prog"));
    ASSERT_EQ(t.fs->ProgramFolder(), QStringLiteral("E:\\"));
    Click(QStringLiteral("Rai_URL"));

    Window().mnuOpenSiteNew_Click();
    EXPECT_EQ(t.system.findExecutableAsked, QStringList{QStringLiteral("E:\\\\temphtm.HTM")});
    EXPECT_EQ(t.system.started, QStringList{QStringLiteral("E:\\\\VINDREL.EXE http://www.rai.it/")});
    EXPECT_FALSE(t.HostFileExists(ProbeHostPath()));

    // The doubled backslash still reaches the probe in the program folder.
    t.system.findExecutableResult = 31;
    QByteArray probeWhileShown;
    t.ui.onMsgBox = [&](const FakeUi::Box&) { probeWhileShown = t.ReadHostFile(ProbeHostPath()); };
    Window().mnuOpenSiteNew_Click();
    EXPECT_EQ(probeWhileShown, QByteArray("\"<HTML> <\\HTML>\"\r\n"));
    EXPECT_FALSE(t.HostFileExists(ProbeHostPath()));
}

TEST_F(frmFavTest, OrganizeShowsTheDialogModallyAndLeavesTheTreeAsItWas)
{
    frmFav& w = Window();
    Shortcut(QStringLiteral("Dopo.url"), QStringLiteral("http://dopo/"));
    QString shownFolder;
    t.ui.onModal = [&](QWidget& dialog) {
        auto* organize = qobject_cast<OrganizeDialog*>(&dialog);
        ASSERT_TRUE(organize);
        EXPECT_TRUE(organize->isVisible());
        shownFolder = OrganizeDialog::PathOf(*organize->tvwPreferiti->topLevelItem(0));
    };
    Click(QStringLiteral("Rai_URL"));
    w.mnuOrganize->trigger();
    EXPECT_EQ(t.ui.modalRuns, 1);
    EXPECT_TRUE(shownFolder.startsWith(QStringLiteral("C:\\WINDOWS\\Favorites\\")));
    EXPECT_FALSE(Node(QStringLiteral("Dopo_URL")));
}

} // namespace
