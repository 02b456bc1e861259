#include "FileLineStreams.h"

#include "VbError.h"

#include <cstring>

namespace {

VbError DeviceError() { return VbError(57, QStringLiteral("Device I/O error")); }

constexpr qsizetype kWriteBufferBytes = 1024 * 1024;

} // namespace

FileLineReader::FileLineReader(std::unique_ptr<QFile> file, qsizetype bufferSize)
    : file_(std::move(file)), bufferSize_(bufferSize)
{
}

void FileLineReader::ReadMore()
{
    const qsizetype unread = end_ - position_;
    if (position_ > 0 && unread > 0)
        std::memmove(buffer_.data(), buffer_.constData() + position_, unread);
    position_ = 0;
    end_ = unread;
    // Only a line longer than half the buffer makes it grow, doubling, so that a very long
    // line costs few reallocations.
    if (buffer_.isEmpty())
        buffer_.resize(bufferSize_);
    else if (end_ > buffer_.size() / 2)
        buffer_.resize(buffer_.size() * 2);
    const qint64 got = file_->read(buffer_.data() + end_, buffer_.size() - end_);
    if (got < 0)
        throw DeviceError();
    end_ += got;
    atEnd_ = got == 0;
}

bool FileLineReader::ReadLineView(QByteArrayView& line)
{
    for (;;) {
        const char* data = buffer_.constData();
        const char* begin = data + position_;
        const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', end_ - position_));
        // A CR as the last byte read may be followed by the LF of a CR LF still in the file.
        if (cr && (cr + 1 < data + end_ || atEnd_)) {
            line = QByteArrayView(begin, cr - begin);
            position_ = cr + 1 - data;
            if (position_ < end_ && data[position_] == '\n')
                ++position_;
            return true;
        }
        if (atEnd_) {
            if (position_ == end_)
                return false;
            line = QByteArrayView(begin, end_ - position_); // a last line without an end
            position_ = end_;
            return true;
        }
        ReadMore();
    }
}

bool FileLineReader::ReadLine(QByteArray& line)
{
    QByteArrayView view;
    line.resize(0); // keeps the line's capacity: no allocation per line
    if (!ReadLineView(view))
        return false;
    line.append(view.data(), view.size());
    return true;
}

FileLineWriter::FileLineWriter(std::unique_ptr<QFile> file) : file_(std::move(file)), buffer_(kWriteBufferBytes, '\0') {}

FileLineWriter::~FileLineWriter()
{
    if (!file_->isOpen())
        return;
    try {
        Flush();
    } catch (const VbError&) {
        // Nobody is left to hear about it; Close reports the same failure to a caller that asks.
    }
    file_->close();
}

void FileLineWriter::WriteLine(const QByteArray& line) { WriteLineView(line); }

void FileLineWriter::WriteLineView(QByteArrayView line)
{
    if (!file_->isOpen())
        throw DeviceError();
    const qsizetype needed = line.size() + 2;
    if (used_ + needed > buffer_.size()) {
        Flush();
        if (needed > buffer_.size())
            buffer_.resize(needed); // one line longer than the buffer
    }
    char* out = buffer_.data() + used_;
    if (!line.isEmpty())
        std::memcpy(out, line.data(), line.size());
    out[line.size()] = '\r';
    out[line.size() + 1] = '\n';
    used_ += needed;
}

void FileLineWriter::Flush()
{
    if (used_ > 0 && file_->write(buffer_.constData(), used_) != used_)
        throw DeviceError();
    used_ = 0;
}

void FileLineWriter::Close()
{
    if (!file_->isOpen())
        return;
    bool written = true;
    try {
        Flush();
    } catch (const VbError&) {
        written = false;
    }
    const bool flushed = file_->flush();
    file_->close();
    if (!written || !flushed || file_->error() != QFileDevice::NoError)
        throw DeviceError();
}
