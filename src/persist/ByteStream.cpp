#include "persist/ByteStream.h"

#include "platform/TolvError.h"

#include <limits>

int32_t ByteStream::size() {
    const int32_t here = seek(0, FromCurrent);
    const int32_t size = seek(0, FromEnd);
    seek(here, FromBeginning);
    return size;
}

int32_t ByteStream::seekTarget(int32_t offset, int origin, int32_t current,
                               const std::function<int32_t()>& endSize) {
    int64_t target = 0;
    switch (origin) {
    case FromBeginning:
        target = offset;
        break;
    case FromCurrent:
        target = int64_t{current} + offset;
        break;
    case FromEnd:
        target = int64_t{endSize()} - offset;
        break;
    default:
        throw TolvError("Invalid seek origin " + std::to_string(origin));
    }
    if (target < 0 || target > std::numeric_limits<int32_t>::max())
        throw TolvError("Seek error");
    return static_cast<int32_t>(target);
}
