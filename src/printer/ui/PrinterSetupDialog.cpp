#include "printer/ui/PrinterSetupDialog.h"

#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "widgets/RadioGroup.h"

#include <QPushButton>

namespace {

constexpr int kDefaultEntry = 1;

} // namespace

PrinterSetupDialog::PrinterSetupDialog(const IniFile* settings, QWidget* parent)
    : RadioGroupDialog(SettingsSection, QStringLiteral("DPIRG1"), false, parent) {
    readTexts(settings);
    readSettings(settings);
}

void PrinterSetupDialog::readTexts(const IniFile* settings) {
    setWindowTitle(text(settings, "Caption", "Setup Printer"));
    group()->setTitle(text(settings, "Resolution", "Resolution"));
    group()->setItems({text(settings, "150DPI", "150 DPI"), text(settings, "300DPI", "300 DPI"),
                       text(settings, "600DPI", "600 DPI")});
    okButton()->setText(text(settings, "OK", "OK"));
}

void PrinterSetupDialog::readSettings(const IniFile* settings) {
    int entry = kDefaultEntry;
    if (settings) {
        const char* keys[] = {"PR150", "PR300", "PR600"};
        for (std::size_t i = 0; i < factors_.size(); ++i) {
            const int value = settings->readInteger(objectName(), QLatin1String(keys[i]), 0);
            // A factor that is not positive would print nothing at all.
            if (value > 0)
                factors_[i] = value;
        }
        entry = settings->readInteger(objectName(), QStringLiteral("SelectedDPI"), kDefaultEntry);
    }
    setItemIndex(entry >= 0 && entry < int(factors_.size()) ? entry : kDefaultEntry);
}

int PrinterSetupDialog::factor() const {
    const int index = itemIndex();
    return factors_[std::size_t(index >= 0 && index < int(factors_.size()) ? index
                                                                           : kDefaultEntry)];
}

int PrinterSetupDialog::dotsPerInch() const {
    const int index = itemIndex();
    constexpr int resolutions[] = {150, 300, 600};
    return resolutions[index >= 0 && index < 3 ? index : kDefaultEntry];
}

bool PrinterSetupDialog::execute(Prompter& prompter) {
    const int previous = itemIndex();
    if (prompter.runModal(*this) == QDialog::Accepted)
        return true;
    setItemIndex(previous);
    return false;
}
