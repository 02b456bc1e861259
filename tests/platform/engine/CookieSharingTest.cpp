// Cookies shared by two copies of the program, each on a store of the real engine.
#include "platform/engine/impl/CookieSharing.h"
#include "support/WaitUntil.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWebEngineCookieStore>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <gtest/gtest.h>

namespace {

QByteArray Contents(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QNetworkCookie Cookie(const char* name, const char* value)
{
    QNetworkCookie cookie(name, value);
    cookie.setPath(QStringLiteral("/"));
    cookie.setExpirationDate(QDateTime::currentDateTimeUtc().addYears(1));
    return cookie;
}

TEST(CookieSharing, AGuestStartsWithTheHoldersCookiesAndHandsBackWhatItChanged)
{
    QTemporaryDir root;
    const QString inUse = root.filePath(QStringLiteral("cookies-in-use"));
    const QString handedOver = root.filePath(QStringLiteral("handed-over"));
    ASSERT_TRUE(QDir().mkpath(handedOver));
    const QUrl site(QStringLiteral("http://127.0.0.1/"));
    QWebEngineProfile holderProfile, guestProfile; // off the record
    // A store takes cookies once a page has brought its profile up.
    QWebEnginePage holderPage(&holderProfile), guestPage(&guestProfile);
    int loaded = 0;
    for (QWebEnginePage* page : {&holderPage, &guestPage}) {
        QObject::connect(page, &QWebEnginePage::loadFinished, [&loaded] { ++loaded; });
        page->setHtml(QStringLiteral("<p>x</p>"));
    }
    ASSERT_TRUE(WaitUntil([&] { return loaded == 2; }));
    QWebEngineCookieStore& holderStore = *holderProfile.cookieStore();
    QWebEngineCookieStore& guestStore = *guestProfile.cookieStore();
    QStringList guestHas;
    QObject::connect(&guestStore, &QWebEngineCookieStore::cookieAdded, [&](const QNetworkCookie& c) {
        guestHas << QString::fromUtf8(c.name() + '=' + c.value() + '@' + c.domain().toUtf8());
    });
    {
        const CookieSharing holder(CookieSharing::Role::Holder, holderStore, inUse, handedOver);
        QNetworkCookie login = Cookie("utente", "anna");
        login.setHttpOnly(true); // as sites keep their logins from scripts
        holderStore.setCookie(login, site);
        ASSERT_TRUE(WaitUntil([&] { return Contents(inUse).contains("utente=anna"); }));
        {
            const CookieSharing guest(CookieSharing::Role::Guest, guestStore, inUse, handedOver);
            ASSERT_TRUE(WaitUntil([&] { return guestHas.contains(QStringLiteral("utente=anna@127.0.0.1")); }));
            guestStore.setCookie(Cookie("seconda", "si"), site);
            ASSERT_TRUE(WaitUntil([&] { return guestHas.contains(QStringLiteral("seconda=si@127.0.0.1")); }));
        }
        // Taken in while the holder runs, and kept among its cookies for the next copy.
        ASSERT_TRUE(WaitUntil([&] { return Contents(inUse).contains("seconda=si"); })) << Contents(inUse).constData();
        EXPECT_TRUE(QDir(handedOver).isEmpty());
        EXPECT_EQ(Contents(inUse).count("utente=anna"), 1); // the guest gave back none it only received
    }
    EXPECT_FALSE(QFile::exists(inUse)); // session cookies among them: gone with the holder
}

} // namespace
