#pragma once

#include <QDialog>

#include <array>

class DataStore;
class IniFile;
class Prompter;
class QLabel;
class QLineEdit;
class QPushButton;

// The month strings dialog, settings section "MonthStringsForm": the name of
// a month language and its twelve three-character month abbreviations,
// January first, as date items print them. Created once; its texts and
// position are read when it is created.
//
// A box that receives more than three characters is cleared. The twelve
// boxes are gathered into one text of 36 characters, a shorter box filled up
// with spaces, so that each month keeps its place. OK refuses a character
// that has no Windows-1252 byte, naming it, and leaves the dialog open.
class MonthStringsDialog : public QDialog {
    Q_OBJECT

public:
    static inline const QString SettingsSection = QStringLiteral("MonthStringsForm");
    static constexpr int MonthCount = 12;
    static constexpr int AbbreviationLength = 3;

    explicit MonthStringsDialog(const IniFile* settings, QWidget* parent = nullptr);

    // The first 36 characters go into the twelve boxes, three each; boxes
    // beyond a shorter text stay empty.
    void showMonthStrings(const QString& strings);
    QString gatheredMonthStrings() const;
    void showLanguageName(const QString& name);
    QString languageName() const;

    // Edits the open image's own month strings and their name, first taken
    // from the first month language when either is empty. True on OK, which
    // stores the edited ones.
    bool execute(Prompter& prompter, DataStore& data);

    void accept() override;

private:
    void readTexts(const IniFile* settings);

    QLabel* nameLabel_;
    QLineEdit* nameEdit_;
    std::array<QLabel*, MonthCount> monthLabels_{};
    std::array<QLineEdit*, MonthCount> monthEdits_{};
    QPushButton* okButton_;
    QPushButton* cancelButton_;
    QString foreignCharacterError_;
    Prompter* prompter_ = nullptr;
};
