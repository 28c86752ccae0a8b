#include "items/ui/FieldItemDialog.h"

#include "items/FieldItem.h"
#include "items/ui/ItemDialogKinds.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogSupport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>

#include <algorithm>

FieldItemDialog::FieldItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                                 QWidget* parent)
    : ItemPropertiesDialog(SettingsSection, prompter, data, fonts, parent) {
    page_ = namedWidget<QWidget>(this, "FieldPage");
    maxCharsLabel_ = namedWidget<QLabel>(page_, "MaxCharsLabel");
    maxCharsEdit_ = namedWidget<QSpinBox>(page_, "MaxCharsEdit");
    // No more than the download record carries.
    maxCharsEdit_->setRange(0, FieldItem::MaxCharsLimit);
    maxCharsLabel_->setBuddy(maxCharsEdit_);
    auto* row = new QHBoxLayout(page_);
    row->addWidget(maxCharsLabel_);
    row->addWidget(maxCharsEdit_);
    row->addStretch();
    ownControls().addWidget(page_);
    // Only a number the user sets: a file's number beyond the box stays.
    connect(maxCharsEdit_, &QSpinBox::valueChanged, this, [this](int maxChars) {
        if (FieldItem* item = fieldItem())
            item->MaxChars = maxChars;
    });
    const auto settings = SettingsFile::open(&prompter);
    maxCharsLabel_->setText(
        dialogText(settings.get(), SettingsSection, "MaxCharsLabel", "Max. Chars"));
}

FieldItem* FieldItemDialog::fieldItem() const {
    return dynamic_cast<FieldItem*>(edited());
}

void FieldItemDialog::showOwnFields() {
    const FieldItem* item = fieldItem();
    page_->setEnabled(item != nullptr);
    if (!item)
        return;
    const QSignalBlocker blocker(maxCharsEdit_);
    maxCharsEdit_->setValue(std::clamp(item->MaxChars, 0, FieldItem::MaxCharsLimit));
    maxCharsEdit_->setFocus();
}

const ItemDialogKind& fieldItemDialogKind() {
    static const ItemDialogKind kind{
        .typeCode = FieldItem::TypeCode,
        .makeDialog = [](Prompter& prompter, DataStore& data, FontSet& fonts, const Messages&,
                         QWidget* parent) -> std::unique_ptr<ItemPropertiesDialog> {
            return std::make_unique<FieldItemDialog>(prompter, data, fonts, parent);
        },
    };
    return kind;
}
