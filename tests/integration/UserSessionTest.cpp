// A user's whole session with the program over the real browser engine, offscreen: start on the
// home page, type an address, follow a link, go back, stop, add a banner to the page on display,
// open a site from the favourites, close and save the visited sites.
#include "browser/window/frmBrowser.h"
#include "fakes/TestProgram.h"
#include "favourites/FavouritesTree.h"
#include "favourites/frmFav.h"
#include "pageedit/Form2.h"
#include "pageedit/Form3.h"
#include "platform/engine/impl/WebEngineBrowser.h"
#include "platform/files/impl/HostFolderWatcher.h"
#include "startup/Main.h"
#include "support/ScriptResult.h"
#include "support/WaitUntil.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kHome = QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM");
const QString kSecond = QStringLiteral("C:\\HOME-PAG\\PAG2.HTM");
const QString kThird = QStringLiteral("C:\\HOME-PAG\\PAG3.HTM");
const QString kFourth = QStringLiteral("C:\\HOME-PAG\\PAG4.HTM");
const QString kEditPageCaption = QStringLiteral(" Modifica    pagina");

// A local page with CR LF lines, its body end on a line of its own; `link` may be empty.
QByteArray Page(const char* title, const char* link)
{
    QByteArray page = QByteArray("<html><head><title>") + title + "</title></head>\r\n<body>\r\n<p>" + title
                    + "</p>\r\n";
    if (*link)
        page += QByteArray("<p><a id=\"avanti\" href=\"") + link + "\">Avanti</a></p>\r\n";
    return page + "</body>\r\n</html>\r\n";
}

// Written by an earlier run: one web site, the start page, and a page this session visits again.
const QByteArray kOldVisitedSites = "http://www.tin.it/\r\n"
                                    "C:\\HOME-PAG\\INIZIO.HTM\r\n"
                                    "file:///C:/HOME-PAG/PAG3.HTM\r\n";

