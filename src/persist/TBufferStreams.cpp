#include "persist/TBufferStreams.h"

#include "platform/TolvError.h"

#include <algorithm>
#include <cstring>

TBufferStream::TBufferStream(TStream& stream)
    : stream_(stream), buffer_(static_cast<size_t>(DefaultBufferSize)) {}

TBufferStream::TBufferStream(std::unique_ptr<TStream> owned)
    : owned_(std::move(owned)), stream_(*owned_), buffer_(static_cast<size_t>(DefaultBufferSize)) {}

TBufferStream::~TBufferStream() {
    try {
        if (mode_ == BufferMode::Writing)
            FlushBuffer();
    } catch (...) {
        // A notification that throws must not end the program here.
    }
}

int32_t TBufferStream::delta() const {
    switch (mode_) {
    case BufferMode::Reading:
        return current_ - end_;
    case BufferMode::Writing:
        return current_;
    default:
        return 0;
    }
}

bool TBufferStream::flushNoting() {
    const bool ok = FlushBuffer();
    if (!ok)
        writeFailed_ = true;
    return ok;
}

int32_t TBufferStream::Read(void* buffer, int32_t count) {
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
        if (current_ == end_ && !FillBuffer())
            break;
        const int32_t n = std::min(end_ - current_, count - done);
        std::memcpy(out + done, buffer_.data() + current_, static_cast<size_t>(n));
        current_ += n;
        done += n;
    }
    return done;
}

bool TBufferStream::FillBuffer() {
    const int32_t n = std::max(0, stream_.Read(buffer_.data(), BufferSize()));
    current_ = 0;
    end_ = n;
    mode_ = n > 0 ? BufferMode::Reading : BufferMode::Idle;
    DoFillBuffer();
    return n > 0;
}

void TBufferStream::startWriteWindow() {
    if (mode_ == BufferMode::Reading)
        stream_.Seek(current_ - end_, FromCurrent); // drop the unread read-ahead
    if (mode_ != BufferMode::Writing) {
        current_ = 0;
        end_ = BufferSize();
    }
}

int32_t TBufferStream::Write(const void* buffer, int32_t count) {
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

bool TBufferStream::FlushBuffer() {
    if (mode_ != BufferMode::Writing)
        return true;
    const int32_t n = current_;
    const int32_t written = stream_.Write(buffer_.data(), n);
    current_ = 0;
    mode_ = BufferMode::Idle;
    DoFlushBuffer();
    return written == n;
}

void TBufferStream::Flush() {
    if (mode_ == BufferMode::Writing)
        flushNoting();
    if (writeFailed_)
        throw TolvError("Write error");
}

int32_t TBufferStream::Seek(int32_t offset, int origin) {
    const int32_t current = stream_.Position() + delta();
    const int32_t target = seekTarget(offset, origin, current, [&] {
        // Bytes still in the buffer may lie beyond the underlying end.
        const int32_t size = stream_.Size();
        return mode_ == BufferMode::Writing ? std::max(size, current) : size;
    });
    if (target == current)
        return target;
    if (mode_ == BufferMode::Writing && !flushNoting())
        throw TolvError("Seek error");
    stream_.Seek(target, FromBeginning);
    current_ = end_ = 0;
    mode_ = BufferMode::Idle;
    return target;
}

void TBufferStream::PutBack(uint8_t byte) {
    if (mode_ != BufferMode::Reading || current_ <= 0)
        throw TolvError("Putback overflow");
    buffer_[static_cast<size_t>(--current_)] = byte;
}

void TBufferStream::DoFillBuffer() {
    if (OnFillBuffer)
        OnFillBuffer(*this);
}

void TBufferStream::DoFlushBuffer() {
    if (OnFlushBuffer)
        OnFlushBuffer(*this);
}
