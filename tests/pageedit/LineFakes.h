#pragma once
#include "platform/FileSystem.h"

#include <QByteArrayList>

// A page already cut into lines, and a temporary file that keeps what is written.
class ListLineReader : public LineReader {
public:
    explicit ListLineReader(QByteArrayList lines) : lines_(std::move(lines)) {}
    bool ReadLine(QByteArray& line) override
    {
        if (next_ >= lines_.size())
            return false;
        line = lines_[next_++];
        return true;
    }

private:
    QByteArrayList lines_;
    qsizetype next_ = 0;
};

class BytesLineWriter : public LineWriter {
public:
    QByteArray bytes;
    void WriteLine(const QByteArray& line) override { bytes += line + "\r\n"; }
    void Close() override {}
};

// The bytes a writer holds after writing these lines.
inline QByteArray AsWritten(const QByteArrayList& lines)
{
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}
