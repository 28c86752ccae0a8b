#include "comms/DownloadTexts.h"

#include "platform/IniFile.h"
#include "texts/SettingsFile.h"

namespace {

void readText(const IniFile* settings, const char* key, QString& text) {
    text = SettingsFile::text(settings, DownloadTexts::Section, QLatin1String(key), text);
}

} // namespace

DownloadTexts DownloadTexts::read(const IniFile* settings) {
    DownloadTexts t;
    readText(settings, "Caption", t.Caption);
    readText(settings, "NameLabel", t.NameLabel);
    readText(settings, "EraseForm", t.EraseForm);
    readText(settings, "Error", t.Error);
    readText(settings, "HandheldFull", t.HandheldFull);
    readText(settings, "CommsError", t.CommsError);
    readText(settings, "LowBattError", t.LowBattError);
    readText(settings, "SRAMError", t.SRAMError);
    readText(settings, "HandHeldEmpty", t.HandHeldEmpty);
    readText(settings, "Completed", t.Completed);
    readText(settings, "ListNotRead", t.ListNotRead);
    readText(settings, "Cancelled", t.Cancelled);
    readText(settings, "Details", t.Details);
    return t;
}

DownloadPacing DownloadPacing::read(const IniFile* settings) {
    DownloadPacing pacing;
    if (!settings)
        return pacing;
    const int interval = settings->readInteger(
        DownloadTexts::Section, QStringLiteral("PacketInterval"), DefaultPacketIntervalMs);
    pacing.packetIntervalMs = interval >= 0 ? interval : DefaultPacketIntervalMs;
    return pacing;
}
