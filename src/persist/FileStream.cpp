#include "persist/FileStream.h"

#include "platform/TolvError.h"

#include <algorithm>

namespace {

QIODevice::OpenMode openModeFor(uint16_t mode, const QString& fileName) {
    // Unbuffered, so that a failing write shows in the count it returns
    // rather than later, unseen, when the file is closed.
    switch (mode) {
    case FileStream::OpenRead:
        return QIODevice::ReadOnly | QIODevice::Unbuffered;
    case FileStream::Create:
        return QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered;
    default:
        throw TolvError("Cannot open file \"" + fileName.toStdString() + "\": unsupported mode " +
                        std::to_string(mode));
    }
}

} // namespace

FileStream::FileStream(const QString& fileName, uint16_t mode) : file_(fileName) {
    if (!file_.open(openModeFor(mode, fileName))) {
        const char* purpose = mode == OpenRead ? "reading" : "writing";
        throw TolvError("Cannot open file \"" + fileName.toStdString() + "\" for " + purpose +
                        ": " + file_.errorString().toStdString());
    }
}

int32_t FileStream::read(void* buffer, int32_t count) {
    if (count < 1)
        return 0;
    const qint64 n = file_.read(static_cast<char*>(buffer), count);
    return n > 0 ? static_cast<int32_t>(n) : 0;
}

int32_t FileStream::write(const void* buffer, int32_t count) {
    if (count < 1)
        return 0;
    const qint64 n = file_.write(static_cast<const char*>(buffer), count);
    return n > 0 ? static_cast<int32_t>(n) : 0;
}

int32_t FileStream::seek(int32_t offset, int origin) {
    const auto current = static_cast<int32_t>(file_.pos());
    const int32_t target = seekTarget(offset, origin, current, [this] {
        return static_cast<int32_t>(std::min<qint64>(file_.size(), INT32_MAX));
    });
    if (target != current && !file_.seek(target))
        throw TolvError("Seek error");
    return target;
}
