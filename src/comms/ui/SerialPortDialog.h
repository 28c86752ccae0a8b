#pragma once

#include "comms/CommsPort.h"
#include "comms/SerialPorts.h"
#include "widgets/RadioGroupDialog.h"

#include <array>

class Prompter;
class QComboBox;
class QLabel;

// The port dialog ("Set Comms Port"): a radio group of COM1 to COM4, the
// device behind the chosen one, and OK and Cancel. The device is picked from
// the machine's serial ports or typed as a path. Made once when the program
// starts, it reads its texts, position, chosen port and devices from section
// "CommsPortForm" of the settings file, and writes the position and the port
// back when the user confirms it and when it is destroyed; the devices are
// written when the user confirms it.
class SerialPortDialog : public RadioGroupDialog {
    Q_OBJECT

public:
    explicit SerialPortDialog(const IniFile* settings, QWidget* parent = nullptr,
                              SerialPortSource ports = SerialPorts::available);
    ~SerialPortDialog() override;

    // The chosen port index as stored; a garbled settings file may leave one
    // that names no port, which the commands that open the port report.
    int commsPort() const { return commsPort_; }
    // The device behind a port (0..3) as confirmed.
    QString device(int index) const;

    // Shows the dialog with the chosen port checked and the machine's ports
    // listed anew; OK with a port checked makes it and the devices shown the
    // choice and saves the settings. True when closed with OK.
    bool execute(Prompter& prompter);

private:
    void buildDeviceRow();
    void readTexts(const IniFile* settings);
    void readSettings(const IniFile* settings);
    void writeSettings() const;
    void listPorts();
    void showDevice(int index);
    void keepDevice();

    SerialPortSource ports_;
    QComboBox* deviceBox_ = nullptr;
    QLabel* deviceLabel_ = nullptr;
    std::array<QString, CommsPort::Count> devices_;
    std::array<QString, CommsPort::Count> editedDevices_;
    int shownIndex_ = -1; // the port whose device the field shows
    int commsPort_ = 0;
    bool shown_ = false; // a dialog never shown has no place of its own to keep
};
