#pragma once
#include "DriveMap.h"

#include <QString>

// An installed copy cannot write beside its executable, yet the program keeps its files there.
// As Windows does for such programs, a program folder the user may not write is backed by a
// folder of the user's own: a file written into the program folder goes to the user's folder,
// and a file of the program folder is read from the user's folder first. Only files directly in
// the program folder move; the program still sees its own folder. A program folder the user may
// write is used as it is.
class ProgramFolderRedirect {
public:
    // userFolder empty: nothing moves.
    ProgramFolderRedirect(const QString& programFolder, QString userFolder);

    // Where to read the file at host: its copy in the user's folder when there is one, else host.
    QString ForReading(const QString& host) const;
    // Where to write the file at host; creates the user's folder (mode 0700) when it moves.
    QString ForWriting(const QString& host) const;

private:
    // host's place in the user's folder (its name found without regard to case); empty when
    // host does not move.
    QString InUserFolder(const QString& host) const;

    QString programFolderIdentity_; // empty when nothing moves
    QString userFolder_;
};

// The user's folder for an installed copy: "vindrel" in the user's data folder; empty when
// there is no data folder.
QString UserProgramFolder(const DriveMap::Environment& environment);
