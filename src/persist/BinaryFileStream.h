#pragma once

#include "persist/TBufferStreams.h"
#include "persist/TFileStream.h"

// A buffered stream on a file that it opens and owns; image files are read and
// written through it. Writers call Flush() when done, as the destructor's
// final flush cannot report a failure.
class TBinaryFileStream : public TBufferStream {
public:
    // mode: TFileStream::OpenRead or TFileStream::Create. Raises TolvError
    // naming the file when it cannot be opened.
    TBinaryFileStream(const QString& fileName, uint16_t mode);
};
