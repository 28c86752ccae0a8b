#include "editor/ui/RestrictedAreaDialog.h"

#include "document/DataStore.h"
#include "platform/Prompter.h"
#include "widgets/DialogButtons.h"
#include "widgets/DialogSupport.h"
#include "widgets/LengthEdit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <limits>

namespace {

// The margin on both sides of each axis.
constexpr int kMargins = 2 * DotCanvas::StandardMargin;

struct FieldNames {
    const char* edit;
    const char* label;
    const char* caption;
};
constexpr FieldNames kFields[] = {{"XEdit", "XLabel", "X"},
                                  {"YEdit", "YLabel", "Y"},
                                  {"WEdit", "WLabel", "W"},
                                  {"HEdit", "HLabel", "H"}};

} // namespace

RestrictedAreaDialog::RestrictedAreaDialog(const IniFile* settings, QWidget* parent)
    : QDialog(parent) {
    setObjectName(SettingsSection);
    buildControls();
    readTexts(settings);
    restoreDialogPosition(*this, settings);
}

void RestrictedAreaDialog::buildControls() {
    auto* layout = new QVBoxLayout(this);
    positionGroupBox_ = buildGroup("PositionGroupBox", X);
    sizeGroupBox_ = buildGroup("SizeGroupBox", W);
    layout->addWidget(positionGroupBox_);
    layout->addWidget(sizeGroupBox_);
    const DialogButtons buttons = DialogButtons::addTo(*this, *layout);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
}

// A group of two fields, first and the one after it, with the unit beside them.
QGroupBox* RestrictedAreaDialog::buildGroup(const char* name, Field first) {
    auto* group = namedWidget<QGroupBox>(this, name);
    auto* grid = new QGridLayout(group);
    for (int row = 0; row < 2; ++row) {
        const int f = first + row;
        labels_[f] = namedWidget<QLabel>(group, kFields[f].label);
        edits_[f] = namedWidget<LengthEdit>(group, kFields[f].edit);
        labels_[f]->setBuddy(edits_[f]);
        connect(edits_[f], &QLineEdit::editingFinished, this, [this, f] { fieldLeft(Field(f)); });
        grid->addWidget(labels_[f], row, 0);
        grid->addWidget(edits_[f], row, 1);
    }
    QLabel*& unit = unitLabels_[first == X ? 0 : 1];
    unit = namedWidget<QLabel>(group, first == X ? "PositionUnitLabel" : "SizeUnitLabel");
    grid->addWidget(unit, 0, 2, 2, 1);
    return group;
}

void RestrictedAreaDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, SettingsSection, key, builtIn);
    };
    setWindowTitle(text("Caption", "Size of restricted area"));
    positionGroupBox_->setTitle(text("PositionGroupBox", "Position"));
    sizeGroupBox_->setTitle(text("SizeGroupBox", "Size"));
    for (int f = 0; f < FieldCount; ++f)
        labels_[f]->setText(text(kFields[f].label, kFields[f].caption));
    okButton_->setText(text("OK", "OK"));
    cancelButton_->setText(text("Cancel", "Cancel"));
    invalidValueError_ = text("InvalidValueError", "Error - \"%1\" is not a valid value for %2.");
}

std::optional<DotRect> RestrictedAreaDialog::execute(Prompter& prompter, const DataStore& data,
                                                     const DotRect& current) {
    prompter_ = &prompter;
    data_ = &data;
    showArea({current.Left, current.Top, current.Right - current.Left - kMargins,
              current.Bottom - current.Top - kMargins});
    std::optional<DotRect> area;
    if (prompter.runModal(*this) == QDialog::Accepted)
        area = typedArea();
    storeDialogPosition(*this, &prompter);
    prompter_ = nullptr;
    data_ = nullptr;
    return area;
}

// X and the width lie along the print, Y and the height across it.
void RestrictedAreaDialog::showArea(const std::array<int, FieldCount>& dots) {
    for (int f = 0; f < FieldCount; ++f) {
        const bool across = f == X || f == W;
        edits_[f]->setAxis(*data_, across ? DataStore::Axis::X : DataStore::Axis::Y);
        edits_[f]->showDots(dots[f]);
    }
    for (QLabel* unit : unitLabels_)
        unit->setText(data_->unitName());
}

void RestrictedAreaDialog::accept() {
    if (!prompter_ || typedArea())
        QDialog::accept();
}

std::optional<DotRect> RestrictedAreaDialog::typedArea() {
    std::array<qint64, FieldCount> v{};
    for (int f = 0; f < FieldCount; ++f) {
        const std::optional<int> value = typedValue(Field(f));
        if (!value)
            return std::nullopt;
        v[f] = *value;
    }
    const qint64 right = v[X] + v[W] + kMargins;
    const qint64 bottom = v[Y] + v[H] + kMargins;
    // Far outside any image, and the caller's fit check could not add to it.
    constexpr qint64 limit = std::numeric_limits<int32_t>::max();
    if (right > limit || bottom > limit) {
        reportInvalid(right > limit ? W : H);
        return std::nullopt;
    }
    return DotRect{int32_t(v[X]), int32_t(v[Y]), int32_t(right), int32_t(bottom)};
}

// A length is never negative.
std::optional<int> RestrictedAreaDialog::typedValue(Field field) {
    const std::optional<int> dots = edits_[field]->dots();
    if (dots && *dots >= 0)
        return dots;
    reportInvalid(field);
    return std::nullopt;
}

// A length the field can read is shown as the dots it stands for; anything
// else stays as typed until OK reports it.
void RestrictedAreaDialog::fieldLeft(Field field) {
    LengthEdit* edit = edits_[field];
    if (!data_ || !edit->isChanged())
        return;
    if (const std::optional<int> dots = edit->dots(); dots && *dots >= 0)
        edit->showDots(*dots);
}

void RestrictedAreaDialog::reportInvalid(Field field) {
    prompter_->inform(invalidValueError_.arg(edits_[field]->text(), labels_[field]->text()),
                      Prompter::Icon::Stop);
    edits_[field]->setFocus();
}
