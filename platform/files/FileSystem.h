#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

// The line end the program writes.
inline constexpr QByteArrayView kCrLf("\r\n", 2);

// Sequential reading of a text file, line by line, as raw bytes: a line ends at CR LF, at CR or
// at LF; a last line without an end is a line too.
class LineReader {
public:
    virtual ~LineReader() = default;
    // The next line without its end, as a view valid until the next read; false at the end of
    // the file. Throws VbError on a read error.
    virtual bool ReadLineView(QByteArrayView& line) = 0;
    // How the line last read ended: CR LF, CR, LF, or empty for a last line without an end.
    virtual QByteArrayView LineEnd() const = 0;
    // Whole lines from the next unread byte, each with its end, as they stand in the file: at
    // least one line, or an empty view at the end of the file. Nothing is consumed; the view is
    // valid until the next read. Throws VbError on a read error.
    virtual QByteArrayView PeekLines() = 0;
    // Consumes the first `bytes` bytes of what PeekLines gave; they must end a line.
    virtual void Skip(qsizetype bytes) = 0;

    // The next line, copied into `line`, whose capacity is kept: no allocation per line.
    bool ReadLine(QByteArray& line)
    {
        QByteArrayView view;
        line.resize(0);
        if (!ReadLineView(view))
            return false;
        line.append(view.data(), view.size());
        return true;
    }
};

// Sequential writing of raw bytes; a line written without an end of its own gets CR LF.
class LineWriter {
public:
    virtual ~LineWriter() = default;
    virtual void Write(QByteArrayView bytes) = 0; // throws VbError
    virtual void Close() = 0;                     // throws VbError when the data cannot be flushed

    void WriteLine(QByteArrayView line, QByteArrayView end = kCrLf)
    {
        Write(line);
        Write(end);
    }
};

// A copy going on beside the caller's own work: it takes its target's name only when finished,
// and one never finished leaves nothing behind.
class PendingCopy {
public:
    virtual ~PendingCopy() = default;
    // Waits for the copy and puts it in place; throws VbError when it could not be made.
    virtual void Finish() = 0;
};

// Held while it lives: the lock on the updates of one file, which every copy of the program
// takes before it rewrites the file.
class FileLock {
public:
    virtual ~FileLock() = default;
};

struct DirEntry {
    QString name;
    bool isDirectory = false;
    bool isHidden = false; // name begins with "."
};

// The host file system seen through Windows-form paths ("C:\HOME-PAG\INIZIO.HTM").
// Every path given or returned here is in Windows form; the drive map turns them into host paths.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    // Existence test: the file can be opened for reading (nothing is read).
    virtual bool CanOpenForReading(const QString& path) = 0;
    virtual std::unique_ptr<LineReader> OpenForInput(const QString& path) = 0; // throws VbError
    // The same, reading the whole file at once: the reader keeps what the file held when opened,
    // whatever is done to it later. Throws VbError.
    virtual std::unique_ptr<LineReader> OpenCopyForInput(const QString& path) = 0;
    virtual std::unique_ptr<LineWriter> OpenForOutput(const QString& path) = 0; // creates or empties; throws
    // Writes a new file beside `path` that replaces it as a whole when the writer is closed;
    // a writer that fails, or goes without being closed, leaves `path` as it was. Throws VbError.
    virtual std::unique_ptr<LineWriter> OpenForReplacement(const QString& path) = 0;
    virtual QByteArray ReadAll(const QString& path, qint64 maxBytes) = 0;    // throws VbError
    virtual void WriteAll(const QString& path, const QByteArray& bytes) = 0; // throws VbError
    virtual void FileCopy(const QString& source, const QString& target) = 0; // throws VbError
    // As OpenForReplacement and FileCopy, but the name `path` (`target`) is given to a new file
    // whatever it held: a link there is replaced, never written through. The writer's file is a
    // working file, only copied from: it takes its name without waiting for the disk. Throws VbError.
    virtual std::unique_ptr<LineWriter> OpenForNewFile(const QString& path) = 0;
    virtual void FileCopyToNewFile(const QString& source, const QString& target) = 0;
    // FileCopy and FileCopyToNewFile begun on a thread of their own; whatever stops them, from a
    // missing source on, is thrown by Finish.
    virtual std::unique_ptr<PendingCopy> StartFileCopy(const QString& source, const QString& target) = 0;
    virtual std::unique_ptr<PendingCopy> StartFileCopyToNewFile(const QString& source, const QString& target) = 0;
    virtual void Kill(const QString& path) = 0; // deletes a file; throws

    // Entries of a folder whose names match a pattern ("*.url", "SF*.JPG", "*.*"), without
    // regard to case, in the order an NTFS volume lists them. "." and ".." are not listed.
    // nullopt when the listing cannot start (missing folder, no access).
    virtual std::optional<std::vector<DirEntry>> List(const QString& folder, const QString& pattern) = 0;
    // A directory that is not hidden.
    virtual bool IsPlainFolder(const QString& path) = 0;
    // An identity of the folder that is the same whatever link leads to it; empty if none.
    virtual QString FolderIdentity(const QString& path) = 0;
    // A text that changes whenever the file is written or replaced; empty when there is no file.
    virtual QString FileVersion(const QString& path) = 0;
    // Takes the lock on the updates of `path`, waiting at most timeoutMs while another holder (any
    // process) keeps it; nullptr when it stayed taken. A holder that ends lets it go with it. Where
    // no lock can be made (the file's folder takes no new files), the writing fails anyway: a lock
    // holding nothing.
    virtual std::unique_ptr<FileLock> LockUpdates(const QString& path, int timeoutMs) = 0;

    virtual void MakeFolder(const QString& path) = 0;                // throws VbError
    virtual void Rename(const QString& from, const QString& to) = 0; // file or folder; throws
    virtual void RemoveTree(const QString& path) = 0;                // file or folder; throws
    // Moves a file or folder (a link: the link itself) whole to the desktop's trash; false when
    // there is no trash for it, nothing moved. Throws VbError when it is missing or its folder
    // takes no changes.
    virtual bool MoveToTrash(const QString& path) = 0;

    // Folder of the running executable, Windows form, without trailing "\" (root: "Z:\").
    virtual QString ProgramFolder() = 0;
    // The drive map both ways; empty text when a path cannot be mapped. HostPath is where the
    // file is read; HostPathForWriting where a write of it goes (they differ only for a program
    // folder the user may not write).
    virtual QString HostPath(const QString& windowsPath) = 0;
    virtual QString HostPathForWriting(const QString& windowsPath) = 0;
    virtual QString WindowsPath(const QString& hostPath) = 0;
};