class UserSession : public ::testing::Test {
protected:
    UserSession()
    {
        t.WriteHostFile(QStringLiteral("C/HOME-PAG/INIZIO.HTM"), Page("Inizio", "PAG2.HTM"));
        t.WriteHostFile(QStringLiteral("C/HOME-PAG/PAG2.HTM"), Page("Pagina due", "PAG3.HTM"));
        t.WriteHostFile(QStringLiteral("C/HOME-PAG/PAG3.HTM"), Page("Pagina tre", ""));
        t.WriteHostFile(QStringLiteral("C/HOME-PAG/PAG4.HTM"), Page("Pagina quattro", ""));
        t.WriteHostFile(QStringLiteral("prog/VINDREL.DAT"), kOldVisitedSites);
        t.WriteHostFile(QStringLiteral("C/Preferiti/Quattro.url"),
                        "[InternetShortcut]\r\nURL=file:///C:/HOME-PAG/PAG4.HTM\r\n");
        t.system.favorites = QStringLiteral("C:\\Preferiti");

        // The program as the entry point builds it, with the real engine on a private profile.
        t.program = std::make_unique<Program>(
            ProgramServices{t.ui, *t.fs, t.processes, t.system,
                            [this](QWidget* parent) {
                                return std::make_unique<WebEngineBrowser>(*t.fs, parent, &profile);
                            },
                            [this](std::function<void()> changed) {
                                return std::make_unique<HostFolderWatcher>(*t.fs, std::move(changed));
                            }});
        t.program->SetBrowserWindow([this]() -> BrowserWindow& { return t.program->form<frmBrowser>(); });
    }
    ~UserSession() override
    {
        // Every page goes before its profile.
        t.program.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    frmBrowser& Window() { return t.program->form<frmBrowser>(); }
    QWebEngineView& View() { return *qobject_cast<QWebEngineView*>(Window().Browser().widget()); }

    // The page at `path` is loaded and the timer has gone idle on it.
    bool Shows(const QString& path)
    {
        frmBrowser& w = Window();
        return WaitUntil([&] { return !w.timTimer->isActive() && !w.Browser().Busy() && w.Tag == path; });
    }

    // The result of a script run in the page on display.
    QVariant RunScript(const QString& script) { return ScriptResult(*View().page(), script); }
    bool ShowsText(const QString& text)
    {
        return WaitUntil(
            [&] { return RunScript(QStringLiteral("document.body.innerText")).toString().contains(text); });
    }

    // A click of the mouse on the page's link, as the user gives it: the engine lets a page
    // that was left without one be skipped by Back.
    void ClickLink()
    {
        const QVariantList centre =
            RunScript(QStringLiteral("(() => { const r = document.getElementById('avanti').getBoundingClientRect();"
                                     " return [r.left + r.width / 2, r.top + r.height / 2]; })()"))
                .toList();
        ASSERT_EQ(centre.size(), 2) << "the page has no link";
        QWidget* surface = View().focusProxy();
        ASSERT_TRUE(surface);
        QTest::mouseClick(surface, Qt::LeftButton, {}, QPoint(centre[0].toInt(), centre[1].toInt()));
    }

    void ClickToolBar(const char* key)
    {
        QToolBar& bar = *Window().tbToolBar;
        auto* action = bar.findChild<QAction*>(QLatin1String(key));
        ASSERT_TRUE(action) << key;
        qobject_cast<QAbstractButton*>(bar.widgetForAction(action))->click();
    }

    // Clicks the node in the tree, then the entry of the menu that the click brings up.
    void ClickShortcutAndChoose(frmFav& favourites, const QString& key, QAction* entry)
    {
        QTreeWidgetItem* node = favourites.Tree().Find(key);
        ASSERT_TRUE(node) << key.toStdString();
        favourites.TreeView1->scrollToItem(node);
        QTest::mouseClick(favourites.TreeView1->viewport(), Qt::LeftButton, {},
                          favourites.TreeView1->visualItemRect(node).center());
        QMenu& menu = *favourites.mnuPopupURL;
        ASSERT_TRUE(WaitUntil([&] { return menu.isVisible(); })) << "no menu on the shortcut";
        QTest::mouseClick(&menu, Qt::LeftButton, {}, menu.actionGeometry(entry).center());
    }

    QWebEngineProfile profile; // off the record: the session leaves nothing on disk
    TestProgram t;
};

TEST_F(UserSession, BrowsesEditsOpensAFavouriteAndSavesTheVisitedSites)
{
    ASSERT_TRUE(t.HostFileExists(QStringLiteral("C/HOME-PAG/INIZIO.HTM")));
    Main(*t.program, QString());
    frmBrowser& w = Window();
    ASSERT_TRUE(Shows(kHome)) << "the home page did not load";
    EXPECT_EQ(t.program->g.CARTELLA_HOME, QStringLiteral("C:\\HOME-PAG\\"));

    {
        SCOPED_TRACE("typing an address and Enter");
        w.cboAddress->lineEdit()->selectAll();
        QTest::keyClicks(w.cboAddress, kSecond); // where the keys go: the box, not its inner field
        QTest::keyClick(w.cboAddress, Qt::Key_Return);
        ASSERT_TRUE(Shows(kSecond));
        EXPECT_EQ(w.AddressText(), QStringLiteral("file:///C:/HOME-PAG/PAG2.HTM"));
        EXPECT_EQ(w.Command1->text(), kEditPageCaption);
        EXPECT_EQ(t.program->g.PERCORSO_PAGINA, kSecond);
    }
    {
        SCOPED_TRACE("following a link");
        ASSERT_TRUE(ShowsText(QStringLiteral("Pagina due")));
        ClickLink();
        ASSERT_TRUE(Shows(kThird));
        EXPECT_TRUE(ShowsText(QStringLiteral("Pagina tre")));
    }
    {
        SCOPED_TRACE("Back, then Stop");
        ClickToolBar("Back");
        ASSERT_TRUE(Shows(kSecond));
        ClickToolBar("Stop");
        EXPECT_FALSE(w.timTimer->isActive());
        EXPECT_EQ(w.Tag, kSecond);
        EXPECT_EQ(w.AddressText(), QStringLiteral("file:///C:/HOME-PAG/PAG2.HTM"));
    }
    {
        SCOPED_TRACE("a banner on the page on display");
        w.Command1->click();
        Form2* menu = t.program->loaded<Form2>();
        ASSERT_TRUE(menu && menu->isVisible()) << "the edit menu did not open";
        menu->Command2->click(); // "Crea una scritta"
        Form3* banner = t.program->loaded<Form3>();
        ASSERT_TRUE(banner && banner->isVisible()) << "the banner window did not open";
        QTest::keyClicks(banner->Text1, QStringLiteral("Benvenuti"));
        banner->Check1->click();   // bold
        banner->Command1->click(); // "Conferma"
        EXPECT_EQ(t.program->loaded<Form3>(), nullptr) << "the banner window stayed open";
        EXPECT_TRUE(ShowsText(QStringLiteral("Benvenuti"))) << "the browser did not show the rewritten page";
        EXPECT_TRUE(Shows(kSecond));
    }
    {
        SCOPED_TRACE("Open Site from the favourites");
        w.Command3->click(); // "Vedo Link Preferiti"
        frmFav* favourites = t.program->loaded<frmFav>();
        ASSERT_TRUE(favourites && favourites->isVisible()) << "the favourites window did not open";
        ClickShortcutAndChoose(*favourites, QStringLiteral("Quattro_URL"), favourites->mnuOpenSite);
        ASSERT_TRUE(Shows(kFourth));
        EXPECT_TRUE(ShowsText(QStringLiteral("Pagina quattro")));
        EXPECT_FALSE(favourites->isVisible());
        EXPECT_EQ(w.Command1->text(), kEditPageCaption);
        EXPECT_FALSE(t.ui.hourglass);
    }
    {
        SCOPED_TRACE("closing and saving the visited sites");
        t.ui.answers.push_back(MsgAnswer::Yes);
        w.close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(t.ui.ended, 1);
        EXPECT_EQ(t.program->loaded<frmBrowser>(), nullptr);
        EXPECT_EQ(t.program->loaded<frmFav>(), nullptr);
        EXPECT_EQ(t.program->loaded<Form2>(), nullptr);
    }

    // The only box of the whole session is the question on closing.
    ASSERT_EQ(t.ui.boxes.size(), 1u) << t.ui.texts().join(QLatin1Char('|')).toStdString();
    EXPECT_EQ(t.ui.boxes[0].text, QStringLiteral("Desideri registrare i Link dei Siti Internet visualizzati (S/N)"));
    EXPECT_EQ(t.ui.boxes[0].buttons, MsgButtons::YesNo);
    EXPECT_EQ(t.ui.boxes[0].title, QStringLiteral("Chiusura Vindrel"));
    EXPECT_EQ(t.ui.beeps, 0);

    // The start address first, the old file's lines, then every page seen, each once.
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("prog/VINDREL.DAT")), QByteArray("C:\\HOME-PAG\\INIZIO.HTM\r\n"
                                                                             "http://www.tin.it/\r\n"
                                                                             "file:///C:/HOME-PAG/PAG3.HTM\r\n"
                                                                             "file:///C:/HOME-PAG/INIZIO.HTM\r\n"
                                                                             "file:///C:/HOME-PAG/PAG2.HTM\r\n"
                                                                             "file:///C:/HOME-PAG/PAG4.HTM\r\n"));
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("C/HOME-PAG/PAG2.HTM")),
              QByteArray("<html><head><title>Pagina due</title></head>\r\n"
                         "<body>\r\n"
                         "<p>Pagina due</p>\r\n"
                         "<p><a id=\"avanti\" href=\"PAG3.HTM\">Avanti</a></p>\r\n"
                         "</body>\r\n"
                         "<H2><p align=\"left\"><font color=\"#FFFF80\"><strong>Benvenuti</strong></font></p></H2>\r\n"
                         "</html>\r\n"));
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("C/HOME-PAG/PAG2.HT_")), Page("Pagina due", "PAG3.HTM"));
    EXPECT_EQ(t.ReadHostFile(QStringLiteral("C/HOME-PAG/INIZIO.HTM")), Page("Inizio", "PAG2.HTM"));
    EXPECT_TRUE(t.system.started.isEmpty()) << "a second copy was started";
    EXPECT_TRUE(t.processes.terminated.empty());
}

} // namespace
