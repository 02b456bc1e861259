// Draws the README's pictures of the program's windows into a folder: each window over fakes
// (scripted processes, real files in a temporary folder), offscreen, with the contents shown;
// the windows of pages over the real engine. Run by scripts/screenshots.sh, which also pictures
// the main window of the built program.
#include "app/ProgramFont.h"
#include "browser/downloads/DownloadWindow.h"
#include "browser/page/BlockedWindowsBar.h"
#include "browser/page/FindBar.h"
#include "browser/page/PermissionBar.h"
#include "browser/window/frmBrowser.h"
#include "fakes/FakeDownload.h"
#include "fakes/TestProgram.h"
#include "favourites/OrganizeDialog.h"
#include "favourites/FavouritesTree.h"
#include "favourites/frmFav.h"
#include "ietools/Test_URL.h"
#include "pageedit/Colore.h"
#include "pageedit/Form1.h"
#include "pageedit/Form2.h"
#include "pageedit/Form3.h"
#include "pageedit/Form4.h"
#include "platform/engine/impl/DriveAddresses.h"
#include "platform/engine/impl/WebEngineBrowser.h"
#include "platform/engine/impl/WebEngineEnvironment.h"
#include "platform/system/impl/QtUiServices.h"
#include "support/WaitUntil.h"

#include <QApplication>
#include <QEventLoop>
#include <QDir>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QWebEngineView>

#include <cstdio>

namespace {

// Where the pictures go; false once one could not be saved.
struct Album {
    QDir folder;
    bool complete = true;

