#pragma once

#include "items/ui/ItemPropertiesDialog.h"

// The shift code item's property dialog, settings section
// "ShiftcodePropEdForm": the common properties under the kind's own caption,
// since the item has no settings of its own.
class ShiftCodeItemDialog : public ItemPropertiesDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("ShiftcodePropEdForm");

    ShiftCodeItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                        QWidget* parent = nullptr);
};
