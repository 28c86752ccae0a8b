#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>
#include <vector>

class ImageItem;
class IniFile;
class DotCanvas;
class Prompter;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QVBoxLayout;
class RadioGroup;
class FontSet;
class LengthEdit;
class DataStore;

// The common item property dialog, settings section "PropertyForm" (its
// texts, shared with the kind-specific dialogs, in "PropedForm"): position,
// rotation, justification and printer font of an item. Kind-specific dialogs
// derive from it and add their own controls.
//
// The dialog edits a copy of the item; OK assigns the copy into the item.
class ItemPropertiesDialog : public QDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("PropertyForm");
    // The texts the common controls share in every item dialog.
    static inline const QString TextsSection = QStringLiteral("PropedForm");

    ItemPropertiesDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                         QWidget* parent = nullptr);
    ~ItemPropertiesDialog() override;

    // The captions of justification entries 1 to 3, as the main window's
    // justification buttons show them for the selected model.
    void setJustificationCaptions(const QStringList& leftCentreRight);

    // Shows the dialog modally (through the Prompter) for item; itemNumber is
    // the item's 1-based position in the image, or count + 1 for a new item.
    // Answers QDialog::Accepted when the edit was confirmed and assigned.
    virtual int editItem(ImageItem& item, DotCanvas& view, int itemNumber);

signals:
    // The user chose another font; the main window's font boxes follow.
    void fontChosen(int fontNumber);

protected:
    // Kind dialogs name their own settings section, which keys their
    // position in the settings file and becomes their object name.
    ItemPropertiesDialog(const QString& settingsSection, Prompter& prompter, DataStore& data,
                         FontSet& fonts, QWidget* parent);

    // The copy under edit; only while editItem runs.
    ImageItem* edited() const { return copy_.get(); }
    // The view the item is edited for; only while editItem runs.
    DotCanvas& view() const { return *view_; }
    Prompter& prompter() const { return prompter_; }
    DataStore& data() const { return data_; }
    // Kind dialogs add their controls here, above the common ones.
    QVBoxLayout& ownControls() const { return *ownControls_; }
    // The caption before " (Item N)".
    void setTitle(const QString& title) { title_ = title; }
    // Takes the position fields into the copy, then closes with OK.
    void accept() override;

    // Refuses a text with a character that has no Windows-1252 byte: shows
    // message with the character for its %1 and puts the focus on field.
    bool refusesForeignCharacters(const QString& text, QWidget& field, const QString& message);

    // Shows the copy's own fields; runs after the common fields are shown.
    virtual void showOwnFields() {}
    // Shows the copy's rotation again after the kind changed it.
    void setupRotation();
    // For kinds that print no text.
    void hideFontChoice();

private:
    void buildControls();
    QGroupBox* buildPositionBox();
    QGroupBox* buildFontBox();
    void readTexts(const IniFile* settings);

    void showCommonFields();
    void showPosition();
    void setupJustification();
    void showCaption();

    int positionLimit(const LengthEdit& edit) const;
    int shownPosition(const LengthEdit& edit) const;
    void positionFinished(LengthEdit& edit);
    void rotationChosen(int index);
    void justificationChosen(int index);
    void fontNameChosen();
    void fontSizeChosen();

    Prompter& prompter_;
    DataStore& data_;
    FontSet& fonts_;

    std::unique_ptr<ImageItem> copy_;
    DotCanvas* view_ = nullptr;
    int itemNumber_ = 0;
    std::vector<int> rotationIndex_; // radio-group entry → rotation value

    QString title_;
    QString itemWord_;
    QStringList rotationCaptions_;
    QString noJustification_;
    QStringList justificationCaptions_;

    QVBoxLayout* ownControls_ = nullptr;
    QPushButton* okBtn_ = nullptr;
    QPushButton* cancelBtn_ = nullptr;
    RadioGroup* rotationRG_ = nullptr;
    RadioGroup* justificationRG_ = nullptr;
    QGroupBox* positionGroupBox_ = nullptr;
    LengthEdit* xPosEdit_ = nullptr;
    LengthEdit* yPosEdit_ = nullptr;
    QLabel* xPosLabel_ = nullptr;
    QLabel* yPosLabel_ = nullptr;
    QLabel* unitLabel_ = nullptr;
    QGroupBox* fontGroupBox_ = nullptr;
    QComboBox* fontNameComboBox_ = nullptr;
    QComboBox* fontSizeComboBox_ = nullptr;
};
