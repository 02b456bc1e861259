#include "Main.h"
#include "ScreenshotMode.h"
#include "app/Program.h"
#include "app/ProgramFont.h"
#include "browser/window/frmBrowser.h"
#include "platform/engine/impl/DriveAddresses.h"
#include "platform/engine/impl/WebEngineBrowser.h"
#include "platform/engine/impl/WebProfile.h"
#include "platform/files/impl/DriveMap.h"
#include "platform/files/impl/HostFileSystem.h"
#include "platform/files/impl/HostFolderWatcher.h"
#include "platform/files/impl/ProfileLock.h"
#include "platform/system/impl/HostSystemServices.h"
#include "platform/system/impl/LinuxProcessService.h"
#include "platform/system/impl/QtUiServices.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QLibraryInfo>
#include <QTemporaryDir>
#include <QTranslator>

#include <optional>

int main(int argc, char* argv[])
{
    PrepareWebEngineEnvironment();
    RegisterDriveSchemes();
    // Held until the engine has gone with the application object: no copy started later opens
    // the stored profile while this one may still write it.
    const WebProfilePlaces webPlaces = WebProfilePlacesFor(DriveMap::ProcessEnvironment());
    const ProfileLock webLock(MakePrivateFolder(webPlaces.root) ? webPlaces.lock : QString());
    // A copy started while another holds the profile runs on a private one, gone with the engine.
    std::optional<QTemporaryDir> seeded;
    if (!webLock.held())
        seeded.emplace(QDir::tempPath() + QStringLiteral("/vindrel-XXXXXX"));
    QApplication app(argc, argv);
    UseProgramFont();
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/it.vindrel.Vindrel.png")));
    // Lets the desktop match the windows to the installed menu entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("it.vindrel.Vindrel"));
    // Qt's own dialogs (print, files) and controls speak the program's language.
    QTranslator qtItalian;
    if (qtItalian.load(QLocale(QLocale::Italian), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&qtItalian);

    HostFileSystem fs(DriveMap::FromProcessEnvironment(), QCoreApplication::applicationDirPath(),
                      UserProgramFolder(DriveMap::ProcessEnvironment()));
    QtUiServices ui(fs);
    LinuxProcessService processes;
    HostSystemServices system(fs);
    const WebProfile web(webPlaces, webLock.held(), seeded && seeded->isValid() ? seeded->path() : QString());
    // The shell has already split the command line; the program wants it back as one text.
    QStringList arguments = app.arguments();
    arguments.removeFirst();
    const QString argumentText = arguments.join(QLatin1Char(' '));
    // The engine fetches and lays out the first page while the window is built; the browser
    // window takes this control, which it is the first to ask for.
    auto first = std::make_unique<WebEngineBrowser>(fs, nullptr, web.profile());
    first->LoadAhead(FirstAddress(fs, argumentText));
    Program program(
        {ui, fs, processes, system,
         [&fs, &web, &first](QWidget* parent) -> std::unique_ptr<WebBrowser> {
             if (!first)
                 return std::make_unique<WebEngineBrowser>(fs, parent, web.profile());
             first->widget()->setParent(parent);
             return std::move(first);
         },
         [&fs](std::function<void()> changed) { return std::make_unique<HostFolderWatcher>(fs, std::move(changed)); }});
    program.SetBrowserWindow([&program]() -> BrowserWindow& { return program.form<frmBrowser>(); });
    Main(program, argumentText);

    std::optional<ScreenshotMode> screenshot;
    const QString screenshotFile = qEnvironmentVariable("VINDREL_SCREENSHOT");
    if (!screenshotFile.isEmpty()) {
        frmBrowser& window = program.form<frmBrowser>();
        screenshot.emplace(
            window, [&window]() { return window.Browser().Busy(); }, screenshotFile,
            [](int exitCode) { QCoreApplication::exit(exitCode); });
        screenshot->Start();
    }
    return app.exec();
}
