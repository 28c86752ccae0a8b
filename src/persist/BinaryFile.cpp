#include "persist/BinaryFile.h"

BinaryFile::BinaryFile(const QString& fileName, uint16_t mode)
    : BufferedStream(std::make_unique<FileStream>(fileName, mode)) {}
