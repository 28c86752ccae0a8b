#pragma once

#include <array>
#include <cstdint>

// The flat byte image of a compiled image, assembled for the handheld.
// Room for 65,536 bytes of data in an array one byte longer, the size that the
// graphic compression's scratch arrays share.
constexpr int32_t IdlCapacity = 65536;
constexpr int32_t IdlArraySize = IdlCapacity + 1;
using IdlArray = std::array<uint8_t, IdlArraySize>;

class DownloadBuffer {
public:
    int32_t Size = 0;
    IdlArray Bytes{};

    void clear() { Size = 0; }
    // Appends count bytes; raises TolvError, changing nothing, when they would
    // not fit (callers are expected to check the size first).
    void appendBytes(const void* bytes, int32_t count);
    // Bytes[0 .. Size-1] into target; the rest of target is left as it was.
    void copyOut(IdlArray& target) const;
};

void idlZero(IdlArray& array);
bool idlEqual(const IdlArray& a, const IdlArray& b);
void idlCopy(IdlArray& dest, const IdlArray& source);
// Copies the last + 1 bytes source[from .. from+last] to dest[to .. to+last];
// does nothing when either range would leave the array or an index is negative.
void idlCopyRange(IdlArray& dest, int32_t to, const IdlArray& source, int32_t from, int32_t last);
