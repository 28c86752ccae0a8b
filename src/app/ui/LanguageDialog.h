#pragma once

#include "texts/LanguageChooser.h"

#include <QDialog>

class IniFile;
class QPushButton;
class RadioGroup;

// The language dialog: a radio group of the six languages with OK and
// Cancel. Its texts and its settings (Left, Top, Language) come from section
// "LangForm" of the settings file when it is created and again on
// reloadFromSettings().
class LanguageDialog : public QDialog, public LanguageChooser {
    Q_OBJECT
    Q_PROPERTY(int itemIndex READ itemIndex WRITE setItemIndex)

public:
    explicit LanguageDialog(QWidget* parent = nullptr);

    int itemIndex() const override;
    void setItemIndex(int index) override;
    bool showModal(Prompter& prompter) override;
    void reloadFromSettings() override;
    QPoint position() const override { return pos(); }

private:
    void readTexts(const IniFile* settings);
    void readSettings(const IniFile* settings);

    RadioGroup* languageRG_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};
