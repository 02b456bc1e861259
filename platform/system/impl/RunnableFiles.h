#pragma once
#include <QString>
#include <QStringList>

// Whether opening a file in the desktop runs what it holds: true when it is executable (an
// execute bit, or a Windows program that Wine runs), when its extension is one of a program,
// script or launcher (Wine's included), or when the desktop's type database names a program type
// for it, by its name or by its contents (mimeTypes).
bool RunsAsProgram(const QString& fileName, const QStringList& mimeTypes, bool executable);

// The same for a regular file of the host, from its mode, name and contents; false for anything
// else.
bool HostFileRunsAsProgram(const QString& hostPath);
