#include "document/ui/LabelStructureDialog.h"

#include "document/ItemList.h"
#include "platform/Prompter.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogButtons.h"

#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

QString text(const IniFile* settings, const char* key, const char* builtIn) {
    return SettingsFile::text(settings, LabelStructureDialog::SettingsSection, QLatin1String(key),
                              QLatin1String(builtIn));
}

} // namespace

LabelStructureDialog::LabelStructureDialog(const IniFile* settings, const Messages& messages,
                                           const ItemTypeNames& kindNames, QWidget* parent)
    : QDialog(parent), messages_(messages), kindNames_(kindNames),
      itemsListView_(new QTreeWidget(this)) {
    setObjectName(SettingsSection);
    itemsListView_->setObjectName(QStringLiteral("ItemsListView"));
    itemsListView_->setColumnCount(3);
    itemsListView_->setRootIsDecorated(false);
    itemsListView_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    itemsListView_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(itemsListView_);
    okButton_ = DialogButtons::addTo(*this, *layout, false).ok;
    connect(itemsListView_, &QTreeWidget::itemDoubleClicked, this, [this] { pickSelectedRow(); });
    readTexts(settings);
}

void LabelStructureDialog::readTexts(const IniFile* settings) {
    setWindowTitle(text(settings, "Caption", "Label Structure"));
    itemsListView_->setHeaderLabels({text(settings, "ItemNumberHeading", "Item no."),
                                     text(settings, "ItemTypeHeading", "Item type"),
                                     text(settings, "ItemValueHeading", "Value")});
    okButton_->setText(text(settings, "OK", "OK"));
    invalidNumberError_ = messages_.InvalidIntegerError;
}

void LabelStructureDialog::fill(const ItemList& items) {
    itemsListView_->clear();
    for (const ListViewRow& row : items.listViewRows(kindNames_))
        itemsListView_->addTopLevelItem(new QTreeWidgetItem({row.caption, row.kind, row.value}));
}

ImageItem* LabelStructureDialog::execute(Prompter& prompter, ItemList& items) {
    fill(items);
    prompter_ = &prompter;
    items_ = &items;
    picked_ = nullptr;
    const bool picked = prompter.runModal(*this) == QDialog::Accepted && picked_;
    prompter_ = nullptr;
    items_ = nullptr;
    return picked ? picked_ : nullptr;
}

void LabelStructureDialog::pickSelectedRow() {
    const QList<QTreeWidgetItem*> selected = itemsListView_->selectedItems();
    if (selected.size() != 1 || !items_)
        return;
    // A row of a part of an item is captioned "position.part".
    const QString caption = selected.front()->text(0);
    bool isNumber = false;
    const int position = caption.section(u'.', 0, 0).toInt(&isNumber);
    if (!isNumber) {
        if (prompter_)
            prompter_->inform(invalidNumberError_ + QStringLiteral(": ") + caption,
                              Prompter::Icon::Stop);
        return;
    }
    picked_ = items_->at(position);
    if (picked_)
        accept();
}
