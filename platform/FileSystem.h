#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

// Sequential reading of a text file, line by line, as raw bytes: a line ends at CR
// or CR LF, a lone LF stays inside the line, a last line without an end is a line.
class LineReader {
public:
    virtual ~LineReader() = default;
    // False at the end of the file; throws VbError on a read error.
    virtual bool ReadLine(QByteArray& line) = 0;
    // The same, as a view valid until the next read: a reader that keeps its own buffer hands
    // out lines without copying them.
    virtual bool ReadLineView(QByteArrayView& line)
    {
        if (!ReadLine(viewed_))
            return false;
        line = viewed_;
        return true;
    }

private:
    QByteArray viewed_;
};

// Sequential writing; every line written is followed by CR LF.
class LineWriter {
public:
    virtual ~LineWriter() = default;
    virtual void WriteLine(const QByteArray& line) = 0; // throws VbError
    // The same for a line held elsewhere, so that a caller need not build a QByteArray for it.
    virtual void WriteLineView(QByteArrayView line) { WriteLine(line.toByteArray()); }
    virtual void Close() = 0;                          // throws VbError when the data cannot be flushed
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
    virtual std::unique_ptr<LineReader> OpenForInput(const QString& path) = 0;  // throws VbError
    virtual std::unique_ptr<LineWriter> OpenForOutput(const QString& path) = 0; // creates or empties; throws
    virtual QByteArray ReadAll(const QString& path, qint64 maxBytes) = 0;      // throws VbError
    virtual void WriteAll(const QString& path, const QByteArray& bytes) = 0;    // throws VbError
    virtual void FileCopy(const QString& source, const QString& target) = 0;    // throws VbError
    virtual void Kill(const QString& path) = 0;                                 // deletes a file; throws

    // Entries of a folder whose names match a pattern ("*.url", "SF*.JPG", "*.*"), without
    // regard to case, in the order an NTFS volume lists them. "." and ".." are not listed.
    // nullopt when the listing cannot start (missing folder, no access).
    virtual std::optional<std::vector<DirEntry>> List(const QString& folder, const QString& pattern) = 0;
    // A directory that is not hidden.
    virtual bool IsPlainFolder(const QString& path) = 0;
    // An identity of the folder that is the same whatever link leads to it; empty if none.
    virtual QString FolderIdentity(const QString& path) = 0;

    virtual void MakeFolder(const QString& path) = 0;                    // throws VbError
    virtual void Rename(const QString& from, const QString& to) = 0;     // file or folder; throws
    virtual void RemoveTree(const QString& path) = 0;                    // file or folder; throws

    // Folder of the running executable, Windows form, without trailing "\" (root: "Z:\").
    virtual QString ProgramFolder() = 0;
    // The drive map both ways; empty text when a path cannot be mapped. HostPath is where the
    // file is read; HostPathForWriting where a write of it goes (they differ only for a program
    // folder the user may not write).
    virtual QString HostPath(const QString& windowsPath) = 0;
    virtual QString HostPathForWriting(const QString& windowsPath) = 0;
    virtual QString WindowsPath(const QString& hostPath) = 0;
};
