#include "items/ui/GraphicItemDialog.h"

#include "document/DataStore.h"
#include "items/GraphicItem.h"
#include "items/MonoBitmap.h"
#include "items/ui/ItemDialogKinds.h"
#include "platform/Prompter.h"
#include "printer/FontRealizer.h"
#include "texts/Messages.h"
#include "texts/SettingsFile.h"
#include "widgets/DialogSupport.h"
#include "widgets/LengthEdit.h"
#include "widgets/RadioGroup.h"

#include <QCheckBox>
#include <QClipboard>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QString text(const IniFile* settings, const char* key, const char* builtIn) {
    return dialogText(settings, GraphicItemDialog::SettingsSection, key, builtIn);
}

QSize modelImage(const DataStore& data) {
    return {data.printers().width(), data.printers().height()};
}

void refuse(Prompter& prompter, const QString& message) {
    prompter.message(message, QString(), Prompter::Icon::Stop, Prompter::Buttons::Ok);
}

QString sizeError(const IniFile* settings, QSize size, QSize limit) {
    return text(settings, "PictureSizeError",
                "Error - the picture is %1 x %2 dots; the printer's image holds at most %3 x %4")
        .arg(size.width())
        .arg(size.height())
        .arg(limit.width())
        .arg(limit.height());
}

// Every picture format Qt reads here, as the patterns of a file filter.
QString picturePatterns() {
    QStringList patterns;
    for (const QByteArray& format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format);
    return patterns.join(u';');
}

// The side the other one gives when the aspect is kept.
int keptAspect(int side, int newOther, int other) {
    if (other <= 0)
        return side;
    return std::clamp(roundHalfEven(double(int64_t(side) * newOther) / other), 1,
                      int(GraphicItem::MaxSide));
}

} // namespace

GraphicItemDialog::GraphicItemDialog(Prompter& prompter, DataStore& data, FontSet& fonts,
                                     const Messages& messages, QWidget* parent)
    : ItemPropertiesDialog(SettingsSection, prompter, data, fonts, parent), messages_(messages) {
    buildControls();
    hideFontChoice();
    // The common dialog turns the picture first; its new size shows after.
    connect(findChild<RadioGroup*>(QStringLiteral("RotationRG")), &RadioGroup::itemIndexChanged,
            this, [this] {
                showSize();
                showPreview();
            });
    readTexts(SettingsFile::open(&prompter).get());
}

void GraphicItemDialog::buildControls() {
    auto* row = new QHBoxLayout;
    row->addWidget(buildBitmapBox());
    row->addWidget(buildPreviewBox());
    ownControls().addLayout(row);
}

QGroupBox* GraphicItemDialog::buildBitmapBox() {
    bitmapGroupBox_ = namedWidget<QGroupBox>(this, "BitmapGroupBox");
    loadButton_ = namedWidget<QPushButton>(bitmapGroupBox_, "LoadButton");
    pasteButton_ = namedWidget<QToolButton>(bitmapGroupBox_, "SpeedButton1");
    pasteButton_->setIcon(QIcon(QStringLiteral(":/icons/paste.svg")));
    widthLabel_ = namedWidget<QLabel>(bitmapGroupBox_, "WidthLabel");
    heightLabel_ = namedWidget<QLabel>(bitmapGroupBox_, "HeightLabel");
    widthEdit_ = namedWidget<LengthEdit>(bitmapGroupBox_, "WidthEdit");
    heightEdit_ = namedWidget<LengthEdit>(bitmapGroupBox_, "HeightEdit");
    widthEdit_->setAxis(data(), DataStore::Axis::X);
    heightEdit_->setAxis(data(), DataStore::Axis::Y);
    widthLabel_->setBuddy(widthEdit_);
    heightLabel_->setBuddy(heightEdit_);
    sizeUnitLabel_ = namedWidget<QLabel>(bitmapGroupBox_, "SizeUnitLabel");
    aspectCheckBox_ = namedWidget<QCheckBox>(bitmapGroupBox_, "AspectCheckBox1");
    aspectCheckBox_->setChecked(true);
    thresholdPage_ = namedWidget<QWidget>(bitmapGroupBox_, "ThresholdPage");
    thresholdLabel_ = namedWidget<QLabel>(thresholdPage_, "ThresholdLabel");
    thresholdSlider_ = namedWidget<QSlider>(thresholdPage_, "ThresholdSlider");
    thresholdSlider_->setOrientation(Qt::Horizontal);
    thresholdSlider_->setRange(1, 255);
    thresholdSlider_->setValue(MonoBitmap::DefaultThreshold);
    thresholdLabel_->setBuddy(thresholdSlider_);
    auto* thresholdRow = new QHBoxLayout(thresholdPage_);
    thresholdRow->setContentsMargins(0, 0, 0, 0);
    thresholdRow->addWidget(thresholdLabel_);
    thresholdRow->addWidget(thresholdSlider_);
    thresholdPage_->hide();

    auto* grid = new QGridLayout(bitmapGroupBox_);
    grid->addWidget(loadButton_, 0, 0);
    grid->addWidget(pasteButton_, 0, 1);
    grid->addWidget(widthLabel_, 1, 0);
    grid->addWidget(widthEdit_, 1, 1);
    grid->addWidget(heightLabel_, 2, 0);
    grid->addWidget(heightEdit_, 2, 1);
    grid->addWidget(sizeUnitLabel_, 1, 2, 2, 1);
    grid->addWidget(aspectCheckBox_, 3, 0, 1, 3);
    grid->addWidget(thresholdPage_, 4, 0, 1, 3);

    connect(loadButton_, &QPushButton::clicked, this, &GraphicItemDialog::loadClicked);
    connect(pasteButton_, &QToolButton::clicked, this, &GraphicItemDialog::pasteClicked);
    connect(thresholdSlider_, &QSlider::valueChanged, this, &GraphicItemDialog::thresholdMoved);
    connect(widthEdit_, &QLineEdit::textEdited, this, [this] { filterSizeText(*widthEdit_); });
    connect(heightEdit_, &QLineEdit::textEdited, this, [this] { filterSizeText(*heightEdit_); });
    connect(widthEdit_, &QLineEdit::editingFinished, this, [this] { sizeFinished(*widthEdit_); });
    connect(heightEdit_, &QLineEdit::editingFinished, this, [this] { sizeFinished(*heightEdit_); });
    return bitmapGroupBox_;
}

