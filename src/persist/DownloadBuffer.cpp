#include "persist/DownloadBuffer.h"

#include "platform/TolvError.h"

#include <algorithm>
#include <cstring>
#include <string>

void DownloadBuffer::appendBytes(const void* bytes, int32_t count) {
    if (count < 0 || count > IdlCapacity - Size)
        throw TolvError("The download image would exceed " + std::to_string(IdlCapacity) +
                        " bytes");
    if (count > 0)
        std::memcpy(Bytes.data() + Size, bytes, static_cast<size_t>(count));
    Size += count;
}

void DownloadBuffer::copyOut(IdlArray& target) const {
    std::copy_n(Bytes.begin(), Size, target.begin());
}

void idlZero(IdlArray& array) {
    array.fill(0);
}

bool idlEqual(const IdlArray& a, const IdlArray& b) {
    return a == b;
}

void idlCopy(IdlArray& dest, const IdlArray& source) {
    dest = source;
}

void idlCopyRange(IdlArray& dest, int32_t to, const IdlArray& source, int32_t from, int32_t last) {
    if (to < 0 || from < 0 || last < 0 || int64_t{to} + last > IdlCapacity ||
        int64_t{from} + last > IdlCapacity)
        return;
    std::memmove(dest.data() + to, source.data() + from, static_cast<size_t>(last) + 1);
}
