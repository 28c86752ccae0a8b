#include "widgets/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent), group_(new QButtonGroup(this)), layout_(new QVBoxLayout(this)) {
    connect(group_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit itemIndexChanged(id);
    });
}

void RadioGroup::setItems(const QStringList& captions) {
    if (captions.size() != count()) {
        rebuild(captions);
        return;
    }
    for (int i = 0; i < count(); ++i)
        button(i)->setText(captions[i]);
}

void RadioGroup::rebuild(const QStringList& captions) {
    for (QAbstractButton* b : group_->buttons()) {
        group_->removeButton(b);
        delete b;
    }
    for (int i = 0; i < captions.size(); ++i) {
        auto* b = new QRadioButton(captions[i], this);
        b->setObjectName(QStringLiteral("Item%1").arg(i));
        group_->addButton(b, i);
        layout_->addWidget(b);
    }
}

QStringList RadioGroup::items() const {
    QStringList captions;
    for (int i = 0; i < count(); ++i)
        captions << button(i)->text();
    return captions;
}

int RadioGroup::count() const {
    return int(group_->buttons().size());
}

int RadioGroup::itemIndex() const {
    return group_->checkedId();
}

void RadioGroup::setItemIndex(int index) {
    if (QRadioButton* b = button(index)) {
        b->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last checked button.
    if (QAbstractButton* checked = group_->checkedButton()) {
        group_->setExclusive(false);
        checked->setChecked(false);
        group_->setExclusive(true);
        emit itemIndexChanged(-1);
    }
}

QRadioButton* RadioGroup::button(int index) const {
    return qobject_cast<QRadioButton*>(group_->button(index));
}