QGroupBox* GraphicItemDialog::buildPreviewBox() {
    previewGroupBox_ = namedWidget<QGroupBox>(this, "PreviewGroupBox");
    previewImage_ = namedWidget<QLabel>(previewGroupBox_, "PreviewImage");
    previewImage_->setFixedSize(PreviewWidth, PreviewHeight);
    auto* column = new QVBoxLayout(previewGroupBox_);
    column->addWidget(previewImage_);
    return previewGroupBox_;
}

void GraphicItemDialog::readTexts(const IniFile* settings) {
    const QString caption = text(settings, "Caption", "Edit Graphic Item Properites");
    setTitle(caption);
    setWindowTitle(caption);
    bitmapGroupBox_->setTitle(text(settings, "BitmapGroupBoxCaption", "Bitmap"));
    loadButton_->setText(text(settings, "LoadButton", "Load..."));
    heightLabel_->setText(text(settings, "HeightLabel", "Height"));
    widthLabel_->setText(text(settings, "WidthLabel", "Width"));
    previewGroupBox_->setTitle(text(settings, "PreviewGroupBoxCaption", "Preview"));
    aspectCheckBox_->setText(text(settings, "MaintainAspectCaption", "Maintain Aspect"));
    thresholdLabel_->setText(text(settings, "ThresholdLabel", "Threshold"));
    picturesCaption_ = text(settings, "PicturesFilterCaption", "Pictures");
}

GraphicItem* GraphicItemDialog::graphicItem() const {
    return dynamic_cast<GraphicItem*>(edited());
}

PictureFile::Loaded GraphicItemDialog::loadPicture(const QString& path, const DataStore& data,
                                                   Prompter& prompter, const Messages& messages) {
    const QSize limit = modelImage(data);
    PictureFile::Loaded loaded = PictureFile::load(path, limit);
    switch (loaded.problem) {
    case PictureFile::Problem::None:
        break;
    case PictureFile::Problem::ColourBitmap:
        refuse(prompter, messages.LoadBitmapBitError);
        break;
    case PictureFile::Problem::TooLarge:
        refuse(prompter, sizeError(SettingsFile::open(&prompter).get(), loaded.size, limit));
        break;
    case PictureFile::Problem::Unreadable:
        refuse(prompter, loaded.windowsBitmap
                             ? messages.LoadBitmapError
                             : text(SettingsFile::open(&prompter).get(), "PictureReadError",
                                    "Error - the picture cannot be read"));
        break;
    }
    return loaded;
}

void GraphicItemDialog::showOwnFields() {
    const GraphicItem* item = graphicItem();
    // Given another kind, the dialog edits only what all items share.
    bitmapGroupBox_->setEnabled(item != nullptr);
    picture_ = QImage();
    thresholdPage_->hide();
    showSize();
    showPreview();
}

