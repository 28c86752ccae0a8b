#pragma once

#include <QDialog>

class IniFile;
class QPushButton;
class RadioGroup;

// A dialog that asks for one choice from a radio group and closes with OK
// (and, when it has one, Cancel). Its texts live in the settings-file
// section that is also the dialog's object name.
class RadioGroupDialog : public QDialog {
    Q_OBJECT

public:
    int itemIndex() const;
    void setItemIndex(int index);

protected:
    RadioGroupDialog(const QString& settingsSection, const QString& groupName, bool withCancel,
                     QWidget* parent);

    // A text of this dialog's section, with its built-in default.
    QString text(const IniFile* settings, const char* key, const char* builtIn) const;

    RadioGroup* group() const { return group_; }
    QPushButton* okButton() const { return okButton_; }
    QPushButton* cancelButton() const { return cancelButton_; } // null without Cancel

private:
    RadioGroup* group_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};
