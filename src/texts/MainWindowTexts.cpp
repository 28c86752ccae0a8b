#include "texts/MainWindowTexts.h"

#include <array>

namespace {

#define TXT(name) TOLV_TEXT_ENTRY(MainWindowTexts, name)

const std::array kTexts{
    TXT(XPosPanel),
    TXT(YPosPanel),
    TXT(AreaPanel),
    TXT(DescriptionPanel),

    TXT(NewHint),
    TXT(LoadHint),
    TXT(SaveHint),
    TXT(SaveAsHint),
    TXT(CutHint),
    TXT(CopyHint),
    TXT(PasteHint),
    TXT(DefineRestrictHint),
    TXT(DrawRestrictHint),
    TXT(SelectHint),
    TXT(TextHint),
    TXT(DateHint),
    TXT(NumberHint),
    TXT(TimeHint),
    TXT(ShiftCodeHint),
    TXT(BarcodeHint),
    TXT(GraphicHint),
    TXT(FieldHint),
    TXT(ZoomInHint),
    TXT(ZoomOutHint),
    TXT(DownloadHint),
    TXT(MultiLineTextHint),
    TXT(LeftJustifyButtonHint),
    TXT(CentreJustifyButtonHint),
    TXT(RightJustifyButtonHint),
    TXT(TopJustifyButtonHint),
    TXT(MiddleJustifyButtonHint),
    TXT(BottomJustifyButtonHint),
    TXT(InkCostButtonHint),

    TXT(FileMenu),
    TXT(FileMenuNew),
    TXT(FileMenuLoad),
    TXT(FileMenuSave),
    TXT(FileMenuSaveAs),
    TXT(FileMenuRenameFile),
    TXT(FileMenuDefineMonthStrings),
    TXT(FileImageDescriptions),
    TXT(FileMenuImageDescriptions),
    TXT(FileMenuDownloadImage),
    TXT(FileMenuPrint),
    TXT(FileMenuPrintSetup),
    TXT(FileMenuPrintPreview),
    TXT(FileMenuExport),
    TXT(FileMenuExit),
    TXT(EditMenu),
    TXT(EditMenuCut),
    TXT(EditMenuCopy),
    TXT(EditMenuPaste),
    TXT(FormatMenu),
    TXT(FormatMenuLeftJustify),
    TXT(FormatMenuCentreJustify),
    TXT(FormatMenuRightJustify),
    TXT(FormatMenuTopJustify),
    TXT(FormatMenuMiddleJustify),
    TXT(FormatMenuBottomJustify),
    TXT(ItemMenu),
    TXT(ItemMenuSelectItem),
    TXT(ItemMenuTextItem),
    TXT(ItemMenuDateItem),
    TXT(ItemMenuNumberItem),
    TXT(ItemMenuTimeItem),
    TXT(ItemMenuShiftCodeItem),
    TXT(ItemMenuBarCodeItem),
    TXT(ItemMenuGraphicItem),
    TXT(ItemMenuMultipleLineTextItem),
    TXT(OptionsMenu),
    TXT(OptionsMenuSerialPort),
    TXT(OptionsMenuDisplayUnits),
    TXT(OptionsMenuShiftTimes),
    TXT(OptionsMenuHideToolBar),
    TXT(OptionsMenuGrid),
    TXT(OptionsMenuRulers),
    TXT(OptionsMenuLanguage),
    TXT(HelpMenu),
    TXT(HelpMenuAboutBox),
    TXT(ZoomMenu),
    TXT(ZoomMenuAutoSize),
    TXT(ZoomMenuZoom50),
    TXT(ZoomMenuZoom100),
    TXT(ZoomMenuZoom150),
    TXT(ZoomMenuZoom200),
    TXT(ZoomMenuZoom300),
    TXT(ZoomMenuZoom400),
    TXT(ZoomMenuZoom600),
    TXT(ZoomMenuZoom800),
    TXT(ZoomMenuFit),
    TXT(FontNameHint),
    TXT(FontSizeHint),
    TXT(ToolBarMoreHint),
    TXT(Untitled),
    TXT(Handheld),
    TXT(HandView),
    TXT(HandErase),

    TXT(ExportPngFilter),
    TXT(ExportSvgFilter),
    TXT(ExportPdfFilter),
    TXT(ExportMarginsQuestion),
};

#undef TXT

} // namespace

void MainWindowTexts::load(const IniFile* settings) {
    loadTexts<MainWindowTexts>(*this, kTexts, settings, Section);
}

std::vector<KeyedText> MainWindowTexts::texts() const {
    return keyedTexts<MainWindowTexts>(*this, kTexts);
}

std::vector<KeyedText> MainWindowTexts::builtInTexts() {
    return MainWindowTexts().texts();
}

QString MainWindowTexts::text(const QString& key) const {
    return textOf<MainWindowTexts>(*this, kTexts, key);
}

QString MainWindowTexts::shortHint(const QString& hint) {
    return hint.section(u'|', 0, 0);
}

QString MainWindowTexts::longHint(const QString& hint) {
    return hint.section(u'|', 1);
}