    void Save(QWidget& window, const char* name)
    {
        window.show();
        const QString path = folder.filePath(QLatin1String(name));
        if (!window.grab().save(path, "PNG")) {
            std::fprintf(stderr, "cannot save %s\n", qPrintable(path));
            complete = false;
        }
    }
    void Missing(const char* what)
    {
        std::fprintf(stderr, "no picture: %s did not show\n", what);
        complete = false;
    }
};

// The page editor's windows on C:\HOME-PAG\INIZIO.HTM, with three background images beside it.
void EditorWindows(Album& album)
{
    TestProgram t;
    t.UseFakeBrowserWindow().tag = QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM");
    t.program->g.CARTELLA_HOME = QStringLiteral("C:\\HOME-PAG\\");
    t.WriteHostFile(QStringLiteral("C/HOME-PAG/INIZIO.HTM"), "<html><body></body></html>\r\n");
    const QColor colours[] = {QColor(230, 120, 60), QColor(60, 160, 90), QColor(80, 90, 200)};
    for (int i = 0; i < 3; ++i) {
        QImage image(48, 48, QImage::Format_RGB32);
        image.fill(colours[i]);
        image.save(t.host(QStringLiteral("C/HOME-PAG/SF%1.JPG").arg(i + 1)), "JPG");
    }
    album.Save(t.program->form<Form2>(), "form2.png");
    album.Save(t.program->form<Form1>(), "form1.png");
    album.Save(t.program->form<Form3>(), "form3.png");
    album.Save(t.program->form<Form4>(), "form4.png");
    t.program->form<Form3>().Command3_Click(0);
    album.Save(*t.program->loaded<Colore>(), "colore.png");
}

// The IE windows list with two Internet Explorer processes among others.
void IeWindowsList(Album& album)
{
    TestProgram t;
    const QString ie = QStringLiteral("C:\\Program Files\\Internet Explorer\\iexplore.exe");
    t.processes.table = {{0x1A4, ie}, {0x1B0, QStringLiteral("notepad.exe")}, {0x2C8, ie}};
    Test_URL& window = t.program->form<Test_URL>();
    album.Save(window, "test-url.png");
}

// The favourites viewer and the organise dialog on a small Favourites folder.
void Favourites(Album& album)
{
    TestProgram t;
    t.UseFakeBrowserWindow();
    t.system.favorites = QStringLiteral("C:\\WINDOWS\\Favorites");
    const std::pair<const char*, const char*> shortcuts[] = {
        {"Google", "http://www.google.it/"},
        {"Meteo Italia", "http://www.meteo.it/"},
        {"Repubblica", "http://www.repubblica.it/"},
        {"Notizie/Corriere della Sera", "http://www.corriere.it/"},
        {"Notizie/Rai News", "http://www.rainews.it/"},
        {"Notizie/Sport/Gazzetta", "http://www.gazzetta.it/"},
        {"Pagine locali/Inizio", "file:///C:/HOME-PAG/INIZIO.HTM"},
        {"Viaggi/Alitalia", "http://www.alitalia.it/"},
        {"Viaggi/Trenitalia", "http://www.trenitalia.it/"},
    };
    for (const auto& [name, address] : shortcuts)
        t.WriteHostFile(QStringLiteral("C/WINDOWS/Favorites/%1.url").arg(QLatin1String(name)),
                        QByteArray("[InternetShortcut]\r\nURL=") + address + "\r\n");

    frmFav& viewer = t.program->form<frmFav>();
    for (const char* folder : {"Notizie", "Viaggi"})
        viewer.Tree().Find(QLatin1String(folder))->setExpanded(true);
    viewer.TreeView1->setCurrentItem(viewer.Tree().Find(QStringLiteral("Rai News_URL")));
    album.Save(viewer, "favourites.png");

    // Another program saves a shortcut into an open folder while the window shows.
    t.WriteHostFile(QStringLiteral("C/WINDOWS/Favorites/Notizie/Il Post.url"),
                    QByteArray("[InternetShortcut]\r\nURL=http://www.ilpost.it/\r\n"));
    t.folderWatchers.back()->Change();
    if (WaitUntil([&viewer] { return viewer.Tree().Find(QStringLiteral("Il Post_URL")) != nullptr; }))
        album.Save(viewer, "favourites-live.png");
    else
        album.Missing("the shortcut saved by another program");

    OrganizeDialog organise(*t.program, QStringLiteral("C:\\WINDOWS\\Favorites"));
    organise.tvwPreferiti->expandAll();
    organise.tvwPreferiti->setCurrentItem(
        organise.tvwPreferiti->findItems(QStringLiteral("Notizie"), Qt::MatchExactly).value(0));
    album.Save(organise, "organize.png");
}

// A download that stays where the picture wants it: 12 MB offered, then as much received as set.
std::unique_ptr<FakeDownload> Catalogue()
{
    return std::make_unique<FakeDownload>(QStringLiteral("Catalogo_primavera_2003.zip"),
                                          QStringLiteral("http://www.negozio.it/listino/Catalogo_primavera_2003.zip"),
                                          12 * 1024 * 1024);
}

// The download window asking, then receiving (after a few seconds, so that speed and time left
// are those of a real download).
void DownloadWindows(Album& album)
{
    TestProgram t;
    auto owned = Catalogue();
    FakeDownload& download = *owned;
    DownloadWindow window(*t.program, std::move(owned), nullptr);
    album.Save(window, "download.png");
    window.cmdOpen->click();
    QEventLoop loop;
    QTimer::singleShot(3500, &loop, &QEventLoop::quit);
    loop.exec();
    download.received = download.TotalBytes() * 45 / 100;
    emit download.changed();
    album.Save(window, "download-progress.png");
}

// Lets the engine draw what it was given.
void LetPaint()
{
    QEventLoop loop;
    QTimer::singleShot(500, &loop, &QEventLoop::quit);
    loop.exec();
}

// What a person does at the keyboard, sent to a window's control.
void Press(QWidget& target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = {})
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(&target, &press);
}

