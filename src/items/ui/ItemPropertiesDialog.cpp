#include "items/ui/ItemPropertiesDialog.h"

#include "document/DataStore.h"
#include "document/ImageItem.h"
#include "platform/Prompter.h"
#include "printer/DotCanvas.h"
#include "printer/FontSet.h"
#include "printer/ui/FontBoxes.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogButtons.h"
#include "widgets/DialogSupport.h"
#include "widgets/LengthEdit.h"
#include "widgets/RadioGroup.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// Rotation entries by rotation value: key and built-in caption.
constexpr const char* kRotationKeys[4][2] = {{"RotationRG0Deg", "0 degrees"},
                                             {"RotationRG90Deg", "90 degrees"},
                                             {"RotationRG180Deg", "180 degrees"},
                                             {"RotationRG270Deg", "270 degrees"}};

} // namespace

ItemPropertiesDialog::ItemPropertiesDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                                           QWidget* parent)
    : ItemPropertiesDialog(SettingsSection, prompter, data, fonts, parent) {}

ItemPropertiesDialog::ItemPropertiesDialog(const QString& settingsSection, Prompter& prompter,
                                           DataStore& data, FontSet& fonts, QWidget* parent)
    : QDialog(parent), prompter_(prompter), data_(data), fonts_(fonts) {
    setObjectName(settingsSection);
    buildControls();
    const auto settings = SettingsFile::open(&prompter_);
    readTexts(settings.get());
    restoreDialogPosition(*this, settings.get());
}

ItemPropertiesDialog::~ItemPropertiesDialog() = default;

void ItemPropertiesDialog::buildControls() {
    rotationRG_ = namedWidget<RadioGroup>(this, "RotationRG");
    justificationRG_ = namedWidget<RadioGroup>(this, "JustificationRG");
    auto* common = new QGridLayout;
    common->addWidget(rotationRG_, 0, 0);
    common->addWidget(justificationRG_, 0, 1);
    common->addWidget(buildPositionBox(), 1, 0);
    common->addWidget(buildFontBox(), 1, 1);
    auto* layout = new QVBoxLayout(this);
    ownControls_ = new QVBoxLayout;
    layout->addLayout(ownControls_);
    layout->addLayout(common);
    const DialogButtons buttons = DialogButtons::addTo(*this, *layout);
    okBtn_ = buttons.ok;
    cancelBtn_ = buttons.cancel;
    okBtn_->setObjectName(QStringLiteral("OKBtn"));
    cancelBtn_->setObjectName(QStringLiteral("CancelBtn"));
    connect(rotationRG_, &RadioGroup::itemIndexChanged, this,
            &ItemPropertiesDialog::rotationChosen);
    connect(justificationRG_, &RadioGroup::itemIndexChanged, this,
            &ItemPropertiesDialog::justificationChosen);
}

QGroupBox* ItemPropertiesDialog::buildPositionBox() {
    positionGroupBox_ = namedWidget<QGroupBox>(this, "PositionGroupBox");
    xPosLabel_ = namedWidget<QLabel>(positionGroupBox_, "XPosLabel");
    yPosLabel_ = namedWidget<QLabel>(positionGroupBox_, "YPosLabel");
    xPosEdit_ = namedWidget<LengthEdit>(positionGroupBox_, "XPosEdit");
    yPosEdit_ = namedWidget<LengthEdit>(positionGroupBox_, "YPosEdit");
    xPosEdit_->setAxis(data_, DataStore::Axis::X);
    yPosEdit_->setAxis(data_, DataStore::Axis::Y);
    unitLabel_ = namedWidget<QLabel>(positionGroupBox_, "UnitLabel");
    xPosEdit_->setText(QStringLiteral("0"));
    yPosEdit_->setText(QStringLiteral("0"));
    unitLabel_->setText(QStringLiteral("Pels"));
    xPosLabel_->setBuddy(xPosEdit_);
    yPosLabel_->setBuddy(yPosEdit_);
    auto* grid = new QGridLayout(positionGroupBox_);
    grid->addWidget(xPosLabel_, 0, 0);
    grid->addWidget(xPosEdit_, 0, 1);
    grid->addWidget(yPosLabel_, 1, 0);
    grid->addWidget(yPosEdit_, 1, 1);
    grid->addWidget(unitLabel_, 0, 2, 2, 1);
    for (LengthEdit* edit : {xPosEdit_, yPosEdit_})
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { positionFinished(*edit); });
    return positionGroupBox_;
}

QGroupBox* ItemPropertiesDialog::buildFontBox() {
    fontGroupBox_ = namedWidget<QGroupBox>(this, "FontGroupBox");
    fontNameComboBox_ = namedWidget<QComboBox>(fontGroupBox_, "FontNameComboBox");
    fontSizeComboBox_ = namedWidget<QComboBox>(fontGroupBox_, "FontSizeComboBox");
    auto* column = new QVBoxLayout(fontGroupBox_);
    column->addWidget(fontNameComboBox_);
    column->addWidget(fontSizeComboBox_);
    connect(fontNameComboBox_, &QComboBox::activated, this, &ItemPropertiesDialog::fontNameChosen);
    connect(fontSizeComboBox_, &QComboBox::activated, this, &ItemPropertiesDialog::fontSizeChosen);
    return fontGroupBox_;
}

void ItemPropertiesDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, TextsSection, key, builtIn);
    };
    title_ = text("Caption", "Edit Properties");
    itemWord_ = text("ItemNumberCaption", "Item");
    justificationRG_->setTitle(text("JustificationRGCaption", "Justification"));
    rotationRG_->setTitle(text("RotationRGCaption", "Rotation"));
    positionGroupBox_->setTitle(text("PositionGroupBox", "Position"));
    xPosLabel_->setText(text("XPosLabel", "X-Pos"));
    yPosLabel_->setText(text("YPosLabel", "Y-Pos"));
    cancelBtn_->setText(text("Cancel", "Cancel"));
    okBtn_->setText(text("OK", "OK"));
    fontGroupBox_->setTitle(text("Font", "Font..."));
    for (const auto& [key, builtIn] : kRotationKeys)
        rotationCaptions_ << text(key, builtIn);
    noJustification_ = text("JustificationRGNone", "None");
    justificationCaptions_ = {text("JustificationRGLeft", "Left justification"),
                              text("JustificationRGCentre", "Centre justification"),
                              text("JustificationRGRight", "Right justification")};
    setWindowTitle(title_);
}

void ItemPropertiesDialog::setJustificationCaptions(const QStringList& leftCentreRight) {
    // Anything but the three captions would misnumber the entries.
    if (leftCentreRight.size() == 3)
        justificationCaptions_ = leftCentreRight;
}

int ItemPropertiesDialog::editItem(ImageItem& item, DotCanvas& view, int itemNumber) {
    copy_ = item.cloneItem();
    view_ = &view;
    itemNumber_ = itemNumber;
    showCommonFields();
    showOwnFields();
    showCaption();
    const int result = prompter_.runModal(*this);
    storeDialogPosition(*this, &prompter_);
    if (result == QDialog::Accepted)
        item.assign(*copy_);
    copy_.reset();
    view_ = nullptr;
    return result;
}

void ItemPropertiesDialog::showCommonFields() {
    fillFontCombos(fonts_, *fontNameComboBox_, *fontSizeComboBox_, copy_->FontNumber);
    showPosition();
    setupRotation();
    setupJustification();
}

void ItemPropertiesDialog::showPosition() {
    unitLabel_->setText(data_.unitName());
    xPosEdit_->showDots(shownPosition(*xPosEdit_));
    yPosEdit_->showDots(shownPosition(*yPosEdit_));
}

// The copy's position on the axis of edit, without the margin and limited
// to the image.
int ItemPropertiesDialog::shownPosition(const LengthEdit& edit) const {
    const int at = &edit == xPosEdit_ ? copy_->getX() : copy_->getY();
    return std::clamp(at - view_->margin(), 0, positionLimit(edit));
}

int ItemPropertiesDialog::positionLimit(const LengthEdit& edit) const {
    return std::max(0, &edit == xPosEdit_ ? view_->imageWidth() : view_->imageHeight());
}

void ItemPropertiesDialog::setupRotation() {
    const QSignalBlocker blocker(rotationRG_);
    rotationIndex_.clear();
    QStringList entries;
    for (int r = 0; r < 4; ++r) {
        if (copy_->AllowedRotations & (1u << r)) {
            entries << rotationCaptions_[r];
            rotationIndex_.push_back(r);
        }
    }
    rotationRG_->setItems(entries);
    const auto at = std::find(rotationIndex_.begin(), rotationIndex_.end(), copy_->Rotation);
    rotationRG_->setItemIndex(at == rotationIndex_.end() ? -1 : int(at - rotationIndex_.begin()));
}

void ItemPropertiesDialog::hideFontChoice() {
    fontGroupBox_->hide();
}

void ItemPropertiesDialog::setupJustification() {
    const QSignalBlocker blocker(justificationRG_);
    justificationRG_->setItems(QStringList{noJustification_} + justificationCaptions_);
    justificationRG_->setItemIndex(copy_->Justification);
}

void ItemPropertiesDialog::showCaption() {
    setWindowTitle(title_ + QStringLiteral(" (") + itemWord_ + u' ' + QString::number(itemNumber_) +
                   u')');
}

// A position is read when its field is left or OK is pressed, never while
// it is typed: an empty field is 0, a text that is not a length is 0 with a
// beep, and the dots are limited to the model before the copy takes them.
void ItemPropertiesDialog::positionFinished(LengthEdit& edit) {
    if (!copy_ || !edit.isChanged())
        return;
    std::optional<int> typed = edit.dots();
    if (!typed) {
        if (!edit.text().trimmed().isEmpty())
            prompter_.beep();
        typed = 0;
    }
    const int dots = std::clamp(*typed, 0, positionLimit(edit));
    edit.showDots(dots);
    if (&edit == xPosEdit_)
        copy_->setX(view_->margin() + dots);
    else
        copy_->setY(view_->margin() + dots);
}

void ItemPropertiesDialog::accept() {
    positionFinished(*xPosEdit_);
    positionFinished(*yPosEdit_);
    QDialog::accept();
}

bool ItemPropertiesDialog::refusesForeignCharacters(const QString& text, QWidget& field,
                                                    const QString& message) {
    return refusesForeignCharacter(text, field, &prompter_, message);
}

void ItemPropertiesDialog::rotationChosen(int index) {
    if (copy_ && index >= 0 && index < int(rotationIndex_.size()))
        copy_->setRotation(uint8_t(rotationIndex_[size_t(index)]));
}

void ItemPropertiesDialog::justificationChosen(int index) {
    if (copy_ && index >= 0 && index <= 3)
        copy_->Justification = uint8_t(index);
}

void ItemPropertiesDialog::fontNameChosen() {
    fillSizeCombo(fonts_, *fontNameComboBox_, *fontSizeComboBox_);
    fontSizeChosen();
}

void ItemPropertiesDialog::fontSizeChosen() {
    fonts_.selectFont(fontNameComboBox_->currentText(), fontSizeComboBox_->currentText());
    const int fontNumber = fonts_.currentFontNumber();
    if (copy_)
        copy_->FontNumber = fontNumber;
    emit fontChosen(fontNumber);
}
