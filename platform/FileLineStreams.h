#pragma once
#include "FileSystem.h"

#include <QFile>

// Reads lines from an open file through its own buffer and hands them out as views into it.
// Memory grows only with the longest line, never with the file.
class FileLineReader : public LineReader {
public:
    explicit FileLineReader(std::unique_ptr<QFile> file, qsizetype bufferSize = 1024 * 1024);
    bool ReadLine(QByteArray& line) override;
    bool ReadLineView(QByteArrayView& line) override;

private:
    void ReadMore(); // keeps the unread bytes, then appends what the file gives

    std::unique_ptr<QFile> file_;
    QByteArray buffer_;
    qsizetype bufferSize_;
    qsizetype position_ = 0; // first unread byte
    qsizetype end_ = 0;      // end of the bytes read into the buffer
    bool atEnd_ = false;
};

// Writes lines ended by CR LF, gathered in a large buffer of its own so that the file gets few
// large writes. Close (or the destructor) writes what is left.
class FileLineWriter : public LineWriter {
public:
    explicit FileLineWriter(std::unique_ptr<QFile> file);
    ~FileLineWriter() override;
    void WriteLine(const QByteArray& line) override;
    void WriteLineView(QByteArrayView line) override;
    void Close() override;

private:
    void Flush();

    std::unique_ptr<QFile> file_;
    QByteArray buffer_;
    qsizetype used_ = 0;
};
