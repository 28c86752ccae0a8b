#pragma once

#include "barcode/AppIdTable.h"
#include "barcode/BarcodeData.h"
#include "document/ItemTypeNames.h"
#include "items/ui/ItemPropertiesDialog.h"

class BarcodeItem;
class IniFile;
class Messages;
class QCheckBox;
class QLabel;
class QListWidget;
class QSlider;
class QSpinBox;
class QTableWidget;
class QToolButton;

// The barcode item's property dialog, settings section
// "BarcodePropertiesForm": the symbology, the common properties without a
// font (rotation 0 or 180 degrees only), the value and the symbology's own
// settings, each group shown for the symbologies it belongs to:
//   EAN-8, EAN-13, UPC-A, UPC-E: value, module width, height, Defaults;
//   Code 128: value, module width, height;
//   GS1-128: the application identifier table, the element entry with its
//   mask and prompt, the element list (Add, Replace, Remove), Show App IDs,
//   module width, height;
//   Code 39: value, height, check character, narrow width X and ratio Y/X;
//   ITF: value, text position picture, check character, bearer bars,
//   vertical bearers, leading zero, bearer width and bar height (track bars
//   read inverted: value = minimum + maximum - position), X and Y/X.
//
// The dialog edits the copy's data in place. A value the symbology cannot
// encode shows why beside the value field while it is typed; OK refuses it
// with that text, and refuses a symbol wider or taller than the printable
// area ("Too wide", "Too tall"), keeping the dialog open.
class BarcodeItemDialog : public ItemPropertiesDialog {
    Q_OBJECT
public:
    static inline const QString SettingsSection = QStringLiteral("BarcodePropertiesForm");

    BarcodeItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts, const Messages& messages,
                      QWidget* parent = nullptr);

    // A track bar's value from its position and back: the inverted ones
    // read max at the minimum position.
    static int invertedValue(const QSlider& slider, int position);

protected:
    void showOwnFields() override;
    void accept() override;

private:
    void buildControls();
    QWidget* buildValueBox();
    QWidget* buildGs1Box();
    QWidget* buildDimensionsBox();
    QWidget* buildCode39Box();
    QWidget* buildItfBox();
    QWidget* buildRatioBox();
    void readTexts(const IniFile* settings);
    BarcodeItem* barcodeItem() const;
    BarcodeData* barcodeData() const;
    int verticalDpi() const;

    void loadAppIds();
    void symbologyChosen(int index);
    void showData();
    void showGroups();
    // Moves the dialog up when growing took its lower edge off the screen.
    void keepOnScreen();
    void showElements();
    void showRatio();
    void valueEdited();
    void settingsChanged();
    void defaultsClicked();
    void appIdChosen();
    void addElementClicked();
    void replaceElementClicked();
    void removeElementClicked();
    std::optional<Gs1Element> enteredElement();
    void showAppIdsClicked();
    void textPositionClicked();
    void showProblem();
    QString problemText() const;

    const Messages& messages_;
    ItemTypeNames kindNames_;
    AppIdTable appIds_;
    bool appIdsLoaded_ = false;
    PromptWords promptWords_;
    QString pixelsText_;
    bool showing_ = false;

    QComboBox* symbologyComboBox_;
    QWidget* valueBox_;
    QLineEdit* valueEdit_;
    QLabel* problemLabel_;
    QGroupBox* gs1GroupBox_;
    QTableWidget* appIdGrid_;
    QLabel* appIdLabel_;
    QLineEdit* elementEdit_;
    QLineEdit* decimalEdit_;
    QLabel* promptLabel_;
    QListWidget* elementList_;
    QPushButton* addButton_;
    QPushButton* replaceButton_;
    QPushButton* removeButton_;
    QCheckBox* showAppIdsCheckBox_;
    QLabel* showAppIdsSample_;
    QGroupBox* dimensionsGroupBox_;
    QLabel* moduleWidthLabel_;
    QSpinBox* moduleWidthSpin_;
    QLabel* heightLabel_;
    QSpinBox* heightSpin_;
    QLabel* pixelsLabel_;
    QPushButton* defaultsButton_;
    QGroupBox* code39GroupBox_;
    QCheckBox* checkCharacterCheckBox_;
    QGroupBox* itfGroupBox_;
    QLabel* textPositionLabel_;
    QToolButton* textPositionButton_;
    QCheckBox* itfCheckCharacterCheckBox_;
    QCheckBox* bearerBarsCheckBox_;
    QCheckBox* verticalBearersCheckBox_;
    QCheckBox* leadingZeroCheckBox_;
    QLabel* bearerWidthLabel_;
    QSlider* bearerWidthSlider_;
    QLabel* bearerWidthValue_;
    QLabel* barHeightLabel_;
    QSlider* barHeightSlider_;
    QLabel* barHeightValue_;
    QGroupBox* ratioGroupBox_;
    QSlider* narrowWidthSlider_;
    QLabel* narrowWidthValue_;
    QSlider* ratioSlider_;
    QLabel* ratioValue_;
};
