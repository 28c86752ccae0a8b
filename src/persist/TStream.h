#pragma once

#include <cstdint>
#include <functional>

// A seekable stream of bytes. Position and size are answered through Seek, so
// a stream that buffers (TBufferStream) reports the position its callers see.
class TStream {
public:
    static constexpr int FromBeginning = 0;
    static constexpr int FromCurrent = 1;
    // Counts the offset back from the end: the target is size - offset.
    static constexpr int FromEnd = 2;

    TStream() = default;
    TStream(const TStream&) = delete;
    TStream& operator=(const TStream&) = delete;
    virtual ~TStream() = default;

    // Both return the number of bytes transferred, which is less than count at
    // the end of the data or when the medium fails; never negative.
    virtual int32_t Read(void* buffer, int32_t count) = 0;
    virtual int32_t Write(const void* buffer, int32_t count) = 0;
    // Returns the new position; a target before the start raises TolvError.
    virtual int32_t Seek(int32_t offset, int origin) = 0;

    int32_t Position() { return Seek(0, FromCurrent); }
    void SetPosition(int32_t position) { Seek(position, FromBeginning); }
    int32_t Size();

protected:
    // The absolute position Seek(offset, origin) aims at. endSize is asked only
    // for FromEnd, as finding the end may cost a round trip to the medium.
    // Raises TolvError for an unknown origin or a target outside 0 .. 2^31-1.
    static int32_t seekTarget(int32_t offset, int origin, int32_t current,
                              const std::function<int32_t()>& endSize);
};
