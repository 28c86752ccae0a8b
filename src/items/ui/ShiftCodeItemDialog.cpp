#include "items/ui/ShiftCodeItemDialog.h"

#include "items/ShiftCodeItem.h"
#include "items/ui/ItemDialogKinds.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogSupport.h"

ShiftCodeItemDialog::ShiftCodeItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                                         QWidget* parent)
    : ItemPropertiesDialog(SettingsSection, prompter, data, fonts, parent) {
    const QString caption = dialogText(SettingsFile::open(&prompter).get(), SettingsSection,
                                       "Caption", "Edit Shift Code Item Properties");
    setTitle(caption);
    setWindowTitle(caption);
}

const ItemDialogKind& shiftCodeItemDialogKind() {
    static const ItemDialogKind kind{
        .typeCode = ShiftCodeItem::TypeCode,
        .makeDialog = [](Prompter& prompter, DataStore& data, FontSet& fonts, const Messages&,
                         QWidget* parent) -> std::unique_ptr<ItemPropertiesDialog> {
            return std::make_unique<ShiftCodeItemDialog>(prompter, data, fonts, parent);
        },
    };
    return kind;
}
