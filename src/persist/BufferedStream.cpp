#include "persist/BufferedStream.h"

#include "platform/TolvError.h"

#include <algorithm>
#include <cstring>

BufferedStream::BufferedStream(ByteStream& stream)
    : stream_(stream), buffer_(static_cast<size_t>(DefaultBufferSize)) {}

BufferedStream::BufferedStream(std::unique_ptr<ByteStream> owned)
    : owned_(std::move(owned)), stream_(*owned_), buffer_(static_cast<size_t>(DefaultBufferSize)) {}

BufferedStream::~BufferedStream() {
    try {
        if (mode_ == BufferMode::Writing)
            flushBuffer();
    } catch (...) {
        // A notification that throws must not end the program here.
    }
}

int32_t BufferedStream::delta() const {
    switch (mode_) {
    case BufferMode::Reading:
        return current_ - end_;
    case BufferMode::Writing:
        return current_;
    default:
        return 0;
    }
}

bool BufferedStream::flushNoting() {
    const bool ok = flushBuffer();
    if (!ok)
        writeFailed_ = true;
    return ok;
}

int32_t BufferedStream::read(void* buffer, int32_t count) {
    if (mode_ == BufferMode::Writing)
        flushNoting();
    // Outside reading the buffer holds nothing readable (at most bytes already
    // written), so the first request must fill it.
    if (mode_ != BufferMode::Reading)
        current_ = end_ = 0;
    if (count < 1)
        return 0;
    auto* out = static_cast<uint8_t*>(buffer);
    int32_t done = 0;
    while (done < count) {
        if (current_ == end_ && !fillBuffer())
            break;
        const int32_t n = std::min(end_ - current_, count - done);
        std::memcpy(out + done, buffer_.data() + current_, static_cast<size_t>(n));
        current_ += n;
        done += n;
    }
    return done;
}

bool BufferedStream::fillBuffer() {
    const int32_t n = std::max(0, stream_.read(buffer_.data(), bufferSize()));
    current_ = 0;
    end_ = n;
    mode_ = n > 0 ? BufferMode::Reading : BufferMode::Idle;
    doFillBuffer();
    return n > 0;
}

void BufferedStream::startWriteWindow() {
    if (mode_ == BufferMode::Reading)
        stream_.seek(current_ - end_, FromCurrent); // drop the unread read-ahead
    if (mode_ != BufferMode::Writing) {
        current_ = 0;
        end_ = bufferSize();
    }
}

int32_t BufferedStream::write(const void* buffer, int32_t count) {
    if (count < 1)
        return 0;
    startWriteWindow();
    const auto* in = static_cast<const uint8_t*>(buffer);
    int32_t done = 0;
    while (done < count) {
        const int32_t n = std::min(end_ - current_, count - done);
        std::memcpy(buffer_.data() + current_, in + done, static_cast<size_t>(n));
        current_ += n;
        done += n;
        mode_ = BufferMode::Writing;
        if (current_ == end_ && !flushNoting())
            break;
    }
    return done;
}

bool BufferedStream::flushBuffer() {
    if (mode_ != BufferMode::Writing)
        return true;
    const int32_t n = current_;
    const int32_t written = stream_.write(buffer_.data(), n);
    current_ = 0;
    mode_ = BufferMode::Idle;
    doFlushBuffer();
    return written == n;
}

void BufferedStream::flush() {
    if (mode_ == BufferMode::Writing)
        flushNoting();
    if (writeFailed_)
        throw TolvError("Write error");
}

int32_t BufferedStream::seek(int32_t offset, int origin) {
    const int32_t current = stream_.position() + delta();
    const int32_t target = seekTarget(offset, origin, current, [&] {
        // Bytes still in the buffer may lie beyond the underlying end.
        const int32_t size = stream_.size();
        return mode_ == BufferMode::Writing ? std::max(size, current) : size;
    });
    if (target == current)
        return target;
    if (mode_ == BufferMode::Writing && !flushNoting())
        throw TolvError("Seek error");
    stream_.seek(target, FromBeginning);
    current_ = end_ = 0;
    mode_ = BufferMode::Idle;
    return target;
}

void BufferedStream::putBack(uint8_t byte) {
    if (mode_ != BufferMode::Reading || current_ <= 0)
        throw TolvError("Putback overflow");
    buffer_[static_cast<size_t>(--current_)] = byte;
}

void BufferedStream::doFillBuffer() {
    if (onFillBuffer)
        onFillBuffer(*this);
}

void BufferedStream::doFlushBuffer() {
    if (onFlushBuffer)
        onFlushBuffer(*this);
}
