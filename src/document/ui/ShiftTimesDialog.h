#pragma once

#include "document/ShiftTable.h"

#include <QDialog>
#include <QStringList>

#include <optional>

class IniFile;
class Messages;
class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// The shift times dialog, settings section "ShiftTimesForm": the shift table
// of the open image as a list of lines "day start code", with the selected
// line's day, start and code to change or delete it, a new shift's to add
// it, and the number of shifts in use and left.
//
// Every change goes to a working copy of the table and is checked as it is
// made; a refusal is shown with the message of the settings file's error
// table and leaves the table as it was. OK hands the working copy back,
// Cancel drops it.
class ShiftTimesDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("ShiftTimesForm");

    ShiftTimesDialog(const IniFile* settings, const Messages& messages, QWidget* parent = nullptr);

    // Edits table; true when the user confirmed with OK (table then holds
    // the edited shifts).
    bool execute(Prompter& prompter, ShiftTable& table);

    // A start typed as a time of day: hours and minutes (seconds allowed)
    // with ':' or in the system's short time format. Answers the fraction of
    // a day, as the table keeps starts.
    static std::optional<double> startOf(const QString& text);
    // A start as the list shows it, "hh:mm".
    static QString startText(double start);

private:
    void buildControls();
    QGroupBox* buildShiftTimesBox();
    QGroupBox* buildNewShiftBox();
    QGroupBox* buildInformationBox();
    void readTexts(const IniFile* settings);

    void fillList();
    void showCounts();
    QString lineOf(const ShiftSlot& slot) const;
    void select(int slot);
    void clearSelection();

    void lineClicked(int row);
    void addShift();
    void replaceShift();
    void dayChanged(int day);
    void deleteShift();

    // The start and code of edits, checked in that order; false after the
    // message of the first one that is not valid.
    bool readShift(const QLineEdit& startEdit, const QLineEdit& codeEdit, double& start,
                   std::string& code);
    // Shows the message of a refusal; true when there was one.
    bool refused(ShiftTable::Refusal refusal);
    void fail(const QString& message);

    const Messages& messages_;
    Prompter* prompter_ = nullptr;
    ShiftTable table_;
    int selected_ = 0; // slot number of the selected line; 0: none
    QStringList dayNames_;

    QListWidget* shiftListBox_;
    QComboBox* dayComboBox_;
    QLineEdit* shiftStartEdit_;
    QLineEdit* shiftcodeEdit_;
    QPushButton* replaceButton_;
    QPushButton* deleteButton_;
    QComboBox* newDayComboBox_;
    QLineEdit* newShiftStartEdit_;
    QLineEdit* newShiftcodeEdit_;
    QPushButton* addButton_;
    QLabel* shiftsInUse_;
    QLabel* shiftsLeft_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QGroupBox* shiftTimesGroupBox_;
    QGroupBox* newShiftGroupBox_;
    QGroupBox* informationGroupBox_;
    QLabel* dayLabel_;
    QLabel* newDayLabel_;
    QLabel* shiftStartLabel_;
    QLabel* shiftcodeLabel_;
    QLabel* newShiftStartLabel_;
    QLabel* newShiftcodeLabel_;
    QLabel* numberOfShiftsLabel_;
    QLabel* numberOfShiftsLeftLabel_;
};
