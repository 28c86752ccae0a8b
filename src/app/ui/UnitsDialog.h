#pragma once

#include "widgets/RadioGroupDialog.h"

class Prompter;
class DataStore;

// The display-units dialog, settings section "UnitsForm": a radio group of
// the four units with OK and Cancel. It is made afresh each time it is shown,
// so its texts always come from the current settings file.
class UnitsDialog : public RadioGroupDialog {
    Q_OBJECT

public:
    explicit UnitsDialog(const IniFile* settings, QWidget* parent = nullptr);

    // Shows the dialog with the current units chosen; OK makes the chosen
    // units current. True when closed with OK.
    static bool execute(Prompter& prompter, DataStore& data, QWidget* parent = nullptr);

private:
    void readTexts(const IniFile* settings);
};
