#include "office/ui/InkCostDialog.h"

#include "platform/IniFile.h"
#include "platform/Prompter.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogButtons.h"
#include "widgets/DialogSupport.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

InkCostDialog::InkCostDialog(const IniFile* settings, const QLocale& locale, QWidget* parent)
    : QDialog(parent), format_(locale), printsEdit_(namedWidget<QLineEdit>(this, "Edit1")),
      priceEdit_(namedWidget<QLineEdit>(this, "Edit2")),
      usageEdit_(namedWidget<QLineEdit>(this, "Edit3")),
      unitSizeEdit_(namedWidget<QLineEdit>(this, "Edit4")),
      totalCost_(namedWidget<QLabel>(this, "TotalCost")),
      unitCost_(namedWidget<QLabel>(this, "UnitCost")),
      unitsUsed_(namedWidget<QLabel>(this, "Label2")),
      progress_(namedWidget<QProgressBar>(this, "ProgressBar1")),
      printsLabel_(namedWidget<QLabel>(this, "NumLabels")),
      priceLabel_(namedWidget<QLabel>(this, "InkPriceLabel")),
      usageLabel_(namedWidget<QLabel>(this, "TotalUsageLabel")),
      unitSizeLabel_(namedWidget<QLabel>(this, "UnitSizeCaption")),
      totalCostLabel_(namedWidget<QLabel>(this, "TotalCostLabel")),
      unitCostLabel_(namedWidget<QLabel>(this, "UnitCostLabel")),
      unitsUsedLabel_(namedWidget<QLabel>(this, "TotalUnitsCaption")) {
    setObjectName(SettingsSection);
    buildControls();
    readTexts(settings);
    readSettings(settings);
    restoreDialogPosition(*this, settings);
}

void InkCostDialog::buildControls() {
    auto* fields = new QGridLayout;
    const std::pair<QLabel*, QWidget*> rows[] = {
        {printsLabel_, printsEdit_},     {priceLabel_, priceEdit_},     {usageLabel_, usageEdit_},
        {unitSizeLabel_, unitSizeEdit_}, {totalCostLabel_, totalCost_}, {unitCostLabel_, unitCost_},
        {unitsUsedLabel_, unitsUsed_},
    };
    int row = 0;
    for (const auto& [label, field] : rows) {
        label->setBuddy(field);
        fields->addWidget(label, row, 0);
        fields->addWidget(field, row, 1);
        ++row;
    }
    for (QLabel* result : {totalCost_, unitCost_, unitsUsed_})
        result->setTextInteractionFlags(Qt::TextSelectableByMouse);
    fields->addWidget(progress_, row, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    okButton_ = DialogButtons::addTo(*this, *layout, false).ok;
    // Enter in a field recomputes; it does not close the dialog.
    okButton_->setDefault(false);
    okButton_->setAutoDefault(false);

    connect(printsEdit_, &QLineEdit::textEdited, this, &InkCostDialog::printsTyped);
    connect(priceEdit_, &QLineEdit::textEdited, this, &InkCostDialog::priceTyped);
    connect(usageEdit_, &QLineEdit::textEdited, this, &InkCostDialog::usageTyped);
    connect(unitSizeEdit_, &QLineEdit::textEdited, this, &InkCostDialog::unitSizeTyped);
    for (QLineEdit* edit : {printsEdit_, priceEdit_, usageEdit_, unitSizeEdit_})
        connect(edit, &QLineEdit::editingFinished, this, [this, edit] { replaceInvalid(edit); });
    connect(printsEdit_, &QLineEdit::returnPressed, this, &InkCostDialog::computeAll);
    printsEdit_->installEventFilter(this);
}

void InkCostDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, SettingsSection, key, builtIn);
    };
    setWindowTitle(text("Caption", "Ink Cost"));
    priceLabel_->setText(text("InkPriceLabel", "Price per Litre"));
    printsLabel_->setText(text("NumLabels", "Number of Prints"));
    totalCostLabel_->setText(text("TotalCostLabel", "Total Cost"));
    usageLabel_->setText(text("TotalUsageLabel", "Total Usage"));
    unitCostLabel_->setText(text("UnitCostLabel", "Unit Cost"));
    okButton_->setText(text("ButtonCaption", "OK"));
    unitSizeLabel_->setText(text("UnitSizeCaption", "Unit Size"));
    unitsUsedLabel_->setText(text("TotalUnitsCaption", "Units Used"));
}

void InkCostDialog::readSettings(const IniFile* settings) {
    const auto value = [settings](const QString& key, const QString& builtIn) {
        return settings ? settings->readString(SettingsSection, key, builtIn) : builtIn;
    };
    priceEdit_->setText(value(InkCost::PriceKey, format_.twoDecimals(10.0)));
    printsEdit_->setText(value(InkCost::PrintsKey, QStringLiteral("1000")));
    unitSizeEdit_->setText(value(InkCost::UnitSizeKey, QString::number(InkCost::DefaultUnitSize)));
}

