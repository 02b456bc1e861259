#pragma once
#include <QByteArray>
#include <QHash>
#include <QString>

// The visited-sites file beside the program: "\VINDREL.DAT" is appended to the program folder
// as it is, even when that folder already ends in "\" (a drive's root).
QString VisitedSitesFile(const QString& programFolder);

// A line worth keeping: not blank after trimming and not exactly "about:blank".
bool IsStorableAddress(const QString& text);

// Errors that say the file is not there at all (file, folder or drive missing), as opposed to
// a file that exists but cannot be read.
bool IsMissingFileError(int errorNumber);

// The raw bytes of lines read from the file, by their text. Lines that were not UTF-8 (written
// on Windows in its code page) are written back byte for byte instead of re-encoded; only those
// are kept.
class OriginalLines {
public:
    void Remember(const QString& text, const QByteArray& bytes);
    // The bytes to write for a list entry: its original bytes if it came from the file, else UTF-8.
    QByteArray BytesFor(const QString& entry) const;

private:
    QHash<QString, QByteArray> bytes_;
};
