// Draws the README's pictures of the program's windows into a folder: each window over fakes
// (scripted processes, real files in a temporary folder), offscreen, with the contents shown.
// Run by scripts/screenshots.sh, which also pictures the main window of the built program.
#include "app/ProgramFont.h"
#include "browser/DownloadWindow.h"
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

#include <QApplication>
#include <QEventLoop>
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>

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

    OrganizeDialog organise(*t.program, QStringLiteral("C:\\WINDOWS\\Favorites"));
    organise.tvwPreferiti->expandAll();
    organise.tvwPreferiti->setCurrentItem(organise.tvwPreferiti->findItems(QStringLiteral("Notizie"), Qt::MatchExactly).value(0));
    album.Save(organise, "organize.png");
}

// A download that stays where the picture wants it: 12 MB offered, then 45 % received.
class PictureDownload : public Download {
public:
    qint64 received = 0;
    QString FileName() const override { return QStringLiteral("Catalogo_primavera_2003.zip"); }
    QString SourceAddress() const override { return QStringLiteral("http://www.negozio.it/listino/Catalogo_primavera_2003.zip"); }
    qint64 TotalBytes() const override { return 12 * 1024 * 1024; }
    qint64 ReceivedBytes() const override { return received; }
    State state() const override { return State::Receiving; }
    QString FailureText() const override { return {}; }
    QString SavedPath() const override { return {}; }
    bool SaveAsAsked() const override { return false; }
    void SaveTo(const QString&, bool) override {}
    void Cancel() override {}
};

// The download window asking, then receiving (after a few seconds, so that speed and time left
// are those of a real download).
void DownloadWindows(Album& album)
{
    TestProgram t;
    auto owned = std::make_unique<PictureDownload>();
    PictureDownload& download = *owned;
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

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
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
    return album.complete ? 0 : 1;
}
