#include "comms/CommsPort.h"

#include "platform/IniFile.h"

namespace CommsPort {

bool isValid(int index) {
    return index >= 0 && index < Count;
}

int storedIndex(const IniFile* settings) {
    return settings ? settings->readInteger(Section, IndexKey, 0) : 0;
}

bool storeIndex(IniFile& settings, int index) {
    return settings.writeInteger(Section, IndexKey, index);
}

QString portName(int index) {
    return isValid(index) ? QStringLiteral("COM%1").arg(index + 1) : QString();
}

int indexOfName(const QString& name) {
    for (int i = 0; i < Count; ++i)
        if (name.compare(portName(i), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString devicePath(const IniFile* settings, int index) {
    if (!isValid(index))
        return {};
    const QString builtIn = QStringLiteral("/dev/ttyS%1").arg(index);
    if (!settings)
        return builtIn;
    return settings->readString(Section, portName(index) + QStringLiteral("Device"), builtIn);
}

} // namespace CommsPort
