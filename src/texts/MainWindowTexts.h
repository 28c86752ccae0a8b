#pragma once

#include "texts/TextTable.h"

#include <QString>

#include <vector>

class IniFile;

// The main window's own texts, keyed in section "MainForm" of the settings
// file: status line panels, tool-button hints and menu entries. Each member
// starts with its built-in English text; load() replaces it by the chosen
// language's text. Members are named after their keys.
class MainWindowTexts {
public:
    static inline const QString Section = QStringLiteral("MainForm");
    // The application title, shown last in the window caption.
    static inline const QString Title = QStringLiteral("Tolvane");

    // Status line panels; each is shown followed by ": ".
    QString XPosPanel = QStringLiteral("X");
    QString YPosPanel = QStringLiteral("Y");
    QString AreaPanel = QStringLiteral("Area");
    QString DescriptionPanel = QStringLiteral("Description");

    // Tool-button hints: the text before '|' is the short hint.
    QString NewHint = QStringLiteral("New|");
    QString LoadHint = QStringLiteral("Load|");
    QString SaveHint = QStringLiteral("Save|");
    QString SaveAsHint = QStringLiteral("Save As|");
    QString CutHint = QStringLiteral("Cut|");
    QString CopyHint = QStringLiteral("Copy|");
    QString PasteHint = QStringLiteral("Paste|");
    QString DefineRestrictHint = QStringLiteral("Define restricted area");
    QString DrawRestrictHint = QStringLiteral("Draw restricted area");
    QString SelectHint = QStringLiteral("Select|");
    QString TextHint = QStringLiteral("Text Item|");
    QString DateHint = QStringLiteral("Date Item|");
    QString NumberHint = QStringLiteral("NumberItem|");
    QString TimeHint = QStringLiteral("Time Item|");
    QString ShiftCodeHint = QStringLiteral("Shift Code Item");
    QString BarcodeHint = QStringLiteral("Barcode Item");
    QString GraphicHint = QStringLiteral("Graphic Item");
    QString FieldHint = QStringLiteral("Field Item");
    QString ZoomInHint = QStringLiteral("Zoom In");
    QString ZoomOutHint = QStringLiteral("Zoom Out");
    QString DownloadHint = QStringLiteral("Download");
    QString MultiLineTextHint = QStringLiteral("Multiple Line Text");
    QString LeftJustifyButtonHint = QStringLiteral("Left Justify");
    QString CentreJustifyButtonHint = QStringLiteral("Centre Justify");
    QString RightJustifyButtonHint = QStringLiteral("Right Justify");
    QString TopJustifyButtonHint = QStringLiteral("Top Justify");
    QString MiddleJustifyButtonHint = QStringLiteral("Middle Justify");
    QString BottomJustifyButtonHint = QStringLiteral("Bottom Justify");
    QString InkCostButtonHint = QStringLiteral("Ink Cost");

