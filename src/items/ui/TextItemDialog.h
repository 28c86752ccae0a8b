#pragma once

#include "items/ui/ItemPropertiesDialog.h"

class IniFile;
class Messages;
class QCheckBox;
class QLabel;
class QLineEdit;
class TextItem;

// The text item's property dialog, settings section "TxtIPropEdForm": the
// common properties plus the text and, for an operator request, the prompt
// and the most characters the operator may enter.
//
// OK with an empty text acts as Cancel, since an empty text item cannot be
// placed. A text or prompt with a character that has no Windows-1252 byte is
// refused on OK with a message naming the character; the dialog stays open.
class TextItemDialog : public ItemPropertiesDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("TxtIPropEdForm");

    // Typed as the prompt, switches the diagnostic mode on.
    static inline const QString DiagnosticAccessCode = QStringLiteral("PLUMB PLUMB PLUMB");

    TextItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts, const Messages& messages,
                   QWidget* parent = nullptr);

protected:
    void showOwnFields() override;
    void accept() override;

private:
    void buildControls();
    void readTexts(const IniFile* settings);
    TextItem* textItem() const;

    void operatorRequestClicked();
    void textEdited();
    void promptEdited();
    void maxCharsEdited();
    void raiseMaxCharsToTextLength();
    void showMaxChars(int maxChars);
    bool takeTexts(TextItem& item);

    const Messages& messages_;
    QWidget* page_;
    QLabel* textLabel_;
    QLineEdit* textEdit_;
    QCheckBox* operatorRequestCheckBox_;
    QLabel* promptLabel_;
    QLineEdit* promptEdit_;
    QLabel* maxCharsLabel_;
    QLineEdit* maxCharsEdit_;
    QString foreignCharacterError_;
};
