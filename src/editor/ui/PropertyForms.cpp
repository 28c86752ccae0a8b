#include "editor/ui/PropertyForms.h"

#include "document/ImageItems.h"
#include "items/ui/PropertyFormUnit.h"
#include "items/ui/ItemDialogKinds.h"

TPropertyForms::TPropertyForms(Prompter& prompter, TNEBRAData& data, TFontSet& fonts,
                               const Messages& messages, QWidget* parent)
    : QObject(parent), common_(std::make_unique<TPropertyForm>(prompter, data, fonts, parent)) {
    connect(common_.get(), &TPropertyForm::fontChosen, this, &TPropertyForms::fontChosen);
    for (const ItemDialogKind* kind : itemDialogKinds())
        addKindForm(kind->typeCode, kind->makeDialog(prompter, data, fonts, messages, parent));
}

TPropertyForms::~TPropertyForms() = default;

void TPropertyForms::addKindForm(int typeCode, std::unique_ptr<TPropertyForm> form) {
    connect(form.get(), &TPropertyForm::fontChosen, this, &TPropertyForms::fontChosen);
    if (!justificationCaptions_.isEmpty())
        form->setJustificationCaptions(justificationCaptions_);
    kindForms_[typeCode] = std::move(form);
}

void TPropertyForms::setJustificationCaptions(const QStringList& leftCentreRight) {
    justificationCaptions_ = leftCentreRight;
    common_->setJustificationCaptions(leftCentreRight);
    for (const auto& [code, form] : kindForms_)
        form->setJustificationCaptions(leftCentreRight);
}

int TPropertyForms::edit(ImageItem& item, NebraDisplay& view, int itemNumber) {
    return formFor(item.GetTypeCode()).EditItem(item, view, itemNumber);
}

TPropertyForm& TPropertyForms::formFor(int typeCode) {
    const auto found = kindForms_.find(typeCode);
    return found != kindForms_.end() ? *found->second : *common_;
}
