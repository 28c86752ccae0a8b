#pragma once

#include "widgets/RadioGroupDialog.h"

class Prompter;
class PrinterModels;

// The printer selection dialog: one entry per printer model, OK (BitBtn1) and
// Cancel. Its texts and position come from section "SelectPrinter" of the
// settings file when it is created.
class PrinterModelDialog : public RadioGroupDialog {
    Q_OBJECT

public:
    explicit PrinterModelDialog(const IniFile* settings, QWidget* parent = nullptr);

    // Shows the dialog with the selected model chosen; OK selects the chosen
    // model, any other close leaves the selection as it was. True when
    // closed with OK.
    bool execute(Prompter& prompter, PrinterModels& printers);

private:
    void readSettings(const IniFile* settings);
};
