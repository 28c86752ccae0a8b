#pragma once

#include "items/ui/ItemPropertiesDialog.h"

class FieldItem;
class IniFile;
class Messages;
class QSpinBox;

// The field item's property dialog, settings section "fieldItemPropEdit":
// the common properties and the number of characters of the field.
class FieldItemDialog : public ItemPropertiesDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("fieldItemPropEdit");

    FieldItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts, QWidget* parent = nullptr);

protected:
    void showOwnFields() override;

private:
    FieldItem* fieldItem() const;

    QWidget* page_;
    QLabel* maxCharsLabel_;
    QSpinBox* maxCharsEdit_;
};
