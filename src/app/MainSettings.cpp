#include "app/MainSettings.h"

#include "comms/DownloadCompiler.h"
#include "platform/IniFile.h"

namespace {

const QString FileNameSection = QStringLiteral("FileName");
const QString MainFormSection = QStringLiteral("MainForm");

const std::array<const char*, 3> CaptionKeys = {"ox100FN", "ox400FN", "ox410FN"};
const std::array<const char*, 3> ExtensionKeys = {"ox100FX", "ox400FX", "ox410FX"};

std::uint32_t readLimit(const IniFile& ini, const char* key, std::uint32_t def) {
    const int value = ini.readInteger(MainFormSection, QLatin1String(key), -1);
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
    Maximised = ini.readBool(MainFormSection, QStringLiteral("Maximised"), false);
    Left = ini.readInteger(MainFormSection, QStringLiteral("Left"), 0);
    Top = ini.readInteger(MainFormSection, QStringLiteral("Top"), 0);
    if (!Maximised) {
        Width = ini.readInteger(MainFormSection, QStringLiteral("Width"), 640);
        Height = ini.readInteger(MainFormSection, QStringLiteral("Height"), 400);
    }
    MaxItems = readLimit(ini, "MaxItemsPerLabel", DefaultMaxItems);
    MaxGraphicItems = readLimit(ini, "MaxGraphicItemsPerLabel", DefaultMaxGraphicItems);
    HandheldMaxSize = readLimit(ini, "HandheldMaxSize", DefaultHandheldMaxSize);
    HideToolBar = ini.readBool(QStringLiteral("HideToolBar"), QStringLiteral("Checked"), false);
    Rulers = ini.readBool(QStringLiteral("Rulers"), QStringLiteral("Checked"), true);
}

void MainSettings::write(IniFile& ini, int selectedModelIndex) const {
    ini.writeString(FileNameSection, QStringLiteral("PrevLogDir"), PrevLogDir);
    ini.writeString(FileNameSection, QStringLiteral("PrevSaveDir"), PrevSaveDir);
    ini.writeInteger(FileNameSection, QStringLiteral("FileType"), FileType);
    ini.writeBool(MainFormSection, QStringLiteral("Maximised"), Maximised);
    ini.writeInteger(MainFormSection, QStringLiteral("Left"), Left);
    ini.writeInteger(MainFormSection, QStringLiteral("Top"), Top);
    ini.writeInteger(QStringLiteral("SelectPrinter"), QStringLiteral("LastUsed"),
                     selectedModelIndex & 0x7F);
    if (!Maximised) {
        ini.writeInteger(MainFormSection, QStringLiteral("Width"), Width);
        ini.writeInteger(MainFormSection, QStringLiteral("Height"), Height);
    }
    ini.writeBool(QStringLiteral("HideToolBar"), QStringLiteral("Checked"), HideToolBar);
    ini.writeBool(QStringLiteral("Rulers"), QStringLiteral("Checked"), Rulers);
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
        const int length =
            settings->readInteger(QStringLiteral("NamesFm"), QStringLiteral("ShortNameLength"),
                                  DownloadLimits::DefaultShortNameLength);
        limits.ShortNameLength = length >= 1 ? length : DownloadLimits::DefaultShortNameLength;
    }
    return limits;
}
