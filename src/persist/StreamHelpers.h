#pragma once

#include "persist/ByteStream.h"

#include <string>

// The byte layout of every persistent value: little-endian, no gaps.
// The readers raise TolvError ("Unexpected end of file") when the stream ends
// before the value is complete, so a record is never loaded half-filled; the
// writers raise TolvError ("Write error") when the stream takes fewer bytes.

void writeLong(ByteStream& s, int32_t value);
int32_t readLong(ByteStream& s);

void writeWord32(ByteStream& s, uint32_t value);
uint32_t readWord32(ByteStream& s);

void writeByteValue(ByteStream& s, uint8_t value);
uint8_t readByteValue(ByteStream& s);

// One byte, 0 or 1; any non-zero byte reads as true.
void writeFlag(ByteStream& s, bool value);
bool readFlag(ByteStream& s);

// IEEE 754 double, 8 bytes.
void writeReal(ByteStream& s, double value);
double readReal(ByteStream& s);

// A 32-bit byte count, then the bytes (no terminator). A negative count, or
// one that runs past the end of the data, raises TolvError without
// allocating room for it first.
void writeString(ByteStream& s, const std::string& text);
std::string readString(ByteStream& s);

// Reads exactly count bytes or raises TolvError.
void readExactly(ByteStream& s, void* buffer, int32_t count);
// Writes exactly count bytes or raises TolvError.
void writeExactly(ByteStream& s, const void* buffer, int32_t count);