void GraphicItemDialog::loadClicked() {
    if (!graphicItem())
        return;
    const auto settings = SettingsFile::open(&prompter());
    Prompter::FileRequest request;
    request.filter = BitmapFilter + u'|' + picturesCaption_ + u'|' + picturePatterns();
    request.filterIndex = 1; // every picture, bitmaps among them
    if (settings)
        request.initialDir = settings->readString(SettingsSection, LastDirKey, QString());
    const Prompter::FileAnswer answer = prompter().openFile(request);
    const QFileInfo file(answer.fileName);
    if (!answer.accepted || !file.isFile())
        return;
    const PictureFile::Loaded loaded = loadPicture(file.filePath(), data(), prompter(), messages_);
    // A folder that held a picture of a kind the dialog reads is kept.
    if (settings && loaded.problem != PictureFile::Problem::ColourBitmap)
        settings->writeString(SettingsSection, LastDirKey, file.absolutePath());
    if (loaded.problem != PictureFile::Problem::None)
        return;
    picture_ = loaded.windowsBitmap ? QImage() : loaded.picture;
    thresholdPage_->setVisible(!picture_.isNull());
    takePicture(picture_.isNull() ? loaded.picture
                                  : MonoBitmap::fromThreshold(picture_, thresholdSlider_->value()));
}

void GraphicItemDialog::pasteClicked() {
    const QImage pasted = QGuiApplication::clipboard()->image();
    if (!graphicItem() || pasted.isNull())
        return;
    const QSize limit = modelImage(data());
    if (pasted.width() > limit.width() || pasted.height() > limit.height()) {
        refuse(prompter(), sizeError(SettingsFile::open(&prompter()).get(), pasted.size(), limit));
        return;
    }
    picture_ = QImage();
    thresholdPage_->hide();
    takePicture(MonoBitmap::fromNotWhite(pasted));
}

// One pixel one dot, unturned: the rotation choice goes back to 0°.
void GraphicItemDialog::takePicture(const QImage& dots) {
    graphicItem()->takeBitmap(dots);
    setupRotation();
    showSize();
    showPreview();
}

void GraphicItemDialog::thresholdMoved(int threshold) {
    if (GraphicItem* item = graphicItem(); item && !picture_.isNull()) {
        item->Bitmap = MonoBitmap::fromThreshold(picture_, threshold);
        showPreview();
    }
}

// Digits and the decimal separator stay; anything else goes with a beep.
void GraphicItemDialog::filterSizeText(LengthEdit& edit) {
    const QString separator = data().locale().decimalPoint();
    QString kept;
    for (const QChar c : edit.text())
        if ((c >= u'0' && c <= u'9') || separator.contains(c))
            kept += c;
    if (kept.size() != edit.text().size())
        prompter().beep();
    if (kept.isEmpty())
        kept = QStringLiteral("0");
    if (kept != edit.text())
        edit.setText(kept);
}

// Leaving a size edit takes the typed side and, when the aspect is kept,
// the other side in proportion.
void GraphicItemDialog::sizeFinished(LengthEdit& edit) {
    GraphicItem* item = graphicItem();
    if (!item || item->Bitmap.isNull() || !edit.isChanged())
        return;
    const std::optional<int> typed = edit.dots();
    if (!typed)
        return;
    const bool width = &edit == widthEdit_;
    const int side = std::clamp(*typed, 1, int(GraphicItem::MaxSide));
    const int before = width ? item->getWidth() : item->getHeight();
    int other = width ? item->getHeight() : item->getWidth();
    if (aspectCheckBox_->isChecked())
        other = keptAspect(other, side, before);
    item->setWidth(width ? side : other);
    item->setHeight(width ? other : side);
    showSize();
}

void GraphicItemDialog::showSize() {
    const GraphicItem* item = graphicItem();
    sizeUnitLabel_->setText(data().unitName());
    widthEdit_->showDots(item ? item->getWidth() : 0);
    heightEdit_->showDots(item ? item->getHeight() : 0);
    const bool sizable = item && !item->Bitmap.isNull();
    for (QWidget* w : std::initializer_list<QWidget*>{widthEdit_, heightEdit_, widthLabel_,
                                                      heightLabel_, aspectCheckBox_})
        w->setEnabled(sizable);
}

void GraphicItemDialog::showPreview() {
    const GraphicItem* item = graphicItem();
    if (!item || item->Bitmap.isNull()) {
        previewImage_->clear();
        return;
    }
    previewImage_->setPixmap(QPixmap::fromImage(
        item->Bitmap.convertToFormat(QImage::Format_RGB32)
            .scaled(PreviewWidth, PreviewHeight, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
}

void GraphicItemDialog::accept() {
    GraphicItem* item = graphicItem();
    if (!item) {
        ItemPropertiesDialog::accept();
        return;
    }
    sizeFinished(*widthEdit_);
    sizeFinished(*heightEdit_);
    if (item->Bitmap.isNull()) {
        reject();
        return;
    }
    ItemPropertiesDialog::accept();
}

const ItemDialogKind& graphicItemDialogKind() {
    static const ItemDialogKind kind{
        .typeCode = GraphicItem::TypeCode,
        .makeDialog = [](Prompter& prompter, DataStore& data, FontSet& fonts,
                         const Messages& messages,
                         QWidget* parent) -> std::unique_ptr<ItemPropertiesDialog> {
            return std::make_unique<GraphicItemDialog>(prompter, data, fonts, messages, parent);
        },
    };
    return kind;
}
