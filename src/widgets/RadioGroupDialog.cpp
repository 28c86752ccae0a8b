#include "widgets/RadioGroupDialog.h"

#include "texts/SettingsFile.h"
#include "widgets/DialogButtons.h"
#include "widgets/RadioGroup.h"

#include <QVBoxLayout>

RadioGroupDialog::RadioGroupDialog(const QString& settingsSection, const QString& groupName,
                                   bool withCancel, QWidget* parent)
    : QDialog(parent), group_(new RadioGroup(this)) {
    setObjectName(settingsSection);
    group_->setObjectName(groupName);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    const DialogButtons buttons = DialogButtons::addTo(*this, *layout, withCancel);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
}

QString RadioGroupDialog::text(const IniFile* settings, const char* key,
                               const char* builtIn) const {
    return SettingsFile::text(settings, objectName(), QLatin1String(key), QLatin1String(builtIn));
}

int RadioGroupDialog::itemIndex() const {
    return group_->itemIndex();
}

void RadioGroupDialog::setItemIndex(int index) {
    group_->setItemIndex(index);
}
