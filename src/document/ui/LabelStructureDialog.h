#pragma once

#include <QDialog>

class ImageItem;
class ItemList;
class IniFile;
class ItemTypeNames;
class Messages;
class Prompter;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// The label structure dialog, settings section "LabelStructureForm": the
// items of the image in order, one row each with its position, kind and value. A
// double-click on a single row picks that item and closes the dialog; OK
// closes it without picking.
class LabelStructureDialog : public QDialog {
    Q_OBJECT

public:
    static inline const QString SettingsSection = QStringLiteral("LabelStructureForm");

    LabelStructureDialog(const IniFile* settings, const Messages& messages,
                         const ItemTypeNames& kindNames, QWidget* parent = nullptr);

    // Lists items and shows the dialog; answers the item picked by a
    // double-click (the caller selects it and opens its properties), or null.
    ImageItem* execute(Prompter& prompter, ItemList& items);

private:
    void readTexts(const IniFile* settings);
    void fill(const ItemList& items);
    void pickSelectedRow();

    const Messages& messages_;
    const ItemTypeNames& kindNames_;
    QTreeWidget* itemsListView_;
    QPushButton* okButton_;
    QString invalidNumberError_;
    Prompter* prompter_ = nullptr;
    ItemList* items_ = nullptr;
    ImageItem* picked_ = nullptr;
};
