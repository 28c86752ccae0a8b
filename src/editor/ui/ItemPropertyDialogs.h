#pragma once

#include <QStringList>

#include <QObject>

#include <map>
#include <memory>

class ImageItem;
class DotCanvas;
class Messages;
class Prompter;
class QWidget;
class FontSet;
class DataStore;
class ItemPropertiesDialog;

// The one property dialog of each item kind (from the kinds' dialog
// entries), made once and kept for the program's life; an item is edited with the dialog of its
// kind (by type code), and with the common dialog when its kind has none.
class ItemPropertyDialogs : public QObject {
    Q_OBJECT
public:
    ItemPropertyDialogs(Prompter& prompter, DataStore& data, FontSet& fonts,
                        const Messages& messages, QWidget* parent);
    ~ItemPropertyDialogs() override;

    void setJustificationCaptions(const QStringList& leftCentreRight);

    // Runs the item's dialog; QDialog::Accepted when the edit was confirmed.
    int edit(ImageItem& item, DotCanvas& view, int itemNumber);

    // The dialog used for a type code (the common one for an unknown code).
    ItemPropertiesDialog& formFor(int typeCode);

    // Makes form the dialog of a kind (replacing any earlier one).
    void addKindForm(int typeCode, std::unique_ptr<ItemPropertiesDialog> form);

signals:
    void fontChosen(int fontNumber);

private:
    std::unique_ptr<ItemPropertiesDialog> common_;
    std::map<int, std::unique_ptr<ItemPropertiesDialog>> kindForms_;
    QStringList justificationCaptions_;
};
