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

class ListLineWriter : public LineWriter {
public:
    QByteArrayList lines;
    void WriteLine(const QByteArray& line) override { lines << line; }
    void Close() override {}
};
