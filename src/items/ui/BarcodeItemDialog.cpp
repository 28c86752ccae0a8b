#include "items/ui/BarcodeItemDialog.h"

#include "barcode/BarcodeSymbol.h"
#include "items/BarcodeItem.h"
#include "items/ui/ItemDialogKinds.h"
#include "platform/Folders.h"
#include "platform/Prompter.h"
#include "platform/Windows1252.h"
#include "printer/DotCanvas.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScreen>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace {

// The track bars' ranges.
constexpr int MinBearerWidth = 1, MaxBearerWidth = 101;
constexpr int MinBarHeight = 1, MaxBarHeight = 200;
// The spin box of the other symbologies' bar height.
constexpr int MaxSpinBarHeight = 9999;
// The columns of the identifier table, in widths of the letter "a".
constexpr int AppIdColumnWidths[3] = {9, 39, 19};
constexpr QSize TextPositionPicture(48, 36);
// The rows of the identifier table in view, the length of an upright track bar.
constexpr int AppIdRowsShown = 6;
constexpr int TrackBarLength = 100;

bool isEanUpc(Symbology kind) {
    return kind <= Symbology::UpcE;
}

// A small picture of bars with the text line above (position 1) or below
// (position 0) them.
QPixmap textPositionPicture(uint8_t position) {
    QPixmap picture(TextPositionPicture);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    const int textHeight = 10;
    const int barsTop = position == 1 ? textHeight + 2 : 2;
    const int barsHeight = TextPositionPicture.height() - textHeight - 4;
    for (int x = 4; x < TextPositionPicture.width() - 4; x += 4)
        painter.fillRect(x, barsTop, (x / 4) % 3 == 0 ? 2 : 1, barsHeight, Qt::black);
    QFont font = painter.font();
    font.setPixelSize(textHeight - 1);
    painter.setFont(font);
    const int textTop = position == 1 ? 1 : barsTop + barsHeight + 1;
    painter.drawText(QRect(0, textTop, TextPositionPicture.width(), textHeight), Qt::AlignCenter,
                     QStringLiteral("1234"));
    return picture;
}

QLabel* valueLabelFor(QWidget* parent, const char* name) {
    QLabel* label = namedWidget<QLabel>(parent, name);
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    return label;
}

} // namespace

BarcodeItemDialog::BarcodeItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                                     const Messages& messages, QWidget* parent)
    : ItemPropertiesDialog(SettingsSection, prompter, data, fonts, parent), messages_(messages) {
    buildControls();
    const auto settings = SettingsFile::open(&prompter);
    kindNames_.load(settings.get());
    readTexts(settings.get());
    hideFontChoice();
}

int BarcodeItemDialog::invertedValue(const QSlider& slider, int position) {
    return slider.minimum() + slider.maximum() - position;
}

