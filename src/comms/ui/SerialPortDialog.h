#pragma once

#include "widgets/RadioGroupDialog.h"

class Prompter;

// The port dialog ("Set Comms Port"): a radio group
// of COM1 to COM4 with OK and Cancel. Made once when the program starts, it
// reads its texts, position and chosen port from section "CommsPortForm" of
// the settings file, and writes the position and the port back when the user
// confirms it and when it is destroyed.
class SerialPortDialog : public RadioGroupDialog {
    Q_OBJECT

public:
    explicit SerialPortDialog(const IniFile* settings, QWidget* parent = nullptr);
    ~SerialPortDialog() override;

    // The chosen port index as stored; a garbled settings file may leave one
    // that names no port, which the commands that open the port report.
    int commsPort() const { return commsPort_; }

    // Shows the dialog with the chosen port checked; OK with a port checked
    // makes it the choice and saves the settings. True when closed with OK.
    bool execute(Prompter& prompter);

private:
    void readTexts(const IniFile* settings);
    void readSettings(const IniFile* settings);
    void writeSettings() const;

    int commsPort_ = 0;
    bool shown_ = false; // a dialog never shown has no place of its own to keep
};
