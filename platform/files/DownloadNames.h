#pragma once
#include <QString>
#include <functional>

class FileSystem;

// The name a server or page offers for a file, made safe to create in a folder: its last part
// only, without control characters and direction marks, "_" for the characters Windows forbids
// in a name, without blanks and dots at its ends (so never hidden), not too long; "download"
// when nothing is left.
QString SafeFileName(const QString& offered);

// `name` when `taken` says it is free, else the first free "stem (n).ext" (n from 1), with
// ".tar.gz"-style double extensions kept whole.
QString FreeFileName(const QString& name, const std::function<bool(const QString& name)>& taken);

// Where a file named `name` is proposed to be saved in `folder` (Windows form): under the first
// name not yet taken there (a link that leads nowhere takes its name).
QString FreeSavePath(FileSystem& fs, const QString& folder, const QString& name);
