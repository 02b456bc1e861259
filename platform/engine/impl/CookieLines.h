#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QNetworkCookie>

// Cookies as two copies of the program hand them to each other: one a line, the domain first
// (kept apart, so that a cookie of one host alone stays one of that host alone), then the cookie
// as a server would set it.

// The cookies a copy has, each under its name, domain and path.
using CookieJar = QMap<QByteArray, QNetworkCookie>;
QByteArray CookieKey(const QNetworkCookie& cookie);

QByteArray CookieLinesOf(const QList<QNetworkCookie>& cookies);
// Lines that are not cookies are passed over.
QList<QNetworkCookie> CookiesOfLines(const QByteArray& lines);

// What became of the cookies of before in now: those added or changed, and those gone, these
// given an expiry in the past (which a cookie store takes as their removal).
QList<QNetworkCookie> CookieChanges(const CookieJar& before, const CookieJar& now);
// Whether the cookie stands for the removal of one.
bool IsCookieRemoval(const QNetworkCookie& cookie);
