#include "editor/ui/EditingSurface.h"

#include "document/AppContext.h"
#include "document/DataStore.h"
#include "editor/PlaceItemState.h"
#include "editor/SelectState.h"
#include "editor/ui/ImageWidget.h"
#include "editor/ui/ItemListDialog.h"
#include "editor/ui/ItemPropertyDialogs.h"
#include "editor/ui/RestrictedAreaDialog.h"
#include "items/GraphicItem.h"
#include "items/ItemKind.h"
#include "items/ItemKinds.h"
#include "items/MonoBitmap.h"
#include "items/ui/GraphicItemDialog.h"
#include "platform/Prompter.h"
#include "printer/FontSet.h"
#include "texts/Messages.h"
#include "widgets/Ruler.h"

#include <QApplication>
#include <QCursor>
#include <QGridLayout>
#include <QScrollArea>
#include <QScrollBar>

#include <algorithm>

EditingSurface::EditingSurface(AppContext& context, const IniFile* settings, QWidget* parent)
    : QWidget(parent), context_(context),
      editor_(std::make_unique<ImageEditor>(context.fonts, context.data.printers(),
                                            context.prompter, context.messages)),
      state_(std::make_unique<SelectState>(static_cast<EditorEnvironment&>(*this))) {
    setObjectName(QStringLiteral("EditingSurface"));
    movePointer = [](QPoint global) { QCursor::setPos(global); };
    buildWidgets();
    connectEditor();
    propertyForms_ = new ItemPropertyDialogs(context.prompter, context.data, context.fonts,
                                             context.messages, this);
    areaForm_ = new RestrictedAreaDialog(settings, this);
    itemList_ = new ItemListDialog(settings, context.kindNames, this);
    EditStepNames stepNames;
    stepNames.load(settings);
    editor_->setStepNames(stepNames, context.kindNames);
    applyZoomLevel(1);
}

EditingSurface::~EditingSurface() {
    // States may hold on to the image; they go first.
    state_.reset();
}

void EditingSurface::buildWidgets() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    hRuler_ = new Ruler(Qt::Horizontal, this);
    hRuler_->setObjectName(QStringLiteral("HRuler1"));
    vRuler_ = new Ruler(Qt::Vertical, this);
    vRuler_->setObjectName(QStringLiteral("VRuler1"));
    scrollBox_ = new QScrollArea(this);
    scrollBox_->setObjectName(QStringLiteral("ImageScrollBox"));
    scrollBox_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    scrollBox_->setBackgroundRole(QPalette::Dark);
    clientImage_ = new ImageWidget(*editor_);
    clientImage_->setOverlaySource([this] { return overlay(); });
    scrollBox_->setWidget(clientImage_);
    scrollBox_->viewport()->installEventFilter(this);
    // The wheel with Ctrl or Shift, over the picture or beside it.
    clientImage_->installEventFilter(this);
    grid->addWidget(hRuler_, 0, 1);
    grid->addWidget(vRuler_, 1, 0);
    grid->addWidget(scrollBox_, 1, 1);
    for (QScrollBar* bar : {scrollBox_->horizontalScrollBar(), scrollBox_->verticalScrollBar()})
        connect(bar, &QScrollBar::valueChanged, this, &EditingSurface::layOutRulers);
    connect(clientImage_, &ImageWidget::mouseDown, this, &EditingSurface::onMouseDown);
    connect(clientImage_, &ImageWidget::mouseMoved, this, &EditingSurface::onMouseMoved);
    connect(clientImage_, &ImageWidget::mouseUp, this, &EditingSurface::onMouseUp);
    connect(clientImage_, &ImageWidget::doubleClicked, this, &EditingSurface::onDoubleClick);
    connect(clientImage_, &ImageWidget::bitmapDropped, this,
            [this](const QString& path, QPoint pixel) {
                placeDroppedBitmap(path, editor_->screenToImage(pixel));
            });
}

void EditingSurface::connectEditor() {
    connect(editor_.get(), &ImageEditor::pictureChanged, this, &EditingSurface::repaintPicture);
    connect(editor_.get(), &ImageEditor::selectionChanged, clientImage_,
            qOverload<>(&QWidget::update));
    connect(editor_.get(), &ImageEditor::nudged, this,
            [this](QPoint at) { showPosition(at.x(), at.y()); });
    connect(editor_.get(), &ImageEditor::areaChanged, this, [this] {
        clientImage_->update();
        showAreaText();
    });
}

const DataStore& EditingSurface::data() const {
    return context_.data;
}

void EditingSurface::onMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift,
                                 QPoint pixel) {
    const QPoint at = editor_->screenToImage(pixel);
    const bool oneShot = state_->doneOnPress();
    state_->mouseDown(button, shift, at.x(), at.y());
    if (oneShot)
        returnToSelect();
}

