#pragma once

#include <QString>

#include <array>
#include <cstdint>

class IniFile;
struct DownloadLimits;

// The settings the main window keeps in the settings file: file types of the
// three printer models, the file dialogs' folders and filter, the window's
// bounds, the item limits and the tool bar and ruler switches.
struct MainSettings {
    static inline const QString FileNameSection = QStringLiteral("FileName");
    static inline const QString ToolBarSection = QStringLiteral("HideToolBar");
    static inline const QString RulersSection = QStringLiteral("Rulers");
    // The image names dialog's section, which also bounds download names.
    static inline const QString NamesSection = QStringLiteral("NamesFm");

    // Per model, as the file dialogs show them and as image files end; the
    // built-in values hold when there is no settings file, so images saved
    // then still get their model's extension.
    std::array<QString, 3> FileTypeCaption{QStringLiteral("ox100 (*.100)"),
                                           QStringLiteral("ox400 (*.400)"),
                                           QStringLiteral("ox410 (*.410)")};
    std::array<QString, 3> FileExtension{QStringLiteral(".G4E"), QStringLiteral(".G1A"),
                                         QStringLiteral(".G3C")};
    QString PrevLogDir;  // initial folder of the open dialog
    QString PrevSaveDir; // initial folder of the save dialog
    int FileType = 0;    // filter index of the open dialog
    bool Maximised = false;
    int Left = 0, Top = 0, Width = 640, Height = 400;
    // Until the settings are read the limits are 0, so nothing can be placed.
    std::uint32_t MaxItems = 0;
    std::uint32_t MaxGraphicItems = 0;
    std::uint32_t HandheldMaxSize = 0;
    bool HideToolBar = false;
    bool Rulers = true;

    static constexpr std::uint32_t DefaultMaxItems = 10;
    static constexpr std::uint32_t DefaultMaxGraphicItems = 2;
    static constexpr std::uint32_t DefaultHandheldMaxSize = 32512;

    // The start-up reads, in the settings table's order. Width and Height of
    // a maximised window are the size it goes back to. A negative or non-numeric
    // limit takes its default. A null (absent) file reads nothing.
    void read(const IniFile* settings);

    // The exit writes, in this order: PrevLogDir, PrevSaveDir, FileType,
    // Maximised, Left, Top, LastUsed, Width and Height unless maximised, then
    // the tool bar and ruler switches.
    void write(IniFile& settings, int selectedModelIndex) const;

    // The open dialog's filter: "caption|*ext|caption|*ext|caption|*ext".
    QString openDialogFilter() const;

    // What bounds a download image: HandheldMaxSize as read, and
    // ShortNameLength of section "NamesFm" read now from settings (a length
    // below 1, or no settings file, takes the default).
    DownloadLimits downloadLimits(const IniFile* settings) const;
};