void InkCostDialog::execute(Prompter& prompter, const QImage& picture, int margin,
                            double dotPicolitres) {
    prompter_ = &prompter;
    picture_ = picture;
    margin_ = margin;
    counted_ = false;
    printsStandIn_ = false;
    cost_.dots = 0;
    cost_.dotLitres = dotPicolitres * InkCost::LitresPerPicolitre;
    progress_->setRange(0, std::max(InkCost::countedRows(picture, margin), 1));
    progress_->setValue(0);
    prompter.runModal(*this);
    picture_ = QImage();
}

void InkCostDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!counted_)
        QTimer::singleShot(0, this, &InkCostDialog::countDots);
}

void InkCostDialog::countDots() {
    if (counted_ || !isVisible())
        return;
    counted_ = true;
    cost_.dots =
        InkCost::countDots(picture_, margin_, [this](int rows) { progress_->setValue(rows); });
    computeAll();
}

bool InkCostDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == printsEdit_ && event->type() == QEvent::MouseButtonPress)
        computeAll();
    return QDialog::eventFilter(watched, event);
}

void InkCostDialog::done(int result) {
    if (prompter_) {
        if (const auto settings = SettingsFile::open(prompter_)) {
            settings->writeStrings(
                {{SettingsSection, InkCost::PriceKey, priceEdit_->text()},
                 {SettingsSection, InkCost::PrintsKey, format_.prints(prints_)}});
        }
        storeDialogPosition(*this, prompter_);
    }
    QDialog::done(result);
}

std::int64_t InkCostDialog::typedPrints() const {
    return format_.integer(printsEdit_->text()).value_or(0);
}

double InkCostDialog::typedDecimal(const QLineEdit* edit) const {
    return format_.decimal(edit->text()).value_or(0.0);
}

std::int64_t InkCostDialog::typedUnitSize() const {
    return format_.integer(unitSizeEdit_->text()).value_or(InkCost::DefaultUnitSize);
}

QString InkCostDialog::zeroDecimal() const {
    return format_.twoDecimals(0.0);
}

void InkCostDialog::replaceInvalid(QLineEdit* edit) {
    if (edit == printsEdit_ && !format_.integer(edit->text()))
        edit->setText(QStringLiteral("0000"));
    else if ((edit == priceEdit_ || edit == usageEdit_) && !format_.decimal(edit->text()))
        edit->setText(zeroDecimal());
    else if (edit == unitSizeEdit_ && !format_.integer(edit->text()))
        edit->setText(QString::number(InkCost::DefaultUnitSize));
}

void InkCostDialog::computeAll() {
    if (!printsStandIn_)
        prints_ = typedPrints();
    cost_.price = typedDecimal(priceEdit_);
    cost_.unitSize = typedUnitSize();
    usage_ = cost_.usage(prints_);
    showUsage();
    showPrintsForUsage();
    showTotalCost();
    showUnitCost();
    showUnitsUsed();
}

void InkCostDialog::printsTyped() {
    printsStandIn_ = false;
    prints_ = typedPrints();
    usage_ = cost_.usage(prints_);
    showUsage();
    showTotalCost();
    showUnitsUsed();
}

void InkCostDialog::priceTyped() {
    cost_.price = typedDecimal(priceEdit_);
    showUnitCost();
    showTotalCost();
}

void InkCostDialog::usageTyped() {
    usage_ = typedDecimal(usageEdit_);
    showPrintsForUsage();
    showTotalCost();
    showUnitsUsed();
}

void InkCostDialog::unitSizeTyped() {
    cost_.unitSize = typedUnitSize();
    showUnitsUsed();
}

void InkCostDialog::showUsage() {
    usageEdit_->setText(format_.precise(usage_));
}

void InkCostDialog::showPrintsForUsage() {
    const std::int64_t prints = cost_.printsFor(usage_);
    // With no ink per print the usage gives no number of prints: the field
    // shows 0, and the number the user had stays for the settings.
    printsStandIn_ = cost_.dotLitres * double(cost_.dots) == 0.0;
    if (!printsStandIn_)
        prints_ = prints;
    printsEdit_->setText(format_.prints(prints));
}

void InkCostDialog::showTotalCost() {
    totalCost_->setText(format_.currency(cost_.totalCost(usage_)));
}

void InkCostDialog::showUnitCost() {
    unitCost_->setText(format_.precise(cost_.unitCost()));
}

void InkCostDialog::showUnitsUsed() {
    unitsUsed_->setText(format_.units(cost_.unitsUsed(usage_)));
}
