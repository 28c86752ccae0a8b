#include "app/ui/UnitsDialog.h"

#include "document/DataStore.h"
#include "platform/Prompter.h"
#include "texts/SettingsFile.h"
#include "widgets/RadioGroup.h"

#include <QPushButton>

UnitsDialog::UnitsDialog(const IniFile* settings, QWidget* parent)
    : RadioGroupDialog(DataStore::UnitsSection, QStringLiteral("UnitsRG"), true, parent) {
    readTexts(settings);
}

void UnitsDialog::readTexts(const IniFile* settings) {
    setWindowTitle(text(settings, "Caption", "Display units"));
    group()->setTitle(text(settings, "UnitsRGCaption", "Printer dots"));
    group()->setItems({text(settings, "UnitsRGPixels", "Pixels"), text(settings, "UnitsRGmm", "mm"),
                       text(settings, "UnitsRGInches", "Inches"),
                       text(settings, "UnitsRGPoints", "Points")});
    okButton()->setText(text(settings, "OK", "OK"));
    cancelButton()->setText(text(settings, "Cancel", "Cancel"));
}

bool UnitsDialog::execute(Prompter& prompter, DataStore& data, QWidget* parent) {
    const auto settings = SettingsFile::open(&prompter);
    UnitsDialog form(settings.get(), parent);
    form.setItemIndex(data.displayUnits());
    if (prompter.runModal(form) != QDialog::Accepted)
        return false;
    data.setDisplayUnits(form.itemIndex());
    return true;
}
