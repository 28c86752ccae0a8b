#include "printer/PrinterModels.h"

#include "platform/IniFile.h"
#include "texts/SettingsFile.h"

#include <array>
#include <cmath>

namespace {

// Far beyond any print head or message length, small enough that sums and
// products of geometry values stay well inside an int.
constexpr int kMaxSetting = 100000;

struct ModelKeys {
    const char* suffix; // "100" for ox100, FontDPI100, …
    PrinterModel defaults;
};

const std::array<ModelKeys, 3>& modelKeys() {
    static const std::array<ModelKeys, 3> keys{{
        {"100", {QStringLiteral("G4E"), 202, 448, 2000, 384, 0.0, 0}},
        {"400", {QStringLiteral("G1A, G1B"), 185, 185, 128, 4000, 80.0, 0}},
        {"410", {QStringLiteral("G3C"), 185, 185, 256, 4000, 80.0, 1}},
    }};
    return keys;
}

int readPositive(const IniFile& ini, const QString& key, int def) {
    const int value = ini.readInteger(PrinterModels::SettingsSection, key, def);
    return value > 0 && value <= kMaxSetting ? value : def;
}

double readDot(const IniFile& ini, const QString& key, double def) {
    const double value = ini.readFloat(PrinterModels::SettingsSection, key, def);
    return std::isfinite(value) && value >= 0.0 ? value : def;
}

std::uint8_t readJust(const IniFile& ini, const QString& key, std::uint8_t def) {
    const int value = ini.readInteger(PrinterModels::SettingsSection, key, def);
    return value == 0 || value == 1 ? std::uint8_t(value) : def;
}

PrinterModel readCoder(const IniFile* ini, const ModelKeys& keys) {
    PrinterModel c = keys.defaults;
    if (!ini)
        return c;
    const QString n = QLatin1String(keys.suffix);
    c.FontDPI = readPositive(*ini, QStringLiteral("FontDPI") + n, c.FontDPI);
    c.PrinterDPI = readPositive(*ini, QStringLiteral("PrinterDPI") + n, c.PrinterDPI);
    c.Height = readPositive(*ini, QStringLiteral("ox%1Height").arg(n), c.Height);
    c.Width = readPositive(*ini, QStringLiteral("ox%1Width").arg(n), c.Width);
    c.Dot = readDot(*ini, QStringLiteral("Dot") + n, c.Dot);
    c.Just = readJust(*ini, QStringLiteral("Just") + n, c.Just);
    return c;
}

} // namespace

PrinterModels::PrinterModels(const IniFile* settings) {
    for (const ModelKeys& keys : modelKeys()) {
        coders_.push_back(readCoder(settings, keys));
        coders_.back().name = modelName(settings, count() - 1);
    }
    const int lastUsed =
        settings ? settings->readInteger(SettingsSection, QStringLiteral("LastUsed"), 0) : 0;
    if (lastUsed >= count())
        selected_ = count() - 1;
    else if (lastUsed > 0)
        selected_ = lastUsed;
}

void PrinterModels::setSelectedIndex(int index) {
    if (index >= 0 && index < count())
        selected_ = index;
}

QString PrinterModels::modelName(const IniFile* settings, int index) {
    const ModelKeys& keys = modelKeys().at(std::size_t(index));
    return SettingsFile::text(settings, SettingsSection,
                              QStringLiteral("ox") + QLatin1String(keys.suffix),
                              keys.defaults.name);
}

int PrinterModels::modelCodeForIndex(int index) {
    switch (index) {
    case 0:
        return 1;
    case 2:
        return 4;
    default:
        return 2;
    }
}

int PrinterModels::indexForModelCode(int code) {
    switch (code) {
    case 1:
        return 0;
    case 4:
        return 2;
    default:
        return 1;
    }
}