    // Menu entries; '&' marks the access key.
    QString FileMenu = QStringLiteral("File");
    QString FileMenuNew = QStringLiteral("&New");
    QString FileMenuLoad = QStringLiteral("&Open");
    QString FileMenuSave = QStringLiteral("&Save");
    QString FileMenuSaveAs = QStringLiteral("Save &As");
    QString FileMenuRenameFile = QStringLiteral("Rename File");
    QString FileMenuDefineMonthStrings = QStringLiteral("Define Month Strings");
    QString FileImageDescriptions = QStringLiteral("Image Descriptions");
    QString FileMenuImageDescriptions = QStringLiteral("Image Descriptions");
    QString FileMenuDownloadImage = QStringLiteral("Download");
    QString FileMenuPrint = QStringLiteral("Print");
    QString FileMenuPrintSetup = QStringLiteral("Print Setup");
    QString FileMenuPrintPreview = QStringLiteral("Print Preview");
    QString FileMenuExport = QStringLiteral("Export...");
    QString FileMenuExit = QStringLiteral("&Exit");
    QString EditMenu = QStringLiteral("Edit");
    QString EditMenuCut = QStringLiteral("Cut");
    QString EditMenuCopy = QStringLiteral("Copy");
    QString EditMenuPaste = QStringLiteral("Paste");
    QString FormatMenu = QStringLiteral("Format");
    QString FormatMenuLeftJustify = QStringLiteral("Left Justify");
    QString FormatMenuCentreJustify = QStringLiteral("Centre Justify");
    QString FormatMenuRightJustify = QStringLiteral("Right Justify");
    QString FormatMenuTopJustify = QStringLiteral("Top Justify");
    QString FormatMenuMiddleJustify = QStringLiteral("Middle Justify");
    QString FormatMenuBottomJustify = QStringLiteral("Bottom Justify");
    QString ItemMenu = QStringLiteral("Item");
    QString ItemMenuSelectItem = QStringLiteral("Select Item");
    QString ItemMenuTextItem = QStringLiteral("Text Item");
    QString ItemMenuDateItem = QStringLiteral("Date Item");
    QString ItemMenuNumberItem = QStringLiteral("Number Item");
    QString ItemMenuTimeItem = QStringLiteral("Time Item");
    QString ItemMenuShiftCodeItem = QStringLiteral("Shiftcode Item");
    QString ItemMenuBarCodeItem = QStringLiteral("Barcode Item");
    QString ItemMenuGraphicItem = QStringLiteral("Graphic Item");
    QString ItemMenuMultipleLineTextItem = QStringLiteral("Multiple Line Text Item");
    QString OptionsMenu = QStringLiteral("Options");
    QString OptionsMenuSerialPort = QStringLiteral("Serial Port");
    QString OptionsMenuDisplayUnits = QStringLiteral("Display units");
    QString OptionsMenuShiftTimes = QStringLiteral("Shift times");
    QString OptionsMenuHideToolBar = QStringLiteral("Hide Tool Bar");
    QString OptionsMenuGrid = QStringLiteral("Grid");
    QString OptionsMenuRulers = QStringLiteral("Rulers");
    QString OptionsMenuLanguage = QStringLiteral("Language");
    QString HelpMenu = QStringLiteral("Help");
    QString HelpMenuAboutBox = QStringLiteral("About");
    QString ZoomMenu = QStringLiteral("Zoom");
    QString ZoomMenuAutoSize = QStringLiteral("Preview");
    QString ZoomMenuZoom50 = QStringLiteral("50%");
    QString ZoomMenuZoom100 = QStringLiteral("100%");
    QString ZoomMenuZoom150 = QStringLiteral("150%");
    QString ZoomMenuZoom200 = QStringLiteral("200%");
    QString ZoomMenuZoom300 = QStringLiteral("300%");
    QString ZoomMenuZoom400 = QStringLiteral("400%");
    QString ZoomMenuZoom600 = QStringLiteral("600%");
    QString ZoomMenuZoom800 = QStringLiteral("800%");
    QString ZoomMenuFit = QStringLiteral("Fit");
    // The tool bar's font boxes and the button that shows the tools not room for.
    QString FontNameHint = QStringLiteral("Printer font");
    QString FontSizeHint = QStringLiteral("Font size");
    QString ToolBarMoreHint = QStringLiteral("More tools");
    // The caption of an image not yet saved.
    QString Untitled = QStringLiteral("Untitled");
    QString Handheld = QStringLiteral("HandHeld");
    QString HandView = QStringLiteral("View");
    QString HandErase = QStringLiteral("Erase");

    // The export's file types and its question.
    QString ExportPngFilter = QStringLiteral("PNG picture, one pixel per dot");
    QString ExportSvgFilter = QStringLiteral("SVG drawing, true size");
    QString ExportPdfFilter = QStringLiteral("PDF document, true size");
    QString ExportMarginsQuestion = QStringLiteral("Export the margins around the image as well?");

    // Reads every key, in the order above, with the current text as default;
    // nothing happens for a null (absent) settings file.
    void load(const IniFile* settings);

    // The current texts with their keys: panels, hints, menu entries, then
    // the export's texts.
    std::vector<KeyedText> texts() const;
    static std::vector<KeyedText> builtInTexts();
    // The current text of a key (case-insensitive); null for an unknown key.
    QString text(const QString& key) const;

    // A hint's parts: the short hint before '|' (the whole hint without one)
    // and the long hint after it (empty without one).
    static QString shortHint(const QString& hint);
    static QString longHint(const QString& hint);
};
