#pragma once
#include "FileSystem.h"

#include <QFile>

// Reads lines from an open file through a fixed buffer, so memory does not grow with the file.
class FileLineReader : public LineReader {
public:
    explicit FileLineReader(std::unique_ptr<QFile> file, qsizetype bufferSize = 64 * 1024);
    bool ReadLine(QByteArray& line) override;

private:
    bool Refill(); // false at the end of the file

    std::unique_ptr<QFile> file_;
    QByteArray buffer_;
    qsizetype bufferSize_;
    qsizetype position_ = 0;
};

// Writes lines ended by CR LF through the file's buffer.
class FileLineWriter : public LineWriter {
public:
    explicit FileLineWriter(std::unique_ptr<QFile> file);
    ~FileLineWriter() override;
    void WriteLine(const QByteArray& line) override;
    void Close() override;

private:
    std::unique_ptr<QFile> file_;
};
