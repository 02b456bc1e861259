#pragma once
#include "DriveMap.h"

#include <QStringList>

// The user's data folder: $XDG_DATA_HOME, else ~/.local/share; empty when neither names an
// absolute folder (a relative value is ignored, as the desktop's base-directory rules say).
QString XdgDataHome(const DriveMap::Environment& environment);
// The user's cache folder: $XDG_CACHE_HOME, else ~/.cache; empty as above.
QString XdgCacheHome(const DriveMap::Environment& environment);
// Where shared data is looked for, most important first: the user's data folder, then
// $XDG_DATA_DIRS (by default /usr/local/share and /usr/share).
QStringList XdgDataFolders(const DriveMap::Environment& environment);
// The user's download folder, as the desktop names it (XDG_DOWNLOAD_DIR of user-dirs.dirs, else
// ~/Downloads), created when missing; the system's temporary folder when it cannot be.
QString XdgDownloadFolder();
