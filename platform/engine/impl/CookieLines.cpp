#include "CookieLines.h"

#include <QDateTime>

namespace {

const QDateTime kRemoved = QDateTime::fromSecsSinceEpoch(0, Qt::UTC);

} // namespace

QByteArray CookieKey(const QNetworkCookie& cookie)
{
    return cookie.name() + '\t' + cookie.domain().toUtf8() + '\t' + cookie.path().toUtf8();
}

QByteArray CookieLinesOf(const QList<QNetworkCookie>& cookies)
{
    QByteArray lines;
    for (QNetworkCookie cookie : cookies) {
        const QByteArray domain = cookie.domain().toUtf8();
        cookie.setDomain(QString());
        lines += domain + '\t' + cookie.toRawForm(QNetworkCookie::Full) + '\n';
    }
    return lines;
}

QList<QNetworkCookie> CookiesOfLines(const QByteArray& lines)
{
    QList<QNetworkCookie> cookies;
    for (const QByteArray& line : lines.split('\n')) {
        const qsizetype tab = line.indexOf('\t');
        if (tab <= 0)
            continue;
        const QList<QNetworkCookie> parsed = QNetworkCookie::parseCookies(line.mid(tab + 1));
        if (parsed.size() != 1)
            continue;
        QNetworkCookie cookie = parsed.constFirst();
        cookie.setDomain(QString::fromUtf8(line.left(tab)));
        cookies << cookie;
    }
    return cookies;
}

QList<QNetworkCookie> CookieChanges(const CookieJar& before, const CookieJar& now)
{
    QList<QNetworkCookie> changes;
    for (auto it = now.cbegin(); it != now.cend(); ++it) {
        const auto old = before.constFind(it.key());
        if (old == before.cend() || old->toRawForm() != it->toRawForm())
            changes << *it;
    }
    for (auto it = before.cbegin(); it != before.cend(); ++it) {
        if (now.contains(it.key()))
            continue;
        QNetworkCookie removal = *it;
        removal.setExpirationDate(kRemoved);
        changes << removal;
    }
    return changes;
}

bool IsCookieRemoval(const QNetworkCookie& cookie) { return cookie.expirationDate() == kRemoved; }