void BarcodeItemDialog::buildControls() {
    auto* symbologyRow = new QHBoxLayout;
    auto* symbologyLabel = namedWidget<QLabel>(this, "SymbologyLabel");
    symbologyComboBox_ = namedWidget<QComboBox>(this, "SymbologyComboBox");
    symbologyLabel->setBuddy(symbologyComboBox_);
    symbologyRow->addWidget(symbologyLabel);
    symbologyRow->addWidget(symbologyComboBox_, 1);
    ownControls().addLayout(symbologyRow);
    ownControls().addWidget(buildValueBox());
    // Why the value does not fit, under the value or above the elements.
    ownControls().addWidget(problemLabel_);
    ownControls().addWidget(buildGs1Box());
    ownControls().addWidget(buildDimensionsBox());
    ownControls().addWidget(buildCode39Box());
    ownControls().addWidget(buildItfBox());
    ownControls().addWidget(buildRatioBox());
    connect(symbologyComboBox_, &QComboBox::activated, this, &BarcodeItemDialog::symbologyChosen);
    // The common controls were made first; Tab goes through the dialog from
    // the top, over the symbology's controls to the position.
    const QList<QWidget*> order{symbologyComboBox_,
                                valueEdit_,
                                appIdGrid_,
                                elementEdit_,
                                decimalEdit_,
                                addButton_,
                                replaceButton_,
                                removeButton_,
                                elementList_,
                                showAppIdsCheckBox_,
                                moduleWidthSpin_,
                                heightSpin_,
                                defaultsButton_,
                                checkCharacterCheckBox_,
                                textPositionButton_,
                                itfCheckCharacterCheckBox_,
                                bearerBarsCheckBox_,
                                verticalBearersCheckBox_,
                                leadingZeroCheckBox_,
                                bearerWidthSlider_,
                                barHeightSlider_,
                                narrowWidthSlider_,
                                ratioSlider_,
                                findChild<QWidget*>(QStringLiteral("XPosEdit")),
                                findChild<QWidget*>(QStringLiteral("YPosEdit"))};
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

QWidget* BarcodeItemDialog::buildValueBox() {
    valueBox_ = namedWidget<QWidget>(this, "ValueBox");
    auto* label = namedWidget<QLabel>(valueBox_, "ValueLabel");
    valueEdit_ = namedWidget<QLineEdit>(valueBox_, "ValueEdit");
    problemLabel_ = namedWidget<QLabel>(this, "ProblemLabel");
    problemLabel_->setStyleSheet(QStringLiteral("color: #b00000;"));
    problemLabel_->setWordWrap(true);
    // The line keeps its room when empty, so the controls below stay where
    // they are while a value turns valid or invalid under the user's hands.
    problemLabel_->setMinimumHeight(problemLabel_->fontMetrics().height());
    label->setBuddy(valueEdit_);
    auto* grid = new QGridLayout(valueBox_);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(label, 0, 0);
    grid->addWidget(valueEdit_, 0, 1);
    connect(valueEdit_, &QLineEdit::textEdited, this, &BarcodeItemDialog::valueEdited);
    return valueBox_;
}

QWidget* BarcodeItemDialog::buildGs1Box() {
    gs1GroupBox_ = namedWidget<QGroupBox>(this, "Gs1GroupBox");
    appIdGrid_ = namedWidget<QTableWidget>(gs1GroupBox_, "AppIdGrid");
    appIdGrid_->setColumnCount(3);
    appIdGrid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    appIdGrid_->setSelectionMode(QAbstractItemView::SingleSelection);
    appIdGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    appIdGrid_->verticalHeader()->hide();
    const int letter = appIdGrid_->fontMetrics().horizontalAdvance(u'a');
    for (int column = 0; column < 3; ++column)
        appIdGrid_->setColumnWidth(column, AppIdColumnWidths[column] * letter);
    appIdGrid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    appIdGrid_->horizontalHeader()->setStretchLastSection(true);
    appIdGrid_->setMinimumWidth(
        (AppIdColumnWidths[0] + AppIdColumnWidths[1] + AppIdColumnWidths[2] + 2) * letter +
        appIdGrid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    appIdGrid_->verticalHeader()->setDefaultSectionSize(appIdGrid_->fontMetrics().height() + 6);
    appIdGrid_->setMinimumHeight(AppIdRowsShown *
                                 appIdGrid_->verticalHeader()->defaultSectionSize());
    appIdLabel_ = namedWidget<QLabel>(gs1GroupBox_, "AppIdLabel");
    elementEdit_ = namedWidget<QLineEdit>(gs1GroupBox_, "ElementEdit");
    decimalEdit_ = namedWidget<QLineEdit>(gs1GroupBox_, "DecimalEdit");
    decimalEdit_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]*\\.?[0-9]*")), decimalEdit_));
    decimalEdit_->hide();
    // A click into the blanks of the mask puts the cursor after what is
    // entered, not past blanks that typing could never reach.
    connect(elementEdit_, &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
        if (const int entered = int(elementEdit_->text().size()); position > entered)
            elementEdit_->setCursorPosition(entered);
    });
    promptLabel_ = namedWidget<QLabel>(gs1GroupBox_, "PromptLabel");
    elementList_ = namedWidget<QListWidget>(gs1GroupBox_, "ElementList");
    elementList_->setMaximumHeight(elementList_->fontMetrics().height() * 4 + 8);
    addButton_ = namedWidget<QPushButton>(gs1GroupBox_, "AddButton");
    replaceButton_ = namedWidget<QPushButton>(gs1GroupBox_, "ReplaceButton");
    removeButton_ = namedWidget<QPushButton>(gs1GroupBox_, "RemoveButton");
    showAppIdsCheckBox_ = namedWidget<QCheckBox>(gs1GroupBox_, "ShowAppIdsCB");
    showAppIdsSample_ = namedWidget<QLabel>(gs1GroupBox_, "ShowAppIdsSample");
    auto* grid = new QGridLayout(gs1GroupBox_);
    grid->addWidget(appIdGrid_, 0, 0, 1, 4);
    grid->addWidget(appIdLabel_, 1, 0);
    grid->addWidget(elementEdit_, 1, 1, 1, 3);
    grid->addWidget(decimalEdit_, 1, 1, 1, 3);
    grid->addWidget(promptLabel_, 2, 1, 1, 3);
    grid->addWidget(addButton_, 3, 1);
    grid->addWidget(replaceButton_, 3, 2);
    grid->addWidget(removeButton_, 3, 3);
    grid->addWidget(elementList_, 4, 0, 1, 4);
    grid->addWidget(showAppIdsCheckBox_, 5, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(showAppIdsSample_, 5, 2, 1, 2);
    connect(appIdGrid_, &QTableWidget::itemSelectionChanged, this, &BarcodeItemDialog::appIdChosen);
    connect(addButton_, &QPushButton::clicked, this, &BarcodeItemDialog::addElementClicked);
    connect(replaceButton_, &QPushButton::clicked, this, &BarcodeItemDialog::replaceElementClicked);
    connect(removeButton_, &QPushButton::clicked, this, &BarcodeItemDialog::removeElementClicked);
    connect(showAppIdsCheckBox_, &QCheckBox::clicked, this, &BarcodeItemDialog::showAppIdsClicked);
    return gs1GroupBox_;
}

QWidget* BarcodeItemDialog::buildDimensionsBox() {
    dimensionsGroupBox_ = namedWidget<QGroupBox>(this, "DimensionsGroupBox");
    moduleWidthLabel_ = namedWidget<QLabel>(dimensionsGroupBox_, "ModuleWidthLabel");
    moduleWidthSpin_ = namedWidget<QSpinBox>(dimensionsGroupBox_, "ModuleWidthSpin");
    heightLabel_ = namedWidget<QLabel>(dimensionsGroupBox_, "HeightLabel");
    heightSpin_ = namedWidget<QSpinBox>(dimensionsGroupBox_, "HeightSpin");
    heightSpin_->setRange(1, MaxSpinBarHeight);
    pixelsLabel_ = namedWidget<QLabel>(dimensionsGroupBox_, "PixelsLabel");
    defaultsButton_ = namedWidget<QPushButton>(dimensionsGroupBox_, "DefaultsButton");
    moduleWidthLabel_->setBuddy(moduleWidthSpin_);
    heightLabel_->setBuddy(heightSpin_);
    auto* grid = new QGridLayout(dimensionsGroupBox_);
    grid->addWidget(moduleWidthLabel_, 0, 0);
    grid->addWidget(moduleWidthSpin_, 0, 1);
    grid->addWidget(heightLabel_, 1, 0);
    grid->addWidget(heightSpin_, 1, 1);
    grid->addWidget(pixelsLabel_, 0, 2, 2, 1);
    grid->addWidget(defaultsButton_, 0, 3, 2, 1);
    for (QSpinBox* spin : {moduleWidthSpin_, heightSpin_})
        connect(spin, &QSpinBox::valueChanged, this, &BarcodeItemDialog::settingsChanged);
    connect(defaultsButton_, &QPushButton::clicked, this, &BarcodeItemDialog::defaultsClicked);
    return dimensionsGroupBox_;
}

QWidget* BarcodeItemDialog::buildCode39Box() {
    code39GroupBox_ = namedWidget<QGroupBox>(this, "Code39GroupBox");
    checkCharacterCheckBox_ = namedWidget<QCheckBox>(code39GroupBox_, "CheckCharacterCB");
    auto* column = new QVBoxLayout(code39GroupBox_);
    column->addWidget(checkCharacterCheckBox_, 0, Qt::AlignLeft);
    connect(checkCharacterCheckBox_, &QCheckBox::clicked, this,
            &BarcodeItemDialog::settingsChanged);
    return code39GroupBox_;
}

QWidget* BarcodeItemDialog::buildItfBox() {
    itfGroupBox_ = namedWidget<QGroupBox>(this, "ItfGroupBox");
    textPositionLabel_ = namedWidget<QLabel>(itfGroupBox_, "TextPositionLabel");
    textPositionButton_ = namedWidget<QToolButton>(itfGroupBox_, "TextPositionButton");
    textPositionButton_->setIconSize(TextPositionPicture);
    textPositionLabel_->setBuddy(textPositionButton_);
    itfCheckCharacterCheckBox_ = namedWidget<QCheckBox>(itfGroupBox_, "ItfCheckCharacterCB");
    bearerBarsCheckBox_ = namedWidget<QCheckBox>(itfGroupBox_, "BearerBarsCB");
    verticalBearersCheckBox_ = namedWidget<QCheckBox>(itfGroupBox_, "VerticalBearersCB");
    leadingZeroCheckBox_ = namedWidget<QCheckBox>(itfGroupBox_, "ShowLeadingZeroCB");
    bearerWidthLabel_ = namedWidget<QLabel>(itfGroupBox_, "BearerWidthLabel");
    bearerWidthSlider_ = namedWidget<QSlider>(itfGroupBox_, "BearerWidthSlider");
    bearerWidthSlider_->setRange(MinBearerWidth, MaxBearerWidth);
    bearerWidthSlider_->setMinimumHeight(TrackBarLength);
    bearerWidthValue_ = valueLabelFor(itfGroupBox_, "BearerWidthValue");
    barHeightLabel_ = namedWidget<QLabel>(itfGroupBox_, "BarHeightLabel");
    barHeightSlider_ = namedWidget<QSlider>(itfGroupBox_, "BarHeightSlider");
    barHeightSlider_->setRange(MinBarHeight, MaxBarHeight);
    barHeightSlider_->setMinimumHeight(TrackBarLength);
    barHeightValue_ = valueLabelFor(itfGroupBox_, "BarHeightValue");
    auto* grid = new QGridLayout(itfGroupBox_);
    grid->addWidget(textPositionLabel_, 0, 0);
    grid->addWidget(textPositionButton_, 0, 1, 3, 1);
    grid->addWidget(itfCheckCharacterCheckBox_, 0, 2, Qt::AlignLeft);
    grid->addWidget(bearerBarsCheckBox_, 1, 2, Qt::AlignLeft);
    grid->addWidget(verticalBearersCheckBox_, 2, 2, Qt::AlignLeft);
    grid->addWidget(leadingZeroCheckBox_, 3, 2, Qt::AlignLeft);
    // Vertical track bars side by side, their values below them.
    grid->addWidget(bearerWidthLabel_, 0, 3, Qt::AlignHCenter);
    grid->addWidget(bearerWidthSlider_, 1, 3, 2, 1, Qt::AlignHCenter);
    grid->addWidget(bearerWidthValue_, 3, 3, Qt::AlignHCenter);
    grid->addWidget(barHeightLabel_, 0, 4, Qt::AlignHCenter);
    grid->addWidget(barHeightSlider_, 1, 4, 2, 1, Qt::AlignHCenter);
    grid->addWidget(barHeightValue_, 3, 4, Qt::AlignHCenter);
    connect(textPositionButton_, &QToolButton::clicked, this,
            &BarcodeItemDialog::textPositionClicked);
    for (QCheckBox* box : {itfCheckCharacterCheckBox_, bearerBarsCheckBox_,
                           verticalBearersCheckBox_, leadingZeroCheckBox_})
        connect(box, &QCheckBox::clicked, this, &BarcodeItemDialog::settingsChanged);
    // Upright track bars have their minimum at the top, as the inverted
    // reading expects: the bar grows as its handle goes up.
    for (QSlider* slider : {bearerWidthSlider_, barHeightSlider_}) {
        slider->setInvertedAppearance(true);
        slider->setInvertedControls(true);
        connect(slider, &QSlider::valueChanged, this, &BarcodeItemDialog::settingsChanged);
    }
    return itfGroupBox_;
}

QWidget* BarcodeItemDialog::buildRatioBox() {
    ratioGroupBox_ = namedWidget<QGroupBox>(this, "BarWidthRatioGroupBox");
    auto* narrowLabel = namedWidget<QLabel>(ratioGroupBox_, "NarrowWidthLabel");
    narrowLabel->setText(QStringLiteral("X"));
    narrowWidthSlider_ = namedWidget<QSlider>(ratioGroupBox_, "NarrowWidthSlider");
    narrowWidthSlider_->setOrientation(Qt::Horizontal);
    narrowWidthValue_ = valueLabelFor(ratioGroupBox_, "NarrowWidthValue");
    auto* ratioLabel = namedWidget<QLabel>(ratioGroupBox_, "RatioLabel");
    ratioSlider_ = namedWidget<QSlider>(ratioGroupBox_, "RatioSlider");
    ratioSlider_->setOrientation(Qt::Horizontal);
    ratioSlider_->setRange(0, RatioData::MaxRatio);
    ratioValue_ = valueLabelFor(ratioGroupBox_, "RatioValue");
    narrowLabel->setBuddy(narrowWidthSlider_);
    ratioLabel->setBuddy(ratioSlider_);
    auto* grid = new QGridLayout(ratioGroupBox_);
    grid->addWidget(narrowLabel, 0, 0);
    grid->addWidget(narrowWidthSlider_, 0, 1);
    grid->addWidget(narrowWidthValue_, 0, 2);
    grid->addWidget(ratioLabel, 1, 0);
    grid->addWidget(ratioSlider_, 1, 1);
    grid->addWidget(ratioValue_, 1, 2);
    connect(narrowWidthSlider_, &QSlider::valueChanged, this, &BarcodeItemDialog::settingsChanged);
    connect(ratioSlider_, &QSlider::valueChanged, this, [this](int code) {
        auto* data = dynamic_cast<RatioData*>(barcodeData());
        if (showing_ || !data)
            return;
        data->setRatio(uint8_t(code), verticalDpi());
        showRatio();
        settingsChanged();
    });
    return ratioGroupBox_;
}

void BarcodeItemDialog::readTexts(const IniFile* settings) {
    const auto text = [settings](const char* key, const char* builtIn) {
        return dialogText(settings, SettingsSection, key, builtIn);
    };
    const QString caption = text("Caption", "Edit Barcode Item Properties");
    setTitle(caption);
    setWindowTitle(caption);
    findChild<QLabel*>(QStringLiteral("SymbologyLabel"))
        ->setText(text("SymbologyLabel", "Symbology"));
    findChild<QLabel*>(QStringLiteral("ValueLabel"))->setText(text("ValueLabel", "Value"));
    dimensionsGroupBox_->setTitle(text("DimensionsGroupBox", "Dimensions"));
    moduleWidthLabel_->setText(text("ModuleWidthLabel", "Module width"));
    heightLabel_->setText(text("HeightLabel", "Height"));
    pixelsText_ = text("PixelsLabel", "Pixels");
    pixelsLabel_->setText(pixelsText_);
    defaultsButton_->setText(text("DefaultsButton", "Defaults"));
    showAppIdsCheckBox_->setText(text("ShowAppIdsCB", "Show App IDs"));
    checkCharacterCheckBox_->setText(text("CheckCharacterCB", "Check character"));
    itfCheckCharacterCheckBox_->setText(checkCharacterCheckBox_->text());
    textPositionLabel_->setText(text("TextPositionLabel", "Text Position"));
    bearerBarsCheckBox_->setText(text("BearerBarsCB", "Bearer bars"));
    verticalBearersCheckBox_->setText(text("VerticalBearersCB", "Vertical Bearers"));
    leadingZeroCheckBox_->setText(text("ShowLeadingZeroCB", "Show leading zero in text"));
    bearerWidthLabel_->setText(text("BearerWidthLabel", "Bearer Width"));
    barHeightLabel_->setText(text("BarHeightLabel", "Bar Height"));
    ratioGroupBox_->setTitle(text("BarWidthRatioLabel", "Bar width ratio"));
    findChild<QLabel*>(QStringLiteral("RatioLabel"))->setText(text("RatioLabel", "Y/X"));
    addButton_->setText(text("AddButton", "Add"));
    replaceButton_->setText(text("ReplaceButton", "Replace"));
    removeButton_->setText(text("RemoveButton", "Remove"));
    gs1GroupBox_->setTitle(text("Gs1GroupBox", "Application identifiers"));
    appIdGrid_->setHorizontalHeaderLabels({u' ' + text("AppIdHeading", "AppId") + u' ',
                                           u' ' + text("DescriptionHeading", "Description"),
                                           u' ' + text("FormatHeading", "Format")});
    promptWords_ = {text("ENTERLABEL", "Enter"), text("UPTOLABEL", "up to"),
                    text("DIGITLABEL", "digit"), text("PLURALLABEL", "s"),
                    text("CHARACTERLABEL", "character")};
    decimalEdit_->setToolTip(text("DecimalEntryHint", "A number with a decimal point: the "
                                                      "digits after the point give the last "
                                                      "digit of the identifier"));
    textPositionButton_->setToolTip(textPositionLabel_->text());
    const QString pixels = u' ' + pixelsText_;
    heightSpin_->setToolTip(QStringLiteral("%1 .. %2").arg(1).arg(MaxSpinBarHeight) + pixels);
    bearerWidthSlider_->setToolTip(
        QStringLiteral("%1 .. %2").arg(MinBearerWidth).arg(MaxBearerWidth) + pixels);
    barHeightSlider_->setToolTip(QStringLiteral("%1 .. %2").arg(MinBarHeight).arg(MaxBarHeight) +
                                 pixels);
    for (Symbology kind :
         {Symbology::Ean8, Symbology::Ean13, Symbology::UpcA, Symbology::UpcE, Symbology::Code128,
          Symbology::Gs1_128, Symbology::Itf, Symbology::Code39})
        symbologyComboBox_->addItem(BarcodeItem::symbologyCaption(kind, kindNames_));
}

BarcodeItem* BarcodeItemDialog::barcodeItem() const {
    return dynamic_cast<BarcodeItem*>(edited());
}

BarcodeData* BarcodeItemDialog::barcodeData() const {
    BarcodeItem* item = barcodeItem();
    return item ? &item->editData() : nullptr;
}

// The resolution across the print direction, from which the interleaved
// 2 of 5 defaults and the smallest ratios are taken.
int BarcodeItemDialog::verticalDpi() const {
    return view().fontDPI();
}

void BarcodeItemDialog::loadAppIds() {
    if (appIdsLoaded_)
        return;
    appIdsLoaded_ = true;
    const QString path = Folders::findDataFile(AppIdTable::FileName);
    const bool loaded = appIds_.load(path);
    appIdGrid_->setRowCount(int(appIds_.rows().size()));
    int row = 0;
    for (const AppIdTable::Row& line : appIds_.rows()) {
        int column = 0;
        for (const QString& cell : {line.appId, line.description, line.format})
            appIdGrid_->setItem(row, column++, new QTableWidgetItem(cell));
        ++row;
    }
    if (!loaded)
        prompter().message(messages_.CannotOpenFileError.arg(AppIdTable::FileName), QString(),
                           Prompter::Icon::Stop, Prompter::Buttons::Ok);
}

void BarcodeItemDialog::showOwnFields() {
    const BarcodeItem* item = barcodeItem();
    // Given another kind, the dialog edits only what all items share.
    for (QWidget* w : std::initializer_list<QWidget*>{symbologyComboBox_, valueBox_, gs1GroupBox_,
                                                      dimensionsGroupBox_, code39GroupBox_,
                                                      itfGroupBox_, ratioGroupBox_})
        w->setEnabled(item != nullptr);
    if (!item)
        return;
    showData();
    valueEdit_->setFocus();
}

void BarcodeItemDialog::symbologyChosen(int index) {
    BarcodeItem* item = barcodeItem();
    if (!item || index < 0 || index >= SymbologyCount || int(item->data().Kind) == index)
        return;
    item->takeData(BarcodeData::create(Symbology(index), verticalDpi()));
    showData();
}

void BarcodeItemDialog::defaultsClicked() {
    BarcodeItem* item = barcodeItem();
    if (!item)
        return;
    item->takeData(BarcodeData::create(item->data().Kind, verticalDpi()));
    showData();
}

// Every control from the data, without taking anything back.
void BarcodeItemDialog::showData() {
    const BarcodeData* data = barcodeData();
    if (!data)
        return;
    showing_ = true;
    symbologyComboBox_->setCurrentIndex(int(data->Kind));
    valueEdit_->setText(Windows1252::decode(data->Text));
    valueEdit_->setToolTip(data->DigitCount > 0 ? messages_.BarcodeLengthError.arg(data->DigitCount)
                                                : QString());
    moduleWidthSpin_->setRange(data->MinModuleWidth, data->MaxModuleWidth);
    moduleWidthSpin_->setToolTip(
        QStringLiteral("%1 .. %2 ").arg(data->MinModuleWidth).arg(data->MaxModuleWidth) +
        pixelsText_);
    moduleWidthSpin_->setValue(data->ModuleWidth);
    heightSpin_->setValue(data->BarHeight);
    narrowWidthSlider_->setRange(data->MinModuleWidth, data->MaxModuleWidth);
    narrowWidthSlider_->setToolTip(moduleWidthSpin_->toolTip());
    narrowWidthSlider_->setValue(data->ModuleWidth);
    if (const auto* code39 = dynamic_cast<const Code39Data*>(data))
        checkCharacterCheckBox_->setChecked(code39->CheckCharacter);
    if (const auto* itf = dynamic_cast<const ItfData*>(data)) {
        textPositionButton_->setIcon(textPositionPicture(itf->TextPosition));
        itfCheckCharacterCheckBox_->setChecked(itf->CheckDigit);
        bearerBarsCheckBox_->setChecked(itf->BearerType != ItfData::NoBearers);
        verticalBearersCheckBox_->setChecked(itf->BearerType == ItfData::BearerBox);
        leadingZeroCheckBox_->setChecked(itf->LeadingZero);
        bearerWidthSlider_->setValue(invertedValue(*bearerWidthSlider_, itf->BearerWidth));
        // The default height of a fine model lies above the range: the range
        // widens to it rather than show another height.
        barHeightSlider_->setMaximum(std::max(MaxBarHeight, itf->BarHeight));
        barHeightSlider_->setValue(invertedValue(*barHeightSlider_, itf->BarHeight));
    }
    if (const auto* gs1 = dynamic_cast<const Gs1_128Data*>(data))
        showAppIdsCheckBox_->setChecked(gs1->ShowAppIds);
    showing_ = false;
    showRatio();
    showElements();
    showGroups();
    showProblem();
}

void BarcodeItemDialog::showGroups() {
    const BarcodeData* data = barcodeData();
    if (!data)
        return;
    const Symbology kind = data->Kind;
    const bool gs1 = kind == Symbology::Gs1_128;
    const bool itf = kind == Symbology::Itf;
    const bool code39 = kind == Symbology::Code39;
    valueBox_->setVisible(!gs1);
    gs1GroupBox_->setVisible(gs1);
    dimensionsGroupBox_->setVisible(!itf);
    moduleWidthLabel_->setVisible(!code39);
    moduleWidthSpin_->setVisible(!code39);
    defaultsButton_->setVisible(isEanUpc(kind));
    code39GroupBox_->setVisible(code39);
    itfGroupBox_->setVisible(itf);
    ratioGroupBox_->setVisible(itf || code39);
    verticalBearersCheckBox_->setEnabled(bearerBarsCheckBox_->isChecked());
    if (gs1)
        loadAppIds();
    // The groups take their places now, not at the next turn of the event
    // loop: a click that follows at once meets them where they are shown.
    layout()->activate();
    adjustSize();
    keepOnScreen();
}

void BarcodeItemDialog::keepOnScreen() {
    const QScreen* shown = screen();
    if (!isVisible() || !shown)
        return;
    const QRect available = shown->availableGeometry();
    const QRect frame = frameGeometry();
    if (frame.bottom() > available.bottom())
        move(x(), std::max(available.top(), y() - (frame.bottom() - available.bottom())));
}

void BarcodeItemDialog::showRatio() {
    const auto* data = dynamic_cast<const RatioData*>(barcodeData());
    narrowWidthValue_->setText(QString::number(narrowWidthSlider_->value()));
    bearerWidthValue_->setText(
        QString::number(invertedValue(*bearerWidthSlider_, bearerWidthSlider_->value())));
    barHeightValue_->setText(
        QString::number(invertedValue(*barHeightSlider_, barHeightSlider_->value())));
    if (!data)
        return;
    const QSignalBlocker blocker(ratioSlider_);
    ratioSlider_->setValue(data->Ratio);
    ratioValue_->setText(QString::number(data->ratio(), 'f', 2));
}

void BarcodeItemDialog::showElements() {
    const auto* data = dynamic_cast<const Gs1_128Data*>(barcodeData());
    const int current = elementList_->currentRow();
    elementList_->clear();
    if (!data)
        return;
    for (const Gs1Element& element : data->Elements)
        elementList_->addItem(u'(' + Windows1252::decode(element.AppId) + QStringLiteral(") ") +
                              Windows1252::decode(element.Value));
    elementList_->setCurrentRow(std::min(current, elementList_->count() - 1));
    showAppIdsSample_->setText(data->ShowAppIds ? QStringLiteral("(XX) XXXX")
                                                : QStringLiteral("  XXXX"));
}

void BarcodeItemDialog::valueEdited() {
    if (BarcodeItem* item = barcodeItem()) {
        item->editData().Text = Windows1252::encode(valueEdit_->text());
        item->render();
    }
    showProblem();
}

// Takes every setting of the symbology's controls into the data.
void BarcodeItemDialog::settingsChanged() {
    BarcodeItem* item = barcodeItem();
    if (showing_ || !item)
        return;
    BarcodeData& data = item->editData();
    switch (data.Kind) {
    case Symbology::Itf: {
        auto& itf = static_cast<ItfData&>(data);
        itf.ModuleWidth = narrowWidthSlider_->value();
        itf.BearerWidth = invertedValue(*bearerWidthSlider_, bearerWidthSlider_->value());
        itf.BarHeight = invertedValue(*barHeightSlider_, barHeightSlider_->value());
        itf.CheckDigit = itfCheckCharacterCheckBox_->isChecked();
        if (!bearerBarsCheckBox_->isChecked())
            verticalBearersCheckBox_->setChecked(false);
        verticalBearersCheckBox_->setEnabled(bearerBarsCheckBox_->isChecked());
        itf.BearerType = !bearerBarsCheckBox_->isChecked()       ? ItfData::NoBearers
                         : verticalBearersCheckBox_->isChecked() ? ItfData::BearerBox
                                                                 : ItfData::BearerBars;
        itf.LeadingZero = leadingZeroCheckBox_->isChecked();
        break;
    }
    case Symbology::Code39: {
        auto& code39 = static_cast<Code39Data&>(data);
        code39.ModuleWidth = narrowWidthSlider_->value();
        code39.BarHeight = heightSpin_->value();
        code39.CheckCharacter = checkCharacterCheckBox_->isChecked();
        break;
    }
    default:
        data.ModuleWidth = moduleWidthSpin_->value();
        data.BarHeight = heightSpin_->value();
        break;
    }
    item->render();
    showRatio();
    showProblem();
}

void BarcodeItemDialog::textPositionClicked() {
    auto* itf = dynamic_cast<ItfData*>(barcodeData());
    if (!itf)
        return;
    itf->TextPosition = itf->TextPosition == 0 ? 1 : 0;
    textPositionButton_->setIcon(textPositionPicture(itf->TextPosition));
    barcodeItem()->render();
}

void BarcodeItemDialog::appIdChosen() {
    const int row = appIdGrid_->currentRow();
    if (row < 0 || row >= int(appIds_.rows().size()))
        return;
    const AppIdTable::Row& line = appIds_.rows()[size_t(row)];
    appIdLabel_->setText(u'(' + line.appId + u')');
    const std::optional<AppIdEntry> entry = appIdEntry(line.format);
    const bool decimal = line.appId.contains(u'x');
    elementEdit_->setVisible(!decimal);
    decimalEdit_->setVisible(decimal);
    elementEdit_->setInputMask(entry && !decimal ? qtInputMask(entry->mask) : QString());
    elementEdit_->clear();
    decimalEdit_->clear();
    promptLabel_->setText(entry ? appIdPrompt(*entry, promptWords_) : QString());
    for (QPushButton* button : {addButton_, replaceButton_})
        button->setEnabled(entry.has_value());
    (decimal ? decimalEdit_ : elementEdit_)->setFocus();
}

// The element the entry holds for the chosen identifier; nullopt, with a
// beep, when no identifier is chosen or the entry is incomplete.
std::optional<Gs1Element> BarcodeItemDialog::enteredElement() {
    const int row = appIdGrid_->currentRow();
    std::optional<AppIdEntry> entry;
    if (row >= 0 && row < int(appIds_.rows().size()))
        entry = appIdEntry(appIds_.rows()[size_t(row)].format);
    if (!entry) {
        prompter().beep();
        return std::nullopt;
    }
    const QString appId = appIds_.rows()[size_t(row)].appId;
    QString id = appId;
    QString value;
    if (appId.contains(u'x')) {
        const std::optional<DecimalElement> element =
            decimalElement(appId, *entry, decimalEdit_->text());
        if (element) {
            id = element->appId;
            value = element->value;
        }
    } else if (elementEdit_->hasAcceptableInput()) {
        value = elementEdit_->text().trimmed();
    }
    if (value.isEmpty()) {
        prompter().beep();
        return std::nullopt;
    }
    return Gs1Element{entry->fixedLength && hasPredefinedLength(id), Windows1252::encode(id),
                      Windows1252::encode(value)};
}

void BarcodeItemDialog::addElementClicked() {
    auto* data = dynamic_cast<Gs1_128Data*>(barcodeData());
    if (!data)
        return;
    if (const std::optional<Gs1Element> element = enteredElement()) {
        data->addElement(*element);
        barcodeItem()->render();
        showElements();
        elementList_->setCurrentRow(elementList_->count() - 1);
        showProblem();
    }
}

void BarcodeItemDialog::replaceElementClicked() {
    auto* data = dynamic_cast<Gs1_128Data*>(barcodeData());
    const int index = elementList_->currentRow();
    if (!data || index < 0) {
        prompter().beep();
        return;
    }
    if (const std::optional<Gs1Element> element = enteredElement()) {
        data->replaceElement(index, *element);
        barcodeItem()->render();
        showElements();
        showProblem();
    }
}

void BarcodeItemDialog::removeElementClicked() {
    auto* data = dynamic_cast<Gs1_128Data*>(barcodeData());
    const int index = elementList_->currentRow();
    if (!data || index < 0) {
        prompter().beep();
        return;
    }
    data->removeElement(index);
    barcodeItem()->render();
    showElements();
    showProblem();
}

void BarcodeItemDialog::showAppIdsClicked() {
    if (auto* data = dynamic_cast<Gs1_128Data*>(barcodeData())) {
        data->ShowAppIds = showAppIdsCheckBox_->isChecked();
        barcodeItem()->render();
        showElements();
    }
}

// Why the value cannot be printed, or empty.
QString BarcodeItemDialog::problemText() const {
    const BarcodeData* data = barcodeData();
    if (!data)
        return {};
    if (data->Kind != Symbology::Gs1_128) {
        const QString foreign = Windows1252::firstUnencodable(valueEdit_->text());
        if (!foreign.isEmpty())
            return messages_.BarcodeCharactersError.arg(u'"' + foreign + u'"');
    }
    return describeBarcodeProblem(checkBarcode(*data), messages_);
}

void BarcodeItemDialog::showProblem() {
    const QString problem = problemText();
    problemLabel_->setText(problem);
}

void BarcodeItemDialog::accept() {
    BarcodeItem* item = barcodeItem();
    if (!item) {
        ItemPropertiesDialog::accept();
        return;
    }
    if (item->data().Kind != Symbology::Gs1_128)
        valueEdited();
    if (const QString problem = problemText(); !problem.isEmpty()) {
        prompter().message(problem, QString(), Prompter::Icon::Stop, Prompter::Buttons::Ok);
        (item->data().Kind == Symbology::Gs1_128 ? static_cast<QWidget*>(appIdGrid_) : valueEdit_)
            ->setFocus();
        return;
    }
    item->render();
    if (const int fits = view().checkFits(item->getWidth(), item->getHeight()); fits != 0) {
        prompter().message(fits == 1 ? messages_.DrawnWidthError : messages_.DrawnHeightError,
                           QString(), Prompter::Icon::Stop, Prompter::Buttons::Ok);
        return;
    }
    ItemPropertiesDialog::accept();
}

const ItemDialogKind& barcodeItemDialogKind() {
    static const ItemDialogKind kind{
        .typeCode = BarcodeItem::TypeCode,
        .makeDialog = [](Prompter& prompter, DataStore& data, FontSet& fonts,
                         const Messages& messages,
                         QWidget* parent) -> std::unique_ptr<ItemPropertiesDialog> {
            return std::make_unique<BarcodeItemDialog>(prompter, data, fonts, messages, parent);
        },
    };
    return kind;
}
