#pragma once
#include "platform/files/impl/WebProfilePlaces.h"

#include <memory>

class CookieSharing;
class QWebEngineProfile;

// The engine's profile for this run of the program: the user's stored one (cookies, local
// storage, IndexedDB, visited links, the cache on disk) for the copy that holds it; for a copy
// started while another holds it, a private one seeded from it, in a temporary folder, whose
// cookies are handed over to the holder. A damaged stored profile is set aside
// and a new one begun; without a folder of the user's for it, nothing is stored. What happens is
// said on standard error.
class WebProfile {
public:
    // holder: whether this copy holds the lock on places.storage; else seededFolder: the empty
    // private folder for its own profile (none: nothing but the cookies is seeded). The engine
    // writes there until it has ended, after the application object: the caller removes it then.
    WebProfile(const WebProfilePlaces& places, bool holder, const QString& seededFolder);
    ~WebProfile();
    WebProfile(const WebProfile&) = delete;
    WebProfile& operator=(const WebProfile&) = delete;

    QWebEngineProfile* profile() const { return profile_.get(); }

private:
    void OpenStored(const WebProfilePlaces& places);
    void OpenSeeded(const WebProfilePlaces& places, const QString& folder);

    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<CookieSharing> sharing_;
};
