#pragma once

#include "persist/ByteStream.h"

#include <QFile>

// A stream on a file of the file system. The file stays open for the life of
// the object and is closed by its destruction.
class FileStream : public ByteStream {
public:
    // Open modes: an existing file for reading, or a new (emptied) file for writing.
    static constexpr uint16_t OpenRead = 0x0000;
    static constexpr uint16_t Create = 0xFFFF;

    // Raises TolvError naming the file when it cannot be opened.
    FileStream(const QString& fileName, uint16_t mode);

    int32_t read(void* buffer, int32_t count) override;
    int32_t write(const void* buffer, int32_t count) override;
    int32_t seek(int32_t offset, int origin) override;

private:
    QFile file_;
};
