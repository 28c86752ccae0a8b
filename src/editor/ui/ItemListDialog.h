#pragma once

#include <QDialog>

#include <map>

class ItemList;
class IniFile;
class ItemTypeNames;
class Prompter;
class QAction;
class QToolBar;
class QTreeWidget;
class QVBoxLayout;

// The item list dialog ("Image Item cheat list "), settings section
// "cheatlist": the image's items with their kind and value, filtered by a tool bar of one
// toggle button per item kind that occurs in the image.
class ItemListDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("cheatlist");

    ItemListDialog(const IniFile* settings, const ItemTypeNames& kindNames,
                   QWidget* parent = nullptr);

    void execute(Prompter& prompter, const ItemList& items);

private:
    void readTexts(const IniFile* settings);
    void buildKindButtons();
    void fillList();

    const ItemTypeNames& kindNames_;
    const ItemList* items_ = nullptr;
    QVBoxLayout* layout_;
    QToolBar* kindBar_ = nullptr;
    QTreeWidget* listView_;
    std::map<int, QAction*> kindButtons_; // by type index
};
