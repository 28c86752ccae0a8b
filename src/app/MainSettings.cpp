#include "app/MainSettings.h"

#include "comms/DownloadCompiler.h"
#include "platform/IniFile.h"
#include "printer/PrinterModels.h"
#include "texts/MainWindowTexts.h"

namespace {

const std::array<const char*, 3> CaptionKeys = {"ox100FN", "ox400FN", "ox410FN"};
const std::array<const char*, 3> ExtensionKeys = {"ox100FX", "ox400FX", "ox410FX"};

std::uint32_t readLimit(const IniFile& ini, const char* key, std::uint32_t def) {
    const int value = ini.readInteger(MainWindowTexts::Section, QLatin1String(key), -1);
    return value < 0 ? def : std::uint32_t(value);
}

} // namespace

void MainSettings::read(const IniFile* settings) {
    if (!settings)
        return;
    const IniFile& ini = *settings;
    for (std::size_t i = 0; i < 3; ++i)
        FileTypeCaption[i] =
            ini.readString(FileNameSection, QLatin1String(CaptionKeys[i]), FileTypeCaption[i]);
    for (std::size_t i = 0; i < 3; ++i)
        FileExtension[i] =
            ini.readString(FileNameSection, QLatin1String(ExtensionKeys[i]), FileExtension[i]);
    PrevLogDir = ini.readString(FileNameSection, QStringLiteral("PrevLogDir"), QString());
    FileType = ini.readInteger(FileNameSection, QStringLiteral("FileType"), 0);
    Maximised = ini.readBool(MainWindowTexts::Section, QStringLiteral("Maximised"), false);
    Left = ini.readInteger(MainWindowTexts::Section, QStringLiteral("Left"), 0);
    Top = ini.readInteger(MainWindowTexts::Section, QStringLiteral("Top"), 0);
    // Also for a maximised window: the size it goes back to.
    Width = ini.readInteger(MainWindowTexts::Section, QStringLiteral("Width"), 640);
    Height = ini.readInteger(MainWindowTexts::Section, QStringLiteral("Height"), 400);
    MaxItems = readLimit(ini, "MaxItemsPerLabel", DefaultMaxItems);
    MaxGraphicItems = readLimit(ini, "MaxGraphicItemsPerLabel", DefaultMaxGraphicItems);
    HandheldMaxSize = readLimit(ini, "HandheldMaxSize", DefaultHandheldMaxSize);
    HideToolBar = ini.readBool(ToolBarSection, QStringLiteral("Checked"), false);
    Rulers = ini.readBool(RulersSection, QStringLiteral("Checked"), true);
}

void MainSettings::write(IniFile& ini, int selectedModelIndex) const {
    ini.writeString(FileNameSection, QStringLiteral("PrevLogDir"), PrevLogDir);
    ini.writeString(FileNameSection, QStringLiteral("PrevSaveDir"), PrevSaveDir);
    ini.writeInteger(FileNameSection, QStringLiteral("FileType"), FileType);
    ini.writeBool(MainWindowTexts::Section, QStringLiteral("Maximised"), Maximised);
    ini.writeInteger(MainWindowTexts::Section, QStringLiteral("Left"), Left);
    ini.writeInteger(MainWindowTexts::Section, QStringLiteral("Top"), Top);
    ini.writeInteger(PrinterModels::SettingsSection, QStringLiteral("LastUsed"),
                     selectedModelIndex & 0x7F);
    if (!Maximised) {
        ini.writeInteger(MainWindowTexts::Section, QStringLiteral("Width"), Width);
        ini.writeInteger(MainWindowTexts::Section, QStringLiteral("Height"), Height);
    }
    ini.writeBool(ToolBarSection, QStringLiteral("Checked"), HideToolBar);
    ini.writeBool(RulersSection, QStringLiteral("Checked"), Rulers);
}

QString MainSettings::openDialogFilter() const {
    QStringList parts;
    for (std::size_t i = 0; i < 3; ++i)
        parts << FileTypeCaption[i] << u'*' + FileExtension[i];
    return parts.join(u'|');
}

DownloadLimits MainSettings::downloadLimits(const IniFile* settings) const {
    DownloadLimits limits;
    limits.HandheldMaxSize = HandheldMaxSize;
    if (settings) {
        const int length = settings->readInteger(NamesSection, QStringLiteral("ShortNameLength"),
                                                 DownloadLimits::DefaultShortNameLength);
        limits.ShortNameLength = length >= 1 ? length : DownloadLimits::DefaultShortNameLength;
    }
    return limits;
}
