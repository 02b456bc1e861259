#include "FileLineStreams.h"

#include "VbError.h"

namespace {

VbError DeviceError() { return VbError(57, QStringLiteral("Device I/O error")); }

} // namespace

FileLineReader::FileLineReader(std::unique_ptr<QFile> file, qsizetype bufferSize)
    : file_(std::move(file)), bufferSize_(bufferSize)
{
}

bool FileLineReader::Refill()
{
    buffer_.resize(bufferSize_);
    const qint64 got = file_->read(buffer_.data(), bufferSize_);
    if (got < 0)
        throw DeviceError();
    buffer_.resize(got);
    position_ = 0;
    return got > 0;
}

bool FileLineReader::ReadLine(QByteArray& line)
{
    line.resize(0); // keeps the line's capacity: no allocation per line
    bool anything = false;
    for (;;) {
        if (position_ >= buffer_.size() && !Refill())
            return anything;
        anything = true;
        const qsizetype cr = buffer_.indexOf('\r', position_);
        if (cr < 0) {
            line.append(buffer_.constData() + position_, buffer_.size() - position_);
            position_ = buffer_.size();
            continue;
        }
        line.append(buffer_.constData() + position_, cr - position_);
        position_ = cr + 1;
        // The LF of a CR LF may be the first byte of the next buffer.
        if (position_ < buffer_.size() || Refill()) {
            if (buffer_.at(position_) == '\n')
                ++position_;
        }
        return true;
    }
}

FileLineWriter::FileLineWriter(std::unique_ptr<QFile> file) : file_(std::move(file)) {}

FileLineWriter::~FileLineWriter()
{
    if (file_->isOpen())
        file_->close();
}

void FileLineWriter::WriteLine(const QByteArray& line)
{
    if (!file_->isOpen() || file_->write(line) != line.size() || file_->write("\r\n", 2) != 2)
        throw DeviceError();
}

void FileLineWriter::Close()
{
    if (!file_->isOpen())
        return;
    const bool flushed = file_->flush();
    file_->close();
    if (!flushed || file_->error() != QFileDevice::NoError)
        throw DeviceError();
}
