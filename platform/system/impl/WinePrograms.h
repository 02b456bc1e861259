#pragma once
#include <QString>

// Windows programs on the host run through Wine, in the prefix whose drives the program uses.

// True when the host file is a Windows program: it begins with "MZ", as DOS and Windows
// executables do (the kernel cannot run one itself).
bool IsWindowsProgram(const QString& hostFile);
// True when the text is a path on a drive ("C:\..." or "C:/..."): the kind of argument that
// names a file to a Windows program.
bool IsDrivePath(const QString& text);
// Wine's own name for a host file: through the drives of the prefix (its dosdevices), else Z:.
QString WineWindowsPath(const QString& winePrefix, const QString& hostFile);
