#include "comms/ui/SerialPortDialog.h"

#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "platform/ui/WindowPlacement.h"
#include "texts/SettingsFile.h"
#include "widgets/RadioGroup.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString deviceKey(int index) {
    return CommsPort::portName(index) + QStringLiteral("Device");
}

} // namespace

SerialPortDialog::SerialPortDialog(const IniFile* settings, QWidget* parent, SerialPortSource ports)
    : RadioGroupDialog(CommsPort::Section, QStringLiteral("PortNumberRG"), true, parent),
      ports_(std::move(ports)) {
    buildDeviceRow();
    readTexts(settings);
    readSettings(settings);
    connect(group(), &RadioGroup::itemIndexChanged, this, [this](int index) {
        keepDevice();
        showDevice(index);
    });
}

SerialPortDialog::~SerialPortDialog() {
    writeSettings();
}

// Below the ports: the device behind the checked one. The list offers the
// machine's serial ports; a path that is not listed (an adapter the system
// does not report) can be typed.
void SerialPortDialog::buildDeviceRow() {
    deviceLabel_ = new QLabel(this);
    deviceLabel_->setObjectName(QStringLiteral("DeviceLabel"));
    deviceBox_ = new QComboBox(this);
    deviceBox_->setObjectName(QStringLiteral("DeviceComboBox"));
    deviceBox_->setEditable(true);
    deviceBox_->setInsertPolicy(QComboBox::NoInsert);
    deviceBox_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    deviceBox_->setMinimumContentsLength(16);
    deviceLabel_->setBuddy(deviceBox_);
    // A listed port is shown with its description and USB ids; the field
    // keeps only its path.
    connect(deviceBox_, &QComboBox::activated, this,
            [this](int row) { deviceBox_->setEditText(deviceBox_->itemData(row).toString()); });
    auto* row = new QHBoxLayout;
    row->addWidget(deviceLabel_);
    row->addWidget(deviceBox_, 1);
    static_cast<QVBoxLayout*>(layout())->insertLayout(1, row);
}

void SerialPortDialog::readTexts(const IniFile* settings) {
    setWindowTitle(text(settings, "Caption", "Set Comms Port"));
    group()->setTitle(text(settings, "PortNumberRGCaption", " Set Port Number "));
    group()->setItems(
        {text(settings, "PortNumberRGCOM1", "COM1"), text(settings, "PortNumberRGCOM2", "COM2"),
         text(settings, "PortNumberRGCOM3", "COM3"), text(settings, "PortNumberRGCOM4", "COM4")});
    deviceLabel_->setText(text(settings, "DeviceLabel", "&Device:"));
    deviceBox_->setToolTip(text(settings, "DeviceHint",
                                "The device behind the checked port, for example /dev/ttyUSB0: "
                                "choose one of this computer's serial ports or type its path"));
    okButton()->setText(text(settings, "OK", "OK"));
    cancelButton()->setText(text(settings, "Cancel", "Cancel"));
}

void SerialPortDialog::readSettings(const IniFile* settings) {
    restorePlace(*this, settings, objectName());
    commsPort_ = CommsPort::storedIndex(settings);
    for (int i = 0; i < CommsPort::Count; ++i)
        devices_[i] = CommsPort::devicePath(settings, i);
    editedDevices_ = devices_;
    setItemIndex(commsPort_);
    showDevice(commsPort_);
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

QString SerialPortDialog::device(int index) const {
    return CommsPort::isValid(index) ? devices_[index] : QString();
}

void SerialPortDialog::listPorts() {
    const QString typed = deviceBox_->currentText();
    deviceBox_->clear();
    for (const SerialPortEntry& port : ports_ ? ports_() : std::vector<SerialPortEntry>{}) {
        deviceBox_->addItem(port.label(), port.device);
        deviceBox_->setItemData(deviceBox_->count() - 1, port.label(), Qt::ToolTipRole);
    }
    deviceBox_->setCurrentIndex(-1);
    deviceBox_->setEditText(typed);
}

// The field shows the device of the checked port; with none checked there
// is nothing to edit.
void SerialPortDialog::showDevice(int index) {
    shownIndex_ = CommsPort::isValid(index) ? index : -1;
    deviceBox_->setEnabled(shownIndex_ >= 0);
    deviceBox_->setEditText(shownIndex_ >= 0 ? editedDevices_[shownIndex_] : QString());
}

void SerialPortDialog::keepDevice() {
    if (shownIndex_ >= 0)
        editedDevices_[shownIndex_] = deviceBox_->currentText().trimmed();
}

bool SerialPortDialog::execute(Prompter& prompter) {
    editedDevices_ = devices_;
    listPorts();
    setItemIndex(commsPort_);
    showDevice(commsPort_);
    shown_ = true;
    if (prompter.runModal(*this) != QDialog::Accepted)
        return false;
    keepDevice();
    if (CommsPort::isValid(itemIndex()))
        commsPort_ = itemIndex();
    const auto settings = SettingsFile::open(&prompter);
    for (int i = 0; i < CommsPort::Count; ++i) {
        // An emptied field keeps the device it had.
        if (editedDevices_[i].isEmpty() || editedDevices_[i] == devices_[i])
            continue;
        devices_[i] = editedDevices_[i];
        if (settings)
            settings->writeString(CommsPort::Section, deviceKey(i), devices_[i]);
    }
    writeSettings();
    return true;
}
