#include "ScriptedPrompter.h"
#include "TestFolders.h"
#include "app/SettingsFile.h"
#include "app/ui/RadioGroup.h"
#include "printer/miprinters.h"
#include "printer/ui/PrinterConfig.h"
#include "printer/ui/SelectPrint.h"

#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

// A dialog script: checks which entry is preselected, chooses another and
// clicks the named button (none: the window is closed).
ScriptedPrompter::DialogScript choose(const char* group, int preselected, int entry,
                                      const char* button) {
    return [=](QDialog& dialog) {
        auto* rg = dialog.findChild<RadioGroup*>(QLatin1String(group));
        EXPECT_EQ(rg->itemIndex(), preselected);
        rg->button(entry)->click();
        dialog.setResult(QDialog::Rejected);
        if (button)
            QTest::mouseClick(dialog.findChild<QPushButton*>(QLatin1String(button)),
                              Qt::LeftButton);
        return dialog.result();
    };
}

template <typename Dialog> std::unique_ptr<Dialog> dialogFromIni(const QByteArray& ini) {
    TestFolders folders;
    folders.writeIni(ini);
    return std::make_unique<Dialog>(SettingsFile::open().get());
}

} // namespace

TEST(SelectPrinter, ShowsTheModelsWithTheSettingsFileTexts) {
    const auto dialog = dialogFromIni<TSelectPrinter>(
        "[SelectPrinter]\nCaption=Druckerauswahl\nox410=Hoher Kopf\nLeft=30\nTop=40\n");
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Druckerauswahl"));
    const auto* rg = dialog->findChild<RadioGroup*>(QStringLiteral("SelectPrinterRG"));
    EXPECT_EQ(rg->title(), QStringLiteral("Select Printer"));
    EXPECT_EQ(rg->items(), QStringList({"G4E", "G1A, G1B", "Hoher Kopf"}));
    EXPECT_EQ(dialog->pos(), QPoint(30, 40));
}

TEST(SelectPrinter, OnlyOkChangesTheModel) {
    TSelectPrinter dialog(nullptr);
    TCoderList printers(nullptr);
    printers.setSelectedIndex(1);
    ScriptedPrompter prompter;
    prompter.dialogScripts = {choose("SelectPrinterRG", 1, 2, "CancelButton"),
                              choose("SelectPrinterRG", 1, 0, nullptr),
                              choose("SelectPrinterRG", 1, 2, "BitBtn1")};
    EXPECT_FALSE(dialog.execute(prompter, printers));
    EXPECT_FALSE(dialog.execute(prompter, printers));
    EXPECT_EQ(printers.selectedIndex(), 1);
    EXPECT_TRUE(dialog.execute(prompter, printers));
    EXPECT_EQ(printers.selectedIndex(), 2);
}

TEST(PrinterSetupForm, ReadsItsChoiceAndFactorsRefusingGarbage) {
    TPrinterSetupForm builtIn(nullptr);
    EXPECT_EQ(builtIn.windowTitle(), QStringLiteral("Setup Printer"));
    EXPECT_EQ(builtIn.findChild<RadioGroup*>(QStringLiteral("DPIRG1"))->items(),
              QStringList({"150 DPI", "300 DPI", "600 DPI"}));
    EXPECT_EQ(builtIn.factor(), 14);

    auto dialog =
        dialogFromIni<TPrinterSetupForm>("[PrinterSetupForm]\nSelectedDPI=2\nPR600=30\nPR150=0\n");
    EXPECT_EQ(dialog->factor(), 30);
    dialog->setItemIndex(0);
    EXPECT_EQ(dialog->factor(), 7);
    for (const char* bad : {"3", "-1", "abc"})
        EXPECT_EQ(
            dialogFromIni<TPrinterSetupForm>(QByteArray("[PrinterSetupForm]\nSelectedDPI=") + bad)
                ->itemIndex(),
            1);
}

TEST(PrinterSetupForm, ClosingWithoutOkKeepsThePreviousChoice) {
    TPrinterSetupForm dialog(nullptr);
    ScriptedPrompter prompter;
    prompter.dialogScripts = {choose("DPIRG1", 1, 0, nullptr), choose("DPIRG1", 1, 2, "OKButton")};
    EXPECT_FALSE(dialog.execute(prompter));
    EXPECT_EQ(dialog.factor(), 14);
    EXPECT_TRUE(dialog.execute(prompter));
    EXPECT_EQ(dialog.factor(), 28);
}
