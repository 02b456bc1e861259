#include "CookieSharing.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryFile>
#include <QUrl>
#include <QWebEngineCookieStore>

#include <cstdio>

namespace {

const QString kHandOverSuffix = QStringLiteral(".cookies");
constexpr int kLoadStoredAfterMs = 1000;
constexpr int kLookForHandOversMs = 1000;

QByteArray ReadAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Written whole or not at all: a reader never meets half a file.
bool WriteWhole(const QString& path, const QByteArray& contents)
{
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(contents) == contents.size() && file.commit();
}

// Whole, as above, without waiting for the disk: the file only passes cookies to a copy running
// meanwhile and goes with the holder, so a wait on every change would only stall the window.
bool ReplaceWhole(const QString& path, const QByteArray& contents)
{
    QTemporaryFile file(path + QStringLiteral(".XXXXXX"));
    file.setAutoRemove(false);
    const bool written = file.open() && file.write(contents) == contents.size() && file.flush();
    file.close();
    if (written
        && std::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) == 0)
        return true;
    QFile::remove(file.fileName());
    return false;
}

} // namespace

CookieSharing::CookieSharing(Role role, QWebEngineCookieStore& store, QString inUse, QString handedOver)
    : role_(role), store_(store), inUse_(std::move(inUse)), handedOver_(std::move(handedOver))
{
    if (role_ == Role::Guest) {
        for (const QNetworkCookie& cookie : CookiesOfLines(ReadAll(inUse_))) {
            seeded_.insert(CookieKey(cookie), cookie);
            Put(cookie);
        }
        jar_ = seeded_; // one the engine turns down is no removal
    }
    connect(&store_, &QWebEngineCookieStore::cookieAdded, this, &CookieSharing::Added);
    connect(&store_, &QWebEngineCookieStore::cookieRemoved, this, &CookieSharing::Removed);
    if (role_ == Role::Holder) {
        writeSoon_.setSingleShot(true);
        writeSoon_.setInterval(500);
        connect(&writeSoon_, &QTimer::timeout, this, [this] {
            if (unwritten_)
                Changed();
        });
        WriteInUse(); // no earlier holder's cookies for a guest to meet
        TakeHandedOver(true);
        // Looked for now and then rather than watched: closing a watch of the file system makes
        // the kernel wait for all its readers, which held every end of the program for a while.
        lookForHandOvers_.setInterval(kLookForHandOversMs);
        connect(&lookForHandOvers_, &QTimer::timeout, this, [this] { TakeHandedOver(false); });
        lookForHandOvers_.start();
        // The stored cookies once the first page has had the start to itself: they are only
        // wanted by a copy started later.
        QTimer::singleShot(kLoadStoredAfterMs, this, [this] { store_.loadAllCookies(); });
    }
}

CookieSharing::~CookieSharing()
{
    if (role_ == Role::Holder) {
        // Session cookies among them: they go with the session.
        QFile::remove(inUse_);
        return;
    }
    const QList<QNetworkCookie> changes = CookieChanges(seeded_, jar_);
    const QString name = QStringLiteral("%1/%2-%3%4")
                             .arg(handedOver_)
                             .arg(QCoreApplication::applicationPid())
                             .arg(QDateTime::currentMSecsSinceEpoch())
                             .arg(kHandOverSuffix);
    if (!changes.isEmpty() && !WriteWhole(name, CookieLinesOf(changes)))
        qWarning("Vindrel: i cookie di questa finestra non si sono potuti passare all'altra copia (%s).",
                 qPrintable(name));
}

void CookieSharing::Added(const QNetworkCookie& cookie)
{
    jar_.insert(CookieKey(cookie), cookie);
    Changed();
}

void CookieSharing::Removed(const QNetworkCookie& cookie)
{
    jar_.remove(CookieKey(cookie));
    Changed();
}

// A login is written at once, for a copy started right after it; a site that keeps setting
// cookies costs one write in a while.
void CookieSharing::Changed()
{
    if (role_ != Role::Holder)
        return;
    if (writeSoon_.isActive()) {
        unwritten_ = true;
        return;
    }
    WriteInUse();
    writeSoon_.start();
}

void CookieSharing::WriteInUse()
{
    unwritten_ = false;
    if (!ReplaceWhole(inUse_, CookieLinesOf(jar_.values())))
        qWarning("Vindrel: impossibile scrivere %s: un'altra copia partirà senza i cookie di questa.",
                 qPrintable(inUse_));
}

void CookieSharing::TakeHandedOver(bool atStart)
{
    const QDir folder(handedOver_);
    for (const QString& name : folder.entryList({QLatin1Char('*') + kHandOverSuffix}, QDir::Files, QDir::Name)) {
        const QString path = folder.filePath(name);
        for (const QNetworkCookie& cookie : CookiesOfLines(ReadAll(path)))
            // A guest's session ended with it, unless this session is still on.
            if (!atStart || !cookie.isSessionCookie())
                Put(cookie);
        QFile::remove(path);
    }
}

void CookieSharing::Put(QNetworkCookie cookie)
{
    // The store reads a cookie without a domain as one of the origin's host alone.
    QString host = cookie.domain();
    if (host.startsWith(QLatin1Char('.')))
        host.remove(0, 1);
    else
        cookie.setDomain(QString());
    QUrl origin;
    origin.setScheme(cookie.isSecure() ? QStringLiteral("https") : QStringLiteral("http"));
    origin.setHost(host);
    origin.setPath(cookie.path().isEmpty() ? QStringLiteral("/") : cookie.path());
    if (IsCookieRemoval(cookie))
        store_.deleteCookie(cookie, origin);
    else
        store_.setCookie(cookie, origin);
}
