#pragma once
#include "VisitedSitesRules.h"

#include <QString>

#include <memory>

class AddressBox;
class Program;

// The visited-sites file VINDREL.DAT beside the program, which keeps the address box's list from
// one run to the next: the merge reads it into the list, the rewrite saves the list into it, the
// edit opens it in a text editor.
class VisitedSitesStore {
public:
    VisitedSitesStore(Program& program, AddressBox& list);
    ~VisitedSitesStore();
    VisitedSitesStore(const VisitedSitesStore&) = delete;
    VisitedSitesStore& operator=(const VisitedSitesStore&) = delete;

    QString Path() const;
    // Appends the file's addresses that the list lacks, in file order; false when the file
    // exists but could not be read to its end. A merge still filling the list ends first.
    bool Merge();
    // The same merge, filling the list in pieces (see AddressBox::FillInPieces): a long history
    // does not hold up the window.
    void MergeInPieces();
    // Merges, then replaces the file with the list, holding the file's lock against other copies
    // of the program meanwhile; says so when another copy kept it or the file could not be read
    // or written. The only place the file is written.
    void Rewrite();
    void Edit();

private:
    class Reading;
    // The reading of a file changed since it was last merged or written; null when unchanged.
    std::shared_ptr<Reading> StartReading(bool inPieces);
    // Reads on, all that is left when `whole`, else for a moment; true at the end of the reading.
    bool ReadOn(Reading& reading, bool whole);
    // Writes the list over the file, whole or not at all; false when not.
    bool Replace();
    // Beeps and shows the message of a save that did not happen.
    void Warn(const QString& message);

    Program& program_;
    AddressBox& list_;
    OriginalLines lines_;   // raw bytes of the lines the merge read, for a faithful rewrite
    QString mergedVersion_; // the file as last merged whole or written
};
