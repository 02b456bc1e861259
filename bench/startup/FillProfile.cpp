// Fills a web profile as a long-used browser's is filled, for the start-up benchmark: cookies of
// many sites, and the HTTP cache through a page that fetches what a local server gives to keep.
// Usage: fill_profile DATA_FOLDER CACHE_FOLDER COOKIES FILL_PAGE_URL
// The page sets its title to "pieno" once it has fetched everything; then the profile is closed,
// which writes the cookies out.
#include "platform/engine/impl/WebEngineEnvironment.h"

#include <QApplication>
#include <QNetworkCookie>
#include <QUrl>
#include <QWebEngineCookieStore>
#include <QWebEnginePage>
#include <QWebEngineProfile>

#include <memory>

int main(int argc, char* argv[])
{
    PrepareWebEngineEnvironment();
    QApplication app(argc, argv);
    if (argc < 5)
        return 2;
    auto profile = std::make_unique<QWebEngineProfile>(QStringLiteral("fill"));
    profile->setPersistentStoragePath(QString::fromLocal8Bit(argv[1]));
    profile->setCachePath(QString::fromLocal8Bit(argv[2]));
    profile->setHttpCacheType(QWebEngineProfile::DiskHttpCache);
    profile->setHttpCacheMaximumSize(400 << 20);
    constexpr int kPerSite = 100;
    const int cookies = QString::fromLocal8Bit(argv[3]).toInt();
    for (int i = 0; i < cookies; ++i) {
        const QString site = QStringLiteral("sito%1.it").arg(i / kPerSite);
        QNetworkCookie cookie(QByteArray("c") + QByteArray::number(i % kPerSite), QByteArray(40, 'v'));
        cookie.setPath(QStringLiteral("/"));
        cookie.setExpirationDate(QDateTime::currentDateTimeUtc().addYears(1));
        profile->cookieStore()->setCookie(cookie, QUrl(QStringLiteral("http://") + site + QLatin1Char('/')));
    }
    auto page = std::make_unique<QWebEnginePage>(profile.get());
    QObject::connect(page.get(), &QWebEnginePage::titleChanged, &app, [](const QString& title) {
        if (title == QLatin1String("pieno"))
            QCoreApplication::exit(0);
    });
    page->load(QUrl(QString::fromLocal8Bit(argv[4])));
    const int code = app.exec();
    page.reset();
    profile.reset();
    return code;
}
