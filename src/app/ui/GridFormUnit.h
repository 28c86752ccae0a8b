#pragma once

#include <QDialog>

class IniFile;
class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TNEBRAData;

// The grid dialog (component GridTForm): the grid pitch in the current
// display unit, Snap To Grid and Display Grid. Created once; its texts are
// read when it is created.
class TGridTForm : public QDialog {
    Q_OBJECT

public:
    explicit TGridTForm(const IniFile* settings, QWidget* parent = nullptr);

    // Shows the grid settings of data. OK with a pitch applies the pitch and
    // both check boxes; OK with an empty pitch changes nothing; a pitch that
    // is not a number is reported and changes nothing. True when closed with
    // OK, after which the grid is to be redrawn.
    bool execute(Prompter& prompter, TNEBRAData& data);

private:
    void readTexts(const IniFile* settings);
    void showSettings(const TNEBRAData& data);
    void apply(Prompter& prompter, TNEBRAData& data);

    QLabel* gridPitchLabel_;
    QLineEdit* pitchEdit_;
    QLabel* unitLabel_;
    QCheckBox* snapToGrid_;
    QCheckBox* displayGrid_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QString pitchError_;
};
