#include "persist/BinaryFileStream.h"

TBinaryFileStream::TBinaryFileStream(const QString& fileName, uint16_t mode)
    : TBufferStream(std::make_unique<TFileStream>(fileName, mode)) {}
