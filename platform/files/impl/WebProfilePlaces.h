#pragma once
#include "DriveMap.h"

#include <QString>

// Where the user's web profile lives: its data under the user's data folder, its cache under the
// user's cache folder, never beside the program. Every field is empty when the user has no such
// folders (no HOME, no XDG variables).
struct WebProfilePlaces {
    QString root;         // $XDG_DATA_HOME/vindrel/web
    QString storage;      // the engine's stored data: cookies, local storage, visited links
    QString lock;         // held by the copy of the program that uses storage
    QString cookiesInUse; // that copy's cookies as they are, for copies started meanwhile
    QString handedOver;   // cookies the other copies set, left there for the holder to take in
    QString cache;        // $XDG_CACHE_HOME/vindrel
};

WebProfilePlaces WebProfilePlacesFor(const DriveMap::Environment& environment);

// Makes the folder at path, and its parents, each it makes readable by the user alone (0700);
// true when it is there afterwards.
bool MakePrivateFolder(const QString& path);

// Copies the folder from, with everything under it, to the new folder to; false when from is
// missing or any of it could not be copied.
bool CopyFolder(const QString& from, const QString& to);
