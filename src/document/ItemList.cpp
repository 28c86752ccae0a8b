#include "document/ItemList.h"

#include "persist/ClassRegistry.h"
#include "platform/Prompter.h"
#include "printer/DotCanvas.h"
#include "printer/InkPicture.h"
#include "texts/Messages.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <limits>

bool ItemList::admits(const PersistentObject* element) const {
    if (!element || dynamic_cast<const ImageItem*>(element))
        return true;
    if (prompter_ && messages_)
        prompter_->inform(messages_->WrongObjectError, Prompter::Icon::Stop);
    return false;
}

std::unique_ptr<PersistentObject> ItemList::put(int32_t index,
                                                std::unique_ptr<PersistentObject> element) {
    return admits(element.get()) ? PersistentList::put(index, std::move(element)) : nullptr;
}

bool ItemList::append(std::unique_ptr<PersistentObject> element) {
    return admits(element.get()) && PersistentList::append(std::move(element));
}

bool ItemList::insertFirst(std::unique_ptr<PersistentObject> element) {
    return admits(element.get()) && PersistentList::insertFirst(std::move(element));
}

ImageItem* ItemList::at(int32_t index) const {
    // Only items are ever admitted.
    return static_cast<ImageItem*>(PersistentList::at(index));
}

int ItemList::typeIndex(int32_t index) const {
    const ImageItem* item = at(index);
    return item ? item->typeIndex() : -1;
}

void ItemList::drawAll(DotCanvas& view) {
    for (int32_t i = 1; i <= count(); ++i)
        at(i)->draw(view);
}

void ItemList::layOutAtFullSize(DotCanvas& view) {
    const float scaleX = view.scaleX();
    const float scaleY = view.scaleY();
    QPainter* canvas = view.canvas();
    view.setScaleX(1.0f);
    view.setScaleY(1.0f);
    view.setCanvas(nullptr);
    // Drawing is what moves a justified item; without a canvas it only
    // measures.
    drawAll(view);
    view.setCanvas(canvas);
    view.setScaleX(scaleX);
    view.setScaleY(scaleY);
}

ImageItem* ItemList::findNearestHit(DotCanvas& view, int32_t x, int32_t y) {
    ImageItem* nearest = nullptr;
    int64_t nearestDistance = std::numeric_limits<int64_t>::max();
    for (int32_t i = 1; i <= count(); ++i) {
        ImageItem* item = at(i);
        if (!item->hitTest(view, x, y))
            continue;
        const int64_t dx = int64_t(item->getX()) - x;
        const int64_t dy = int64_t(item->getY()) - y;
        const int64_t distance = dx * dx + dy * dy;
        if (distance < nearestDistance) {
            nearest = item;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void ItemList::compileAll(DownloadBuffer& buffer, const CompileContext& context) const {
    for (int32_t i = 1; i <= count(); ++i)
        at(i)->compile(buffer, context);
}

void ItemList::refreshAll(DotCanvas& view) {
    for (int32_t i = 1; i <= count(); ++i)
        at(i)->refresh(view);
}

int ItemList::countGraphics() const {
    int graphics = 0;
    for (int32_t i = 1; i <= count(); ++i)
        graphics += at(i)->getTypeCode() == ImageItem::GraphicTypeCode ? 1 : 0;
    return graphics;
}

std::vector<ListViewRow> ItemList::listViewRows(const ItemTypeNames& names) const {
    std::vector<ListViewRow> rows;
    for (int32_t i = 1; i <= count(); ++i)
        at(i)->addToListView(i, rows, names);
    return rows;
}

void ItemList::eraseImage(DotCanvas& view) const {
    view.fillWhole();
}

void ItemList::redrawWhole(DotCanvas& view) {
    QPainter* canvas = view.canvas();
    QRect clip;
    QImage* pixels = canvas ? InkPicture::pixelsUnder(*canvas, clip) : nullptr;
    if (!pixels) {
        eraseImage(view);
        drawAll(view);
        return;
    }
    std::vector<const InkPicture*> inks;
    std::vector<ImageItem*> others;
    for (int32_t i = 1; i <= count(); ++i) {
        ImageItem* item = at(i);
        if (const InkPicture* ink = item->readyInk(view))
            inks.push_back(ink);
        else
            others.push_back(item);
    }
    InkPicture::fillOnWhite(*pixels, clip, std::move(inks));
    for (ImageItem* item : others)
        item->draw(view);
}

void ItemList::structureListing(std::bitset<16> typeIndexes, QStringList& lines) const {
    for (int32_t i = 1; i <= count(); ++i) {
        const ImageItem* item = at(i);
        if (!typeIndexes.test(size_t(item->typeIndex())))
            continue;
        const int code = item->getTypeCode();
        lines.append(QStringLiteral("%1  %2 %1 XPOS %3 YPOS %4")
                         .arg(code)
                         .arg(i)
                         .arg(int64_t(item->getX()) - ImageItem::Margin)
                         .arg(int64_t(item->getY()) - ImageItem::Margin));
    }
}

void registerDocumentClasses(ClassRegistry& registry) {
    registry.registerClass<ImageItem>();
    registry.registerClass<ItemList>();
}
