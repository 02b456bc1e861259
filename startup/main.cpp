#include "Main.h"
#include "Program.h"
#include "browser/frmBrowser.h"
#include "platform/DriveMap.h"
#include "platform/HostFileSystem.h"
#include "platform/HostSystemServices.h"
#include "platform/LinuxProcessService.h"
#include "platform/QtUiServices.h"
#include "platform/WebEngineBrowser.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    PrepareWebEngineEnvironment();
    QApplication app(argc, argv);

    HostFileSystem fs(DriveMap::FromProcessEnvironment(), QCoreApplication::applicationDirPath());
    QtUiServices ui(fs);
    LinuxProcessService processes;
    HostSystemServices system(fs);
    Program program({ui, fs, processes, system,
                     [&fs](QWidget* parent) { return std::make_unique<WebEngineBrowser>(fs, parent); }});
    program.SetBrowserWindow([&program]() -> BrowserWindow& { return program.form<frmBrowser>(); });

    QStringList arguments = app.arguments();
    arguments.removeFirst();
    Main(program, arguments.join(QLatin1Char(' ')));
    return app.exec();
}
