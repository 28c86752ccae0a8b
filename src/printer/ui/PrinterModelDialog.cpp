#include "printer/ui/PrinterModelDialog.h"

#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "platform/ui/WindowPlacement.h"
#include "printer/PrinterModels.h"
#include "widgets/RadioGroup.h"

#include <QPushButton>

PrinterModelDialog::PrinterModelDialog(const IniFile* settings, QWidget* parent)
    : RadioGroupDialog(PrinterModels::SettingsSection, QStringLiteral("SelectPrinterRG"), true,
                       parent) {
    okButton()->setObjectName(QStringLiteral("BitBtn1"));
    readSettings(settings);
}

void PrinterModelDialog::readSettings(const IniFile* settings) {
    restorePlace(*this, settings, objectName());
    setWindowTitle(text(settings, "Caption", "Printer Selection"));
    group()->setTitle(text(settings, "SelectPrinterRG", "Select Printer"));
    QStringList names;
    for (int i = 0; i < 3; ++i)
        names << PrinterModels::modelName(settings, i);
    group()->setItems(names);
    okButton()->setText(text(settings, "OK", "OK"));
    cancelButton()->setText(text(settings, "Cancel", "Cancel"));
}

bool PrinterModelDialog::execute(Prompter& prompter, PrinterModels& printers) {
    setItemIndex(printers.selectedIndex());
    if (prompter.runModal(*this) != QDialog::Accepted)
        return false;
    printers.setSelectedIndex(itemIndex());
    return true;
}
