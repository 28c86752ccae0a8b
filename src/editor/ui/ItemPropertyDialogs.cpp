#include "editor/ui/ItemPropertyDialogs.h"

#include "document/ImageItem.h"
#include "items/ui/ItemDialogKinds.h"
#include "items/ui/ItemPropertiesDialog.h"

ItemPropertyDialogs::ItemPropertyDialogs(Prompter& prompter, DataStore& data, FontSet& fonts,
                                         const Messages& messages, QWidget* parent)
    : QObject(parent),
      common_(std::make_unique<ItemPropertiesDialog>(prompter, data, fonts, parent)) {
    connect(common_.get(), &ItemPropertiesDialog::fontChosen, this,
            &ItemPropertyDialogs::fontChosen);
    for (const ItemDialogKind* kind : itemDialogKinds())
        addKindForm(kind->typeCode, kind->makeDialog(prompter, data, fonts, messages, parent));
}

ItemPropertyDialogs::~ItemPropertyDialogs() = default;

void ItemPropertyDialogs::addKindForm(int typeCode, std::unique_ptr<ItemPropertiesDialog> form) {
    connect(form.get(), &ItemPropertiesDialog::fontChosen, this, &ItemPropertyDialogs::fontChosen);
    if (!justificationCaptions_.isEmpty())
        form->setJustificationCaptions(justificationCaptions_);
    kindForms_[typeCode] = std::move(form);
}

void ItemPropertyDialogs::setJustificationCaptions(const QStringList& leftCentreRight) {
    justificationCaptions_ = leftCentreRight;
    common_->setJustificationCaptions(leftCentreRight);
    for (const auto& [code, form] : kindForms_)
        form->setJustificationCaptions(leftCentreRight);
}

int ItemPropertyDialogs::edit(ImageItem& item, DotCanvas& view, int itemNumber) {
    return formFor(item.getTypeCode()).editItem(item, view, itemNumber);
}

ItemPropertiesDialog& ItemPropertyDialogs::formFor(int typeCode) {
    const auto found = kindForms_.find(typeCode);
    return found != kindForms_.end() ? *found->second : *common_;
}
