#pragma once
#include "platform/files/impl/FileLineStreams.h"

#include <QBuffer>
#include <QByteArrayList>

// A page held in memory, read as a file is.
inline FileLineReader PageReader(const QByteArray& bytes, qsizetype bufferSize = 1024 * 1024)
{
    auto buffer = std::make_unique<QBuffer>();
    buffer->setData(bytes);
    buffer->open(QIODevice::ReadOnly);
    return FileLineReader(std::move(buffer), bufferSize);
}

// A temporary file held in memory.
class MemoryFile {
public:
    // What has been written, once the writer is closed.
    const QByteArray& Written()
    {
        writer.Close();
        return bytes_;
    }

private:
    static std::unique_ptr<QIODevice> OpenOn(QByteArray& target)
    {
        auto buffer = std::make_unique<QBuffer>(&target);
        buffer->open(QIODevice::WriteOnly);
        return buffer;
    }

    QByteArray bytes_; // before the writer, which writes into it

public:
    FileLineWriter writer{OpenOn(bytes_)};
};

// The bytes of these lines, each ended by CR LF.
inline QByteArray AsWritten(const QByteArrayList& lines)
{
    QByteArray out;
    for (const QByteArray& line : lines)
        out += line + "\r\n";
    return out;
}