void EditingSurface::onMouseMoved(Qt::KeyboardModifiers shift, QPoint pixel) {
    const QPoint at = editor_->screenToImage(pixel);
    state_->mouseMove(shift, at.x(), at.y());
}

void EditingSurface::onMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pixel) {
    const QPoint at = editor_->screenToImage(pixel);
    state_->mouseUp(button, shift, at.x(), at.y());
    // Placing an item or drawing the area is a one-shot action.
    returnToSelect();
}

void EditingSurface::onDoubleClick(QPoint pixel) {
    const QPoint at = editor_->screenToImage(pixel);
    if (!dynamic_cast<SelectState*>(state_.get()))
        return;
    if (ImageItem* hit = editor_->items().findNearestHit(editor_->display(), at.x(), at.y())) {
        editor_->select(hit);
        editSelectedItem();
    }
}

void EditingSurface::editSelectedItem() {
    ImageItem* item = editor_->selectedItem();
    if (!item)
        return;
    returnToSelect();
    static_cast<SelectState&>(*state_).editSelected(*item);
}

bool EditingSurface::startsDrag(QPoint pressed, QPoint now) const {
    // In widget pixels: above 200 % a picture pixel is shown as a square.
    const QPoint moved = editor_->imageToScreen(now) - editor_->imageToScreen(pressed);
    return moved.manhattanLength() * clientImage_->magnification() >=
           QApplication::startDragDistance();
}

void EditingSurface::placeDroppedBitmap(const QString& path, QPoint imageDot) {
    const ItemKind* kind = findItemKind(GraphicItem::TypeCode);
    if (!kind)
        return;
    const PictureFile::Loaded loaded =
        GraphicItemDialog::loadPicture(path, context_.data, context_.prompter, context_.messages);
    if (loaded.problem != PictureFile::Problem::None)
        return;
    auto item = ImageItem::createNew<GraphicItem>(context_.fonts.currentFontNumber());
    item->takeBitmap(loaded.windowsBitmap
                         ? loaded.picture
                         : MonoBitmap::fromThreshold(loaded.picture, MonoBitmap::DefaultThreshold));
    item->setPosition(imageDot);
    PlaceItemState(*this, *kind).placeMade(std::move(item));
}

void EditingSurface::returnToSelect() {
    selectState<SelectState>();
    emit returnedToSelect();
}

void EditingSurface::showPosition(int32_t x, int32_t y) {
    const DotCanvas& view = editor_->display();
    const int32_t margin = view.margin();
    const int32_t across = std::clamp(x - margin, 0, std::max(view.imageWidth(), 0));
    const int32_t down = std::clamp(y - margin, 0, std::max(view.imageHeight(), 0));
    emit positionShown(context_.data.dotsToText(across, DataStore::Axis::X),
                       context_.data.dotsToText(down, DataStore::Axis::Y));
}

void EditingSurface::movePointerTo(QPoint imageDot) {
    if (movePointer && clientImage_->isVisible())
        movePointer(clientImage_->mapToGlobal(
            clientImage_->widgetPixelOf(editor_->imageToScreen(imageDot))));
}

int EditingSurface::editItem(ImageItem& item, int itemNumber) {
    return propertyForms_->edit(item, editor_->display(), itemNumber);
}

ImageItem* EditingSurface::pickFromLabelStructure() {
    return labelStructureDialog ? labelStructureDialog() : nullptr;
}

void EditingSurface::setUpdateTimerRunning(bool running) {
    emit updateTimerWanted(running);
}

void EditingSurface::imageReset() {
    selectState<SelectState>();
    applyZoomLevel(1);
    showAreaText();
}

void EditingSurface::selectPlaceState(const ItemKind& kind) {
    if (kind.mayPlace && !kind.mayPlace(editor_->display().calendar())) {
        context_.prompter.message(context_.messages.*kind.placingRefused, QString(),
                                  Prompter::Icon::Stop, Prompter::Buttons::Ok);
        returnToSelect();
        return;
    }
    const auto* placing = dynamic_cast<const PlaceItemState*>(state_.get());
    if (!placing || &placing->kind() != &kind)
        state_ = std::make_unique<PlaceItemState>(static_cast<EditorEnvironment&>(*this), kind);
}

void EditingSurface::defineAreaByNumbers() {
    const std::optional<DotRect> area =
        areaForm_->execute(context_.prompter, context_.data, editor_->display().areaRect());
    if (area)
        editor_->defineArea(*area);
}

void EditingSurface::showItemList() {
    itemList_->execute(context_.prompter, editor_->items());
}
