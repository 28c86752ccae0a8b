#pragma once

#include "widgets/RadioGroupDialog.h"

#include <array>

class Prompter;

// The office printer resolution dialog, settings section "PrinterSetupForm":
// 150, 300 or 600 DPI, each with the scale factor office printing uses for
// it. Texts, the preselected entry (SelectedDPI) and the factors (PR150,
// PR300, PR600) come from the settings file when it is created; the choice is
// kept for the rest of the run but not written back.
class PrinterSetupDialog : public RadioGroupDialog {
    Q_OBJECT

public:
    static inline const QString SettingsSection = QStringLiteral("PrinterSetupForm");

    explicit PrinterSetupDialog(const IniFile* settings, QWidget* parent = nullptr);

    // The factor of the chosen resolution.
    int factor() const;
    // The chosen resolution: 150, 300 or 600 dots per inch.
    int dotsPerInch() const;

    // Shows the dialog; closing it without OK keeps the previous choice.
    // True when closed with OK.
    bool execute(Prompter& prompter);

private:
    void readTexts(const IniFile* settings);
    void readSettings(const IniFile* settings);

    std::array<int, 3> factors_{7, 14, 28};
};
