// The floor for the start-up benchmark: a bare web view that opens one local page, pictures
// its window once the page has loaded and painted, and exits. Given a profile folder, the view
// keeps its data and cache there, as a browser that remembers does.
// Usage: bare_engine PAGE.html OUT.png [PROFILE_FOLDER]
#include "platform/engine/impl/WebEngineBrowser.h"
#include "startup/ScreenshotMode.h"

#include <QApplication>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <memory>

int main(int argc, char* argv[])
{
    PrepareWebEngineEnvironment();
    QApplication app(argc, argv);
    if (argc < 3)
        return 2;
    const QString output = QString::fromLocal8Bit(argv[2]);
    std::unique_ptr<QWebEngineProfile> profile;
    if (argc > 3) {
        const QString folder = QString::fromLocal8Bit(argv[3]);
        profile = std::make_unique<QWebEngineProfile>(QStringLiteral("bare"));
        profile->setPersistentStoragePath(folder + QStringLiteral("/data"));
        profile->setCachePath(folder + QStringLiteral("/cache"));
        profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    }
    QWebEngineView view;
    if (profile)
        view.setPage(new QWebEnginePage(profile.get(), &view));
    view.resize(773, 500);
    // Pictured after the same wait for the first frame that the program's screenshot mode allows.
    const auto save = [&view, output]() { QCoreApplication::exit(view.grab().save(output, "PNG") ? 0 : 1); };
    QObject::connect(&view, &QWebEngineView::loadFinished, &view,
                     [&view, save]() { QTimer::singleShot(ScreenshotMode::kSettleMs, &view, save); });
    view.load(QUrl::fromLocalFile(QString::fromLocal8Bit(argv[1])));
    view.show();
    const int code = app.exec();
    delete view.page(); // before its profile
    return code;
}
