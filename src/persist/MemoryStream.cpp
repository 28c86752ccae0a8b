#include "persist/MemoryStream.h"

#include <algorithm>
#include <cstring>

int32_t MemoryStream::read(void* buffer, int32_t count) {
    const auto size = static_cast<int32_t>(bytes_.size());
    if (count < 1 || position_ >= size)
        return 0;
    const int32_t n = std::min(count, size - position_);
    std::memcpy(buffer, bytes_.data() + position_, static_cast<size_t>(n));
    position_ += n;
    return n;
}

int32_t MemoryStream::write(const void* buffer, int32_t count) {
    if (count < 1)
        return 0;
    const size_t end = static_cast<size_t>(position_) + static_cast<size_t>(count);
    if (end > static_cast<size_t>(INT32_MAX))
        return 0;
    if (end > bytes_.size())
        bytes_.resize(end);
    std::memcpy(bytes_.data() + position_, buffer, static_cast<size_t>(count));
    position_ += count;
    return count;
}

int32_t MemoryStream::seek(int32_t offset, int origin) {
    position_ = seekTarget(offset, origin, position_,
                           [this] { return static_cast<int32_t>(bytes_.size()); });
    return position_;
}
