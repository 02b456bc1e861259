#pragma once
#include "platform/files/FileSystem.h"

#include <QIODevice>

// Reads lines from an open device through its own buffer and hands them out as views into it.
// Memory grows only with the longest line, never with the file.
class FileLineReader : public LineReader {
public:
    explicit FileLineReader(std::unique_ptr<QIODevice> device, qsizetype bufferSize = 1024 * 1024);
    bool ReadLineView(QByteArrayView& line) override;
    QByteArrayView LineEnd() const override { return lineEnd_; }
    QByteArrayView PeekLines() override;
    void Skip(qsizetype bytes) override { position_ += bytes; }

private:
    void ReadMore(); // keeps the unread bytes, then appends what the device gives

    std::unique_ptr<QIODevice> device_;
    QByteArray buffer_;
    qsizetype bufferSize_;
    qsizetype position_ = 0; // first unread byte
    qsizetype end_ = 0;      // end of the bytes read into the buffer
    bool atEnd_ = false;
    QByteArrayView lineEnd_;
};

// Writes through a large buffer of its own, so that the device gets few large writes. Close (or
// the destructor) writes what is left.
class FileLineWriter : public LineWriter {
public:
    explicit FileLineWriter(std::unique_ptr<QIODevice> device, qsizetype bufferSize = 1024 * 1024);
    ~FileLineWriter() override;
    void Write(QByteArrayView bytes) override;
    void Close() override;

private:
    void Flush();

    std::unique_ptr<QIODevice> device_;
    QByteArray buffer_;
    qsizetype used_ = 0;
};
