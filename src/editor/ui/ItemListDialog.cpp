#include "editor/ui/ItemListDialog.h"

#include "document/ItemList.h"
#include "items/ItemKinds.h"
#include "platform/Prompter.h"
#include "widgets/DialogButtons.h"
#include "widgets/DialogSupport.h"

#include <QAction>
#include <QFile>
#include <QIcon>
#include <QPushButton>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

// The icon of an item's kind; none for an item of no known kind.
QIcon kindIcon(const ImageItem& item) {
    const ItemKind* kind = findItemKind(item.getTypeCode());
    return kind && QFile::exists(kind->iconPath()) ? QIcon(kind->iconPath()) : QIcon();
}

QString buttonName(const ImageItem& item) {
    const ItemKind* kind = findItemKind(item.getTypeCode());
    return kind ? QLatin1String(kind->listButtonName) : QString();
}

} // namespace

ItemListDialog::ItemListDialog(const IniFile* settings, const ItemTypeNames& kindNames,
                               QWidget* parent)
    : QDialog(parent), kindNames_(kindNames), layout_(new QVBoxLayout(this)),
      listView_(namedWidget<QTreeWidget>(this, "ListView")) {
    Q_INIT_RESOURCE(icons); // the icons live in a static library
    setObjectName(SettingsSection);
    listView_->setRootIsDecorated(false);
    listView_->setColumnCount(2);
    layout_->addWidget(listView_);
    const DialogButtons buttons = DialogButtons::addTo(*this, *layout_, false);
    buttons.ok->setText(dialogText(settings, SettingsSection, "OK", "OK"));
    readTexts(settings);
    restoreDialogPosition(*this, settings);
}

void ItemListDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, SettingsSection, key, builtIn);
    };
    setWindowTitle(text("Caption", "Image Item cheat list "));
    listView_->setHeaderLabels(
        {text("ItemTypeHeading", "Item type"), text("ItemValueHeading", "Value")});
}

void ItemListDialog::execute(Prompter& prompter, const ItemList& items) {
    items_ = &items;
    buildKindButtons();
    fillList();
    prompter.runModal(*this);
    storeDialogPosition(*this, &prompter);
    items_ = nullptr;
    listView_->clear();
}

// One button per kind in the image, all down, so that the list starts full.
// The bar is made anew: a tool bar deletes the buttons of removed actions
// only later, and the old ones must not linger beside the new.
void ItemListDialog::buildKindButtons() {
    delete kindBar_;
    kindButtons_.clear();
    kindBar_ = namedWidget<QToolBar>(this, "KindToolBar");
    layout_->insertWidget(0, kindBar_);
    for (int32_t i = 1; i <= items_->count(); ++i) {
        const ImageItem* item = items_->at(i);
        const int typeIndex = item->typeIndex();
        if (kindButtons_.count(typeIndex))
            continue;
        auto* button = new QAction(kindIcon(*item), item->getKindName(kindNames_), kindBar_);
        button->setObjectName(buttonName(*item));
        button->setCheckable(true);
        button->setChecked(true);
        connect(button, &QAction::toggled, this, &ItemListDialog::fillList);
        kindButtons_[typeIndex] = button;
    }
    // The kind buttons take the focus like any other button, first in the
    // dialog's Tab order as they are first from the top.
    QWidget* previous = nullptr;
    for (const auto& [typeIndex, button] : kindButtons_) {
        kindBar_->addAction(button);
        if (QWidget* shown = kindBar_->widgetForAction(button)) {
            shown->setObjectName(button->objectName());
            shown->setFocusPolicy(Qt::TabFocus);
            if (previous)
                setTabOrder(previous, shown);
            previous = shown;
        }
    }
    if (previous)
        setTabOrder(previous, listView_);
}

void ItemListDialog::fillList() {
    listView_->clear();
    if (!items_)
        return;
    for (int32_t i = 1; i <= items_->count(); ++i) {
        const ImageItem* item = items_->at(i);
        const auto button = kindButtons_.find(item->typeIndex());
        if (button == kindButtons_.end() || !button->second->isChecked())
            continue;
        std::vector<ListViewRow> rows;
        item->addToListView(i, rows, kindNames_);
        for (const ListViewRow& row : rows) {
            auto* line = new QTreeWidgetItem(listView_, {row.kind, row.value});
            line->setIcon(0, kindIcon(*item));
        }
    }
}
