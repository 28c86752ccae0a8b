#pragma once

#include "persist/TStream.h"

#include <string>

// The byte layout of every persistent value: little-endian, no gaps.
// The readers raise TolvError ("Unexpected end of file") when the stream ends
// before the value is complete, so a record is never loaded half-filled; the
// writers raise TolvError ("Write error") when the stream takes fewer bytes.

void WriteLong(TStream& s, int32_t value);
int32_t ReadLong(TStream& s);

void WriteWord32(TStream& s, uint32_t value);
uint32_t ReadWord32(TStream& s);

void WriteByteValue(TStream& s, uint8_t value);
uint8_t ReadByteValue(TStream& s);

// One byte, 0 or 1; any non-zero byte reads as true.
void WriteFlag(TStream& s, bool value);
bool ReadFlag(TStream& s);

// IEEE 754 double, 8 bytes.
void WriteReal(TStream& s, double value);
double ReadReal(TStream& s);

// A 32-bit byte count, then the bytes (no terminator). A negative count, or
// one that runs past the end of the data, raises TolvError without
// allocating room for it first.
void WriteString(TStream& s, const std::string& text);
std::string ReadString(TStream& s);

// Reads exactly count bytes or raises TolvError.
void ReadExactly(TStream& s, void* buffer, int32_t count);
// Writes exactly count bytes or raises TolvError.
void WriteExactly(TStream& s, const void* buffer, int32_t count);