// The main window on a page that opens two windows as it loads, both blocked; the second one
// opened after all, with its find bar; and closing with a download coming in.
void PageWindows(Album& album, const QDir& pages)
{
    TestProgram t;
    for (const char* name : {"OFFERTE.HTM", "PROMO.HTM"}) {
        QFile page(pages.filePath(QLatin1String(name)));
        page.open(QIODevice::ReadOnly);
        t.WriteHostFile(QStringLiteral("C/HOME-PAG/") + QLatin1String(name), page.readAll());
    }
    QtUiServices ui(*t.fs);
    Program program({ui, *t.fs, t.processes, t.system,
                     [&t](QWidget* parent) { return std::make_unique<WebEngineBrowser>(*t.fs, parent); }});
    program.SetBrowserWindow([&program]() -> BrowserWindow& { return program.form<frmBrowser>(); });
    program.g.INDIRIZZO_INIZIALE = QStringLiteral("C:\\HOME-PAG\\OFFERTE.HTM");
    frmBrowser& window = program.form<frmBrowser>();
    const auto notice = [&window] { return window.findChild<BlockedWindowsBar*>(); };
    if (!WaitUntil([&] { return !window.timTimer->isActive() && notice() && notice()->isVisible(); }))
        return album.Missing("the notice of blocked windows");
    LetPaint();
    album.Save(window, "blocked-windows.png");

    notice()->cmdOpen->click();
    QWidget* opened = nullptr;
    const bool shown = WaitUntil([&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && w->findChild<QWebEngineView*>()
                && w->windowTitle() == QLatin1String("Promozione di primavera"))
                opened = w;
        return opened != nullptr;
    });
    if (!shown)
        return album.Missing("the window opened after all");
    opened->resize(640, 300);
    Press(*opened, Qt::Key_F, Qt::ControlModifier);
    FindBar* find = opened->findChild<FindBar*>();
    if (!find)
        return album.Missing("its find bar");
    for (const QChar letter : QStringLiteral("sconto")) {
        Press(*find->txtFind, letter.toUpper().unicode(), Qt::NoModifier, letter);
        LetPaint(); // one search a letter, as a person types
    }
    WaitUntil([find] { return !find->lblResult->text().isEmpty(); });
    LetPaint();
    album.Save(*opened, "page-window.png");

    window.DownloadStarted(Catalogue());
    QTimer::singleShot(500, [&album] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            album.Save(*box, "closing-downloads.png");
            box->button(QMessageBox::No)->click();
        }
    });
    window.close();
}

// A site's question, as a page asks it; the picture answers nothing.
class SiteQuestion : public PermissionQuestion {
public:
    QString Site() const override { return QStringLiteral("www.meteo.it"); }
    PagePermission Permission() const override { return PagePermission::Location; }
    bool Waiting() const override { return true; }
    void Answer(bool) override {}
};

// The main window on its first page, with a site's question over the page.
void PermissionQuestionBar(Album& album, const QDir& pages)
{
    TestProgram t;
    QFile page(pages.filePath(QStringLiteral("INIZIO.HTM")));
    page.open(QIODevice::ReadOnly);
    t.WriteHostFile(QStringLiteral("C/HOME-PAG/INIZIO.HTM"), page.readAll());
    QtUiServices ui(*t.fs);
    Program program({ui, *t.fs, t.processes, t.system,
                     [&t](QWidget* parent) { return std::make_unique<WebEngineBrowser>(*t.fs, parent); }});
    program.SetBrowserWindow([&program]() -> BrowserWindow& { return program.form<frmBrowser>(); });
    program.g.INDIRIZZO_INIZIALE = QStringLiteral("C:\\HOME-PAG\\INIZIO.HTM");
    frmBrowser& window = program.form<frmBrowser>();
    if (!WaitUntil([&window] { return !window.timTimer->isActive(); }))
        return album.Missing("the first page");
    window.PermissionAsked(std::make_shared<SiteQuestion>());
    LetPaint();
    album.Save(window, "permission-bar.png");
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    PrepareWebEngineEnvironment();
    RegisterDriveSchemes();
    QApplication app(argc, argv);
    UseProgramFont();
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    Album album{QDir(QString::fromLocal8Bit(argv[1]))};
    EditorWindows(album);
    IeWindowsList(album);
    Favourites(album);
    DownloadWindows(album);
    PermissionQuestionBar(album, QDir(album.folder.filePath(QStringLiteral("pictures"))));
    PageWindows(album, QDir(album.folder.filePath(QStringLiteral("pictures"))));
    return album.complete ? 0 : 1;
}
