#include "platform/engine/impl/CookieLines.h"

#include <QDateTime>
#include <gtest/gtest.h>

namespace {

QNetworkCookie Cookie(const char* name, const char* value, const QString& domain)
{
    QNetworkCookie cookie(name, value);
    cookie.setDomain(domain);
    cookie.setPath(QStringLiteral("/"));
    return cookie;
}

TEST(CookieLines, CookiesComeBackAsTheyWentWithTheirHostAlone)
{
    QNetworkCookie hostOnly = Cookie("utente", "anna", QStringLiteral("127.0.0.1"));
    hostOnly.setExpirationDate(QDateTime(QDate(2031, 5, 6), QTime(7, 8, 9), Qt::UTC));
    hostOnly.setHttpOnly(true);
    hostOnly.setSameSitePolicy(QNetworkCookie::SameSite::Strict);
    QNetworkCookie domain = Cookie("sessione", "a=b", QStringLiteral(".esempio.it"));
    domain.setSecure(true);
    const QList<QNetworkCookie> cookies{hostOnly, domain};

    const QByteArray lines = CookieLinesOf(cookies) + "not a cookie\n\t\n";
    const QList<QNetworkCookie> back = CookiesOfLines(lines);
    ASSERT_EQ(back.size(), 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(back[i].toRawForm(), cookies[i].toRawForm());
        EXPECT_EQ(back[i].domain(), cookies[i].domain()); // no dot put before a host's own
    }
}

TEST(CookieLines, ChangesAreWhatWasAddedChangedOrRemoved)
{
    const QString host = QStringLiteral("127.0.0.1");
    CookieJar before, now;
    for (const QNetworkCookie& c : {Cookie("kept", "1", host), Cookie("changed", "1", host), Cookie("gone", "1", host)})
        before.insert(CookieKey(c), c);
    for (const QNetworkCookie& c : {Cookie("kept", "1", host), Cookie("changed", "2", host), Cookie("new", "1", host),
                                    Cookie("kept", "1", QStringLiteral("altro.it"))})
        now.insert(CookieKey(c), c);

    QStringList changes;
    for (const QNetworkCookie& c : CookieChanges(before, now))
        changes << QString::fromUtf8(c.name() + '=' + c.value() + '@' + c.domain().toUtf8()
                                     + (IsCookieRemoval(c) ? " removed" : ""));
    changes.sort();
    EXPECT_EQ(changes,
              QStringList({"changed=2@127.0.0.1", "gone=1@127.0.0.1 removed", "kept=1@altro.it", "new=1@127.0.0.1"}));
    EXPECT_TRUE(CookieChanges(before, before).isEmpty());
}

} // namespace
