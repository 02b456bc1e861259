#pragma once
#include <QString>

// Moves the finished file `fromHost` to `toHost` and returns where it went. replace: a file
// already there is replaced, as the user agreed; otherwise the first free name beside it is
// taken and no existing file is touched. On another file system the file is copied beside the
// target first, so the target's name never holds part of it. Throws VbError.
QString PlaceFile(const QString& fromHost, const QString& toHost, bool replace);

// The first free name for `host` in its folder: itself, or "name (n).ext".
QString FreeHostPath(const QString& host);
