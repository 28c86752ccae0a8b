#include "comms/ui/SerialPortDialog.h"

#include "comms/CommsPort.h"
#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "platform/ui/WindowPlacement.h"
#include "texts/SettingsFile.h"
#include "widgets/RadioGroup.h"

#include <QPushButton>

SerialPortDialog::SerialPortDialog(const IniFile* settings, QWidget* parent)
    : RadioGroupDialog(CommsPort::Section, QStringLiteral("PortNumberRG"), true, parent) {
    readTexts(settings);
    readSettings(settings);
}

SerialPortDialog::~SerialPortDialog() {
    writeSettings();
}

void SerialPortDialog::readTexts(const IniFile* settings) {
    setWindowTitle(text(settings, "Caption", "Set Comms Port"));
    group()->setTitle(text(settings, "PortNumberRGCaption", " Set Port Number "));
    group()->setItems(
        {text(settings, "PortNumberRGCOM1", "COM1"), text(settings, "PortNumberRGCOM2", "COM2"),
         text(settings, "PortNumberRGCOM3", "COM3"), text(settings, "PortNumberRGCOM4", "COM4")});
    okButton()->setText(text(settings, "OK", "OK"));
    cancelButton()->setText(text(settings, "Cancel", "Cancel"));
}

void SerialPortDialog::readSettings(const IniFile* settings) {
    restorePlace(*this, settings, objectName());
    commsPort_ = CommsPort::storedIndex(settings);
    setItemIndex(commsPort_);
}

void SerialPortDialog::writeSettings() const {
    const auto settings = SettingsFile::open();
    if (!settings)
        return;
    if (shown_) {
        settings->writeInteger(objectName(), QStringLiteral("Left"), pos().x());
        settings->writeInteger(objectName(), QStringLiteral("Top"), pos().y());
    }
    CommsPort::storeIndex(*settings, commsPort_);
}

bool SerialPortDialog::execute(Prompter& prompter) {
    setItemIndex(commsPort_);
    shown_ = true;
    if (prompter.runModal(*this) != QDialog::Accepted)
        return false;
    if (CommsPort::isValid(itemIndex()))
        commsPort_ = itemIndex();
    writeSettings();
    return true;
}
