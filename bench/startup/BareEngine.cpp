// The floor for the start-up benchmark: a bare web view that opens one local page, pictures
// its window once the page has loaded and painted, and exits. Usage: bare_engine PAGE.html OUT.png
#include "platform/engine/impl/WebEngineBrowser.h"
#include "startup/ScreenshotMode.h"

#include <QApplication>
#include <QTimer>
#include <QUrl>
#include <QWebEngineView>

int main(int argc, char* argv[])
{
    PrepareWebEngineEnvironment();
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString output = QString::fromLocal8Bit(argv[2]);
    QWebEngineView view;
    view.resize(773, 500);
    // Pictured after the same wait for the first frame that the program's screenshot mode allows.
    const auto save = [&view, output]() { QCoreApplication::exit(view.grab().save(output, "PNG") ? 0 : 1); };
    QObject::connect(&view, &QWebEngineView::loadFinished, &view,
                     [&view, save]() { QTimer::singleShot(ScreenshotMode::kSettleMs, &view, save); });
    view.load(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    view.show();
    return app.exec();
}
