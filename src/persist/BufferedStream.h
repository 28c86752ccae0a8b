#pragma once

#include "persist/ByteStream.h"

#include <functional>
#include <memory>
#include <vector>

// Batches the many small reads and writes of a record through one buffer in
// front of another stream. The position it reports is the logical one: the
// underlying position corrected by the read-ahead or the unwritten bytes.
class BufferedStream : public ByteStream {
public:
    enum class BufferMode : uint8_t { Idle = 0, Reading = 1, Writing = 2 };
    static constexpr int32_t DefaultBufferSize = 8192;
    using Notification = std::function<void(BufferedStream& sender)>;

    // The stream is not owned and must outlive this object.
    explicit BufferedStream(ByteStream& stream);
    // Writes what is still buffered; a failure there cannot be reported, so
    // writers call flush() before letting the stream go.
    ~BufferedStream() override;

    int32_t read(void* buffer, int32_t count) override;
    int32_t write(const void* buffer, int32_t count) override;
    int32_t seek(int32_t offset, int origin) override;

    virtual bool fillBuffer();
    virtual bool flushBuffer();
    // One byte in front of the read position; raises "Putback overflow" when
    // the buffer holds nothing already read.
    void putBack(uint8_t byte);
    // Writes the buffered bytes; raises "Write error" when this or any earlier
    // transfer to the underlying stream failed, so that no lost byte goes unseen.
    void flush();

    BufferMode mode() const { return mode_; }
    int32_t bufferSize() const { return static_cast<int32_t>(buffer_.size()); }

    Notification onFillBuffer;
    Notification onFlushBuffer;

protected:
    // For subclasses that open the stream themselves: it is kept until after
    // the final flush.
    explicit BufferedStream(std::unique_ptr<ByteStream> owned);

    void doFillBuffer();
    void doFlushBuffer();

private:
    int32_t delta() const;
    bool flushNoting();
    void startWriteWindow();

    std::unique_ptr<ByteStream> owned_; // declared first: it dies after the final flush
    ByteStream& stream_;
    std::vector<uint8_t> buffer_;
    // Indexes into buffer_: the next byte to read or write, and one past the
    // last valid byte (reading) or the buffer's end (writing).
    int32_t current_ = 0;
    int32_t end_ = 0;
    BufferMode mode_ = BufferMode::Idle;
    bool writeFailed_ = false;
};
