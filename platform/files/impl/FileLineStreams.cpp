#include "FileLineStreams.h"

#include "platform/VbError.h"

#include <QFileDevice>

#include <cstdint>
#include <cstring>

namespace {

VbError DeviceError() { return VbError(57, QStringLiteral("Device I/O error")); }

constexpr QByteArrayView kCr("\r", 1);
constexpr QByteArrayView kLf("\n", 1);

bool IsLineBreak(char c) { return c == '\r' || c == '\n'; }

// The first CR or LF in [from, stop), or nullptr. Sixteen bytes are tested at a time, as most
// lines are longer than that.
const char* FindLineBreak(const char* from, const char* stop)
{
    using Block = unsigned char __attribute__((vector_size(16)));
    const char* p = from;
    for (; stop - p >= 16; p += 16) {
        Block bytes;
        std::memcpy(&bytes, p, sizeof bytes);
        const auto hits = (bytes == '\r') | (bytes == '\n');
        std::uint64_t halves[2];
        std::memcpy(halves, &hits, sizeof halves);
        if ((halves[0] | halves[1]) != 0)
            break;
    }
    for (; p < stop; ++p)
        if (IsLineBreak(*p))
            return p;
    return nullptr;
}

} // namespace

FileLineReader::FileLineReader(std::unique_ptr<QIODevice> device, qsizetype bufferSize)
    : device_(std::move(device)), bufferSize_(bufferSize)
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
    const qint64 got = device_->read(buffer_.data() + end_, buffer_.size() - end_);
    if (got < 0)
        throw DeviceError();
    end_ += got;
    atEnd_ = got == 0;
}

bool FileLineReader::ReadLineView(QByteArrayView& line)
{
    // Bytes from position_ known to hold no line end, so that a long line is scanned once.
    qsizetype scanned = 0;
    for (;;) {
        const char* data = buffer_.constData();
        const char* begin = data + position_;
        const char* stop = data + end_;
        const char* brk = FindLineBreak(begin + scanned, stop);
        // A CR as the last byte read may be followed by the LF of a CR LF still in the file.
        if (brk && (*brk == '\n' || brk + 1 < stop || atEnd_)) {
            const bool crLf = *brk == '\r' && brk + 1 < stop && brk[1] == '\n';
            line = QByteArrayView(begin, brk - begin);
            lineEnd_ = crLf ? kCrLf : *brk == '\r' ? kCr : kLf;
            position_ = (brk - data) + (crLf ? 2 : 1);
            return true;
        }
        if (atEnd_) {
            lineEnd_ = {};
            if (position_ == end_)
                return false;
            line = QByteArrayView(begin, end_ - position_); // a last line without an end
            position_ = end_;
            return true;
        }
        scanned = (brk ? brk : stop) - begin;
        ReadMore();
    }
}

QByteArrayView FileLineReader::PeekLines()
{
    for (;;) {
        const char* begin = buffer_.constData() + position_;
        const char* stop = buffer_.constData() + end_;
        // Back from the end to the last line end; a CR as the last byte read waits for what
        // follows it.
        const char* last = stop;
        if (!atEnd_ && last > begin && last[-1] == '\r')
            --last;
        while (last > begin && !IsLineBreak(last[-1]))
            --last;
        if (last > begin)
            return QByteArrayView(begin, last - begin);
        if (atEnd_)
            return QByteArrayView(begin, stop - begin); // a last line without an end, or nothing
        ReadMore();
    }
}

FileLineWriter::FileLineWriter(std::unique_ptr<QIODevice> device, qsizetype bufferSize)
    : device_(std::move(device)), buffer_(bufferSize, Qt::Uninitialized)
{
}

FileLineWriter::~FileLineWriter()
{
    if (!device_->isOpen())
        return;
    try {
        Flush();
    } catch (const VbError&) {
        // Nobody is left to hear about it; Close reports the same failure to a caller that asks.
    }
    device_->close();
}

void FileLineWriter::Write(QByteArrayView bytes)
{
    if (!device_->isOpen())
        throw DeviceError();
    if (used_ + bytes.size() > buffer_.size()) {
        Flush();
        // Half the buffer or more: copying it there first would only add a pass over the bytes.
        if (bytes.size() >= buffer_.size() / 2) {
            if (device_->write(bytes.data(), bytes.size()) != bytes.size())
                throw DeviceError();
            return;
        }
    }
    if (!bytes.isEmpty())
        std::memcpy(buffer_.data() + used_, bytes.data(), bytes.size());
    used_ += bytes.size();
}

void FileLineWriter::Flush()
{
    if (used_ > 0 && device_->write(buffer_.constData(), used_) != used_)
        throw DeviceError();
    used_ = 0;
}

void FileLineWriter::Close()
{
    if (!device_->isOpen())
        return;
    bool written = true;
    try {
        Flush();
    } catch (const VbError&) {
        written = false;
    }
    auto* file = qobject_cast<QFileDevice*>(device_.get());
    const bool flushed = !file || file->flush();
    device_->close();
    if (!written || !flushed || (file && file->error() != QFileDevice::NoError))
        throw DeviceError();
}
