#include "app/MainSettings.h"
#include "comms/CommsPort.h"
#include "comms/DownloadTexts.h"
#include "comms/ui/HandheldContentsDialog.h"
#include "document/DataStore.h"
#include "document/ui/ImageNamesDialog.h"
#include "document/ui/LabelStructureDialog.h"
#include "document/ui/ShiftTimesDialog.h"
#include "editor/ui/ItemListDialog.h"
#include "editor/ui/RestrictedAreaDialog.h"
#include "items/ui/BarcodeItemDialog.h"
#include "items/ui/FieldItemDialog.h"
#include "items/ui/ItemPropertiesDialog.h"
#include "items/ui/MultiLineTextItemDialog.h"
#include "items/ui/ShiftCodeItemDialog.h"
#include "items/ui/TextItemDialog.h"
#include "items/ui/TimeItemDialog.h"
#include "office/InkCost.h"
#include "office/ui/InkCostDialog.h"
#include "printer/PrinterModels.h"
#include "printer/ui/PrinterSetupDialog.h"
#include "texts/LanguageFiles.h"
#include "texts/MainWindowTexts.h"

#include <gtest/gtest.h>

#include <utility>

// The sections of the settings file are named in users' files and in the
// six language files: each constant keeps its bytes, and where a model class
// and a dialog both name a section, the two agree.
TEST(SettingsSections, KeepTheNamesTheSettingsFilesUse) {
    const std::pair<const QString&, const char*> cases[] = {
        {MainWindowTexts::Section, "MainForm"},
        {MainSettings::FileNameSection, "FileName"},
        {MainSettings::ToolBarSection, "HideToolBar"},
        {MainSettings::RulersSection, "Rulers"},
        {MainSettings::NamesSection, "NamesFm"},
        {ImageNamesDialog::SettingsSection, "NamesFm"},
        {LanguageFiles::SettingsSection, "LangForm"},
        {DataStore::UnitsSection, "UnitsForm"},
        {DataStore::GridSection, "GridTForm"},
        {DataStore::OptionsSection, "TOLVOptions"},
        {DataStore::TimeSection, "TIPropEdForm"},
        {PrinterModels::SettingsSection, "SelectPrinter"},
        {PrinterSetupDialog::SettingsSection, "PrinterSetupForm"},
        {LabelStructureDialog::SettingsSection, "LabelStructureForm"},
        {RestrictedAreaDialog::SettingsSection, "RestrictedAreaForm"},
        {ItemListDialog::SettingsSection, "cheatlist"},
        {ItemPropertiesDialog::SettingsSection, "PropertyForm"},
        {ItemPropertiesDialog::TextsSection, "PropedForm"},
        {TextItemDialog::SettingsSection, "TxtIPropEdForm"},
        {MultiLineTextItemDialog::SettingsSection, "RTxtIPropEdForm"},
        {BarcodeItemDialog::SettingsSection, "BarcodePropertiesForm"},
        {FieldItemDialog::SettingsSection, "fieldItemPropEdit"},
        {TimeItemDialog::SettingsSection, "TIPropEdForm"},
        {ShiftCodeItemDialog::SettingsSection, "ShiftcodePropEdForm"},
        {ShiftTimesDialog::SettingsSection, "ShiftTimesForm"},
        {CommsPort::Section, "CommsPortForm"},
        {DownloadTexts::Section, "DownloadForm"},
        {HandheldContentsDialog::SettingsSection, "HandHeldForm"},
        {InkCost::SettingsSection, "InkCostForm"},
        {InkCostDialog::SettingsSection, "InkCostForm"},
    };
    for (const auto& [constant, bytes] : cases)
        EXPECT_EQ(constant.toLatin1(), QByteArray(bytes));
}
