#pragma once

#include "persist/BufferedStream.h"
#include "persist/FileStream.h"

// A buffered stream on a file that it opens and owns; image files are read and
// written through it. Writers call flush() when done, as the destructor's
// final flush cannot report a failure.
class BinaryFile : public BufferedStream {
public:
    // mode: FileStream::OpenRead or FileStream::Create. Raises TolvError
    // naming the file when it cannot be opened.
    BinaryFile(const QString& fileName, uint16_t mode);
};
