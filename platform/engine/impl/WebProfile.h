#pragma once
#include "platform/files/impl/WebProfilePlaces.h"

#include <QTemporaryDir>
#include <memory>

class CookieSharing;
class QWebEngineProfile;

// The engine's profile for this run of the program: the user's stored one (cookies, local
// storage, IndexedDB, visited links, the cache on disk) for the copy that holds it; for a copy
// started while another holds it, a private one seeded from it, in a temporary folder that goes
// at the end, whose cookies are handed over to the holder. A damaged stored profile is set aside
// and a new one begun; without a folder of the user's for it, nothing is stored. What happens is
// said on standard error.
class WebProfile {
public:
    // holder: whether this copy holds the lock on places.storage.
    WebProfile(const WebProfilePlaces& places, bool holder);
    ~WebProfile();
    WebProfile(const WebProfile&) = delete;
    WebProfile& operator=(const WebProfile&) = delete;

    QWebEngineProfile* profile() const { return profile_.get(); }

private:
    void OpenStored(const WebProfilePlaces& places);
    void OpenSeeded(const WebProfilePlaces& places);

    std::unique_ptr<QTemporaryDir> seeded_;
    std::unique_ptr<QWebEngineProfile> profile_;
    std::unique_ptr<CookieSharing> sharing_;
};
