#pragma once

#include <QStringList>

#include <QObject>

#include <map>
#include <memory>

class ImageItem;
class NebraDisplay;
class Messages;
class Prompter;
class QWidget;
class TFontSet;
class TNEBRAData;
class TPropertyForm;

// The one property dialog of each item kind (from the kinds' dialog
// entries), made once and kept for the program's life; an item is edited with the dialog of its
// kind (by type code), and with the common dialog when its kind has none.
class TPropertyForms : public QObject {
    Q_OBJECT
public:
    TPropertyForms(Prompter& prompter, TNEBRAData& data, TFontSet& fonts, const Messages& messages,
                   QWidget* parent);
    ~TPropertyForms() override;

    void setJustificationCaptions(const QStringList& leftCentreRight);

    // Runs the item's dialog; QDialog::Accepted when the edit was confirmed.
    int edit(ImageItem& item, NebraDisplay& view, int itemNumber);

    // The dialog used for a type code (the common one for an unknown code).
    TPropertyForm& formFor(int typeCode);

    // Makes form the dialog of a kind (replacing any earlier one).
    void addKindForm(int typeCode, std::unique_ptr<TPropertyForm> form);

signals:
    void fontChosen(int fontNumber);

private:
    std::unique_ptr<TPropertyForm> common_;
    std::map<int, std::unique_ptr<TPropertyForm>> kindForms_;
    QStringList justificationCaptions_;
};
