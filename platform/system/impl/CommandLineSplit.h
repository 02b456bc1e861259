#pragma once
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

// A program to start and what it is given.
struct ProgramCommand {
    QString program;       // host path
    QStringList arguments; // none, or the rest of the command line as one argument
};

// Host path of the existing file a Windows-form name names, or empty.
using ExistingFileLookup = std::function<QString(const QString& windowsName)>;

// Splits a Windows-form command line: the program is the shortest prefix ending at a blank (or
// at the end) that names an existing file, a name ending in ".exe" (any case) also naming the
// file without it; whatever follows that blank is one argument, unchanged. nullopt when no
// prefix names a file.
std::optional<ProgramCommand> SplitCommandLine(const QString& commandLine, const ExistingFileLookup& findFile);
