#pragma once

#include <QString>

class IniFile;

// The stored choice of serial port. The user picks one of four ports,
// COM1 to COM4, kept as its index 0..3 under CommsPort in section
// "CommsPortForm" of the settings file; each port maps to a device path kept
// in the same section (COM1Device … COM4Device), so that an adapter or a
// pseudo-terminal can stand behind any of them.
namespace CommsPort {

inline const QString Section = QStringLiteral("CommsPortForm");
inline const QString IndexKey = QStringLiteral("CommsPort");
constexpr int Count = 4;

bool isValid(int index);
// The stored index as it is, 0 when absent; it may name no port.
int storedIndex(const IniFile* settings);
bool storeIndex(IniFile& settings, int index);

// "COM1" … "COM4"; empty for an index that names no port.
QString portName(int index);
// The index of "COM1" … "COM4" (any case), or -1.
int indexOfName(const QString& name);

// The device behind a port: COM<n>Device, by default /dev/ttyS<n-1>.
// Empty for an index that names no port.
QString devicePath(const IniFile* settings, int index);

} // namespace CommsPort
