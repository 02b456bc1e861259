#include "WebProfile.h"

#include "CookieSharing.h"
#include "platform/files/impl/ProfileDamage.h"

#include <QDir>
#include <QFileInfo>
#include <QWebEngineProfile>

#include <cstdio>

namespace {

const QString kProfileName = QStringLiteral("vindrel");
// Sites are told the user reads Italian first.
const QString kLanguages = QStringLiteral("it-IT,it;q=0.9,en;q=0.8");
// What a copy started meanwhile takes from the stored profile besides the cookies.
const QStringList kSeededFolders{QStringLiteral("Local Storage"), QStringLiteral("IndexedDB")};

void Say(const QString& text) { std::fprintf(stderr, "Vindrel: %s\n", qPrintable(text)); }

} // namespace

WebProfile::WebProfile(const WebProfilePlaces& places, bool holder, const QString& seededFolder)
{
    if (!MakePrivateFolder(places.root) || !MakePrivateFolder(places.handedOver)) {
        Say(QStringLiteral("impossibile creare la cartella del profilo web%1: i siti visitati non saranno "
                           "ricordati alla chiusura.")
                .arg(places.root.isEmpty() ? QString() : QLatin1Char(' ') + places.root));
        profile_ = std::make_unique<QWebEngineProfile>();
        profile_->setHttpAcceptLanguage(kLanguages);
        return;
    }
    holder ? OpenStored(places) : OpenSeeded(places, seededFolder);
    profile_->setHttpAcceptLanguage(kLanguages);
    sharing_ = std::make_unique<CookieSharing>(holder ? CookieSharing::Role::Holder : CookieSharing::Role::Guest,
                                               *profile_->cookieStore(), places.cookiesInUse, places.handedOver);
}

// The cookie sharing reads its store.
WebProfile::~WebProfile()
{
    sharing_.reset();
    profile_.reset();
}

void WebProfile::OpenStored(const WebProfilePlaces& places)
{
    const ProfileCheck check = SetAsideIfDamaged(places.storage);
    if (check.damaged && !check.movedTo.isEmpty())
        Say(QStringLiteral("il profilo web in %1 era danneggiato: è stato messo da parte in %2 e se ne comincia "
                           "uno nuovo.")
                .arg(places.storage, check.movedTo));
    else if (check.damaged)
        Say(QStringLiteral("il profilo web in %1 è danneggiato e non si può spostare: lo si usa così com'è.")
                .arg(places.storage));
    if (!MakePrivateFolder(places.cache))
        Say(QStringLiteral("impossibile creare la cartella %1: le pagine si terranno in memoria.").arg(places.cache));
    profile_ = std::make_unique<QWebEngineProfile>(kProfileName);
    profile_->setPersistentStoragePath(places.storage);
    profile_->setCachePath(places.cache);
    profile_->setHttpCacheType(QFileInfo(places.cache).isDir() ? QWebEngineProfile::DiskHttpCache
                                                               : QWebEngineProfile::MemoryHttpCache);
    profile_->setPersistentCookiesPolicy(QWebEngineProfile::AllowPersistentCookies);
}

void WebProfile::OpenSeeded(const WebProfilePlaces& places, const QString& folder)
{
    if (folder.isEmpty()) {
        Say(QStringLiteral("impossibile creare una cartella temporanea: questa finestra parte senza i dati "
                           "dei siti salvo i cookie."));
        profile_ = std::make_unique<QWebEngineProfile>();
        return;
    }
    for (const QString& name : kSeededFolders)
        CopyFolder(places.storage + QLatin1Char('/') + name, folder + QLatin1Char('/') + name);
    profile_ = std::make_unique<QWebEngineProfile>(kProfileName);
    profile_->setPersistentStoragePath(folder);
    profile_->setCachePath(folder + QStringLiteral("/cache"));
    profile_->setHttpCacheType(QWebEngineProfile::MemoryHttpCache);
}
