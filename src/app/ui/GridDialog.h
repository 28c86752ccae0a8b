#pragma once

#include <QDialog>

#include <optional>

class IniFile;
class Prompter;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class DataStore;

// The grid dialog, settings section "GridTForm": the grid pitch in the
// current display unit, Snap To Grid and Display Grid. Created once; its
// texts are read when it is created.
class GridDialog : public QDialog {
    Q_OBJECT

public:
    explicit GridDialog(const IniFile* settings, QWidget* parent = nullptr);

    // Shows the grid settings of data. OK with a pitch applies the pitch and
    // both check boxes; OK with an empty pitch changes nothing; a pitch that
    // is not a number is reported and the dialog stays open. True when closed
    // with OK, after which the grid is to be redrawn.
    bool execute(Prompter& prompter, DataStore& data);

    void accept() override;

private:
    void readTexts(const IniFile* settings);
    void showSettings(const DataStore& data);
    // The typed pitch in dots; nothing when the field is empty or not a
    // number.
    std::optional<int> typedPitch(const DataStore& data) const;
    void apply(DataStore& data);

    Prompter* prompter_ = nullptr; // while shown
    DataStore* data_ = nullptr;

    QLabel* gridPitchLabel_;
    QLineEdit* pitchEdit_;
    QLabel* unitLabel_;
    QCheckBox* snapToGrid_;
    QCheckBox* displayGrid_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QString pitchError_;
};
