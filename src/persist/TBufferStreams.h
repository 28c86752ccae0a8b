#pragma once

#include "persist/TStream.h"

#include <functional>
#include <memory>
#include <vector>

// Batches the many small reads and writes of a record through one buffer in
// front of another stream. The position it reports is the logical one: the
// underlying position corrected by the read-ahead or the unwritten bytes.
class TBufferStream : public TStream {
public:
    enum class BufferMode : uint8_t { Idle = 0, Reading = 1, Writing = 2 };
    static constexpr int32_t DefaultBufferSize = 8192;
    using Notification = std::function<void(TBufferStream& sender)>;

    // The stream is not owned and must outlive this object.
    explicit TBufferStream(TStream& stream);
    // Writes what is still buffered; a failure there cannot be reported, so
    // writers call Flush() before letting the stream go.
    ~TBufferStream() override;

    int32_t Read(void* buffer, int32_t count) override;
    int32_t Write(const void* buffer, int32_t count) override;
    int32_t Seek(int32_t offset, int origin) override;

    virtual bool FillBuffer();
    virtual bool FlushBuffer();
    // One byte in front of the read position; raises "Putback overflow" when
    // the buffer holds nothing already read.
    void PutBack(uint8_t byte);
    // Writes the buffered bytes; raises "Write error" when this or any earlier
    // transfer to the underlying stream failed, so that no lost byte goes unseen.
    void Flush();

    BufferMode Mode() const { return mode_; }
    int32_t BufferSize() const { return static_cast<int32_t>(buffer_.size()); }

    Notification OnFillBuffer;
    Notification OnFlushBuffer;

protected:
    // For subclasses that open the stream themselves: it is kept until after
    // the final flush.
    explicit TBufferStream(std::unique_ptr<TStream> owned);

    void DoFillBuffer();
    void DoFlushBuffer();

private:
    int32_t delta() const;
    bool flushNoting();
    void startWriteWindow();

    std::unique_ptr<TStream> owned_; // declared first: it dies after the final flush
    TStream& stream_;
    std::vector<uint8_t> buffer_;
    // Indexes into buffer_: the next byte to read or write, and one past the
    // last valid byte (reading) or the buffer's end (writing).
    int32_t current_ = 0;
    int32_t end_ = 0;
    BufferMode mode_ = BufferMode::Idle;
    bool writeFailed_ = false;
};
