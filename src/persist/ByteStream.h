#pragma once

#include <cstdint>
#include <functional>
#include <limits>

// A seekable stream of bytes. Position and size are answered through seek, so
// a stream that buffers (BufferedStream) reports the position its callers see.
class ByteStream {
public:
    static constexpr int FromBeginning = 0;
    static constexpr int FromCurrent = 1;
    // Counts the offset back from the end: the target is size - offset.
    static constexpr int FromEnd = 2;

    ByteStream() = default;
    ByteStream(const ByteStream&) = delete;
    ByteStream& operator=(const ByteStream&) = delete;
    virtual ~ByteStream() = default;

    // Both return the number of bytes transferred, which is less than count at
    // the end of the data or when the medium fails; never negative.
    virtual int32_t read(void* buffer, int32_t count) = 0;
    virtual int32_t write(const void* buffer, int32_t count) = 0;
    // Returns the new position; a target before the start raises TolvError.
    virtual int32_t seek(int32_t offset, int origin) = 0;

    int32_t position() { return seek(0, FromCurrent); }
    void setPosition(int32_t position) { seek(position, FromBeginning); }
    int32_t size();

    // The layout of the records the stream carries, for formats whose
    // records grew over the years: whoever learns it from the data (an image
    // file's version string) sets it, and records then read and write the
    // fields of that layout. A stream starts at the newest layout, above
    // every number a format gives its older ones.
    static constexpr int NewestRecordVersion = std::numeric_limits<int>::max();
    int recordVersion() const { return recordVersion_; }
    void setRecordVersion(int version) { recordVersion_ = version; }

protected:
    // The absolute position seek(offset, origin) aims at. endSize is asked only
    // for FromEnd, as finding the end may cost a round trip to the medium.
    // Raises TolvError for an unknown origin or a target outside 0 .. 2^31-1.
    static int32_t seekTarget(int32_t offset, int origin, int32_t current,
                              const std::function<int32_t()>& endSize);

private:
    int recordVersion_ = NewestRecordVersion;
};
