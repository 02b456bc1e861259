#pragma once
#include "VisitedSitesRules.h"

#include <QString>

class AddressBox;
class Program;

// The visited-sites file VINDREL.DAT beside the program, which keeps the address box's list from
// one run to the next: the merge reads it into the list, the rewrite saves the list into it, the
// edit opens it in a text editor.
class VisitedSitesStore {
public:
    VisitedSitesStore(Program& program, AddressBox& list);

    QString Path() const;
    // Appends the file's addresses that the list lacks, in file order; false when the file
    // exists but could not be read to its end.
    bool Merge();
    // Merges, then replaces the file with the list, holding the file's lock against other copies
    // of the program meanwhile; says so when another copy kept it or the file could not be read
    // or written. The only place the file is written.
    void Rewrite();
    void Edit();

private:
    // Writes the list over the file, whole or not at all; false when not.
    bool Replace();
    // Beeps and shows the message of a save that did not happen.
    void Warn(const QString& message);

    Program& program_;
    AddressBox& list_;
    OriginalLines lines_;   // raw bytes of the lines the merge read, for a faithful rewrite
    QString mergedVersion_; // the file as last merged whole or written
};
