#include "app/ui/GridDialog.h"

#include "document/DataStore.h"
#include "platform/Prompter.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogButtons.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString text(const IniFile* settings, const char* key, const char* builtIn) {
    return SettingsFile::text(settings, DataStore::GridSection, QLatin1String(key),
                              QLatin1String(builtIn));
}

template <typename Widget> Widget* named(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace

GridDialog::GridDialog(const IniFile* settings, QWidget* parent)
    : QDialog(parent), gridPitchLabel_(named<QLabel>(this, "GridPitch")),
      pitchEdit_(named<QLineEdit>(this, "PitchEdit")), unitLabel_(named<QLabel>(this, "UnitLabel")),
      snapToGrid_(named<QCheckBox>(this, "SnapToGrid")),
      displayGrid_(named<QCheckBox>(this, "DisplayGrid")) {
    setObjectName(DataStore::GridSection);
    gridPitchLabel_->setBuddy(pitchEdit_);
    auto* fields = new QGridLayout;
    fields->addWidget(gridPitchLabel_, 0, 0);
    fields->addWidget(pitchEdit_, 0, 1);
    fields->addWidget(unitLabel_, 0, 2);
    fields->addWidget(snapToGrid_, 1, 0, 1, 3);
    fields->addWidget(displayGrid_, 2, 0, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    const DialogButtons buttons = DialogButtons::addTo(*this, *layout);
    okButton_ = buttons.ok;
    cancelButton_ = buttons.cancel;
    readTexts(settings);
}

void GridDialog::readTexts(const IniFile* settings) {
    setWindowTitle(text(settings, "Caption", "Grid Setup"));
    gridPitchLabel_->setText(text(settings, "GridPitch", "Grid Pitch"));
    snapToGrid_->setText(text(settings, "SnapToGrid", "Snap To Grid"));
    displayGrid_->setText(text(settings, "DisplayGrid", "Display Grid"));
    okButton_->setText(text(settings, "OK", "OK"));
    cancelButton_->setText(text(settings, "Cancel", "Cancel"));
    pitchError_ = text(settings, "PitchNotNumber", "\"%1\" is not a valid grid pitch.");
}

bool GridDialog::execute(Prompter& prompter, DataStore& data) {
    showSettings(data);
    prompter_ = &prompter;
    data_ = &data;
    const bool accepted = prompter.runModal(*this) == QDialog::Accepted;
    prompter_ = nullptr;
    data_ = nullptr;
    if (accepted)
        apply(data);
    return accepted;
}

void GridDialog::showSettings(const DataStore& data) {
    pitchEdit_->setText(data.dotsToText(data.pitch(), data.printers().printerDPI()));
    unitLabel_->setText(data.unitName());
    snapToGrid_->setChecked(data.snapOn());
    displayGrid_->setChecked(data.gridOn());
}

void GridDialog::accept() {
    if (data_ && !pitchEdit_->text().trimmed().isEmpty() && !typedPitch(*data_)) {
        prompter_->inform(pitchError_.arg(pitchEdit_->text()), Prompter::Icon::Stop);
        pitchEdit_->setFocus();
        pitchEdit_->selectAll();
        return;
    }
    QDialog::accept();
}

std::optional<int> GridDialog::typedPitch(const DataStore& data) const {
    const QString pitchText = pitchEdit_->text();
    if (pitchText.trimmed().isEmpty())
        return std::nullopt;
    return data.textToDots(pitchText, data.printers().printerDPI());
}

void GridDialog::apply(DataStore& data) {
    const std::optional<int> pitch = typedPitch(data);
    if (!pitch)
        return;
    data.setPitch(*pitch);
    data.setGridOn(displayGrid_->isChecked());
    data.setSnapOn(snapToGrid_->isChecked());
}
