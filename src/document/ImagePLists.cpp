#include "document/ImagePLists.h"

#include "persist/ClassRegistry.h"
#include "platform/Prompter.h"
#include "printer/NebraDisplays.h"
#include "texts/Messages.h"

#include <limits>

bool ImagePList::admits(const PObject* element) const {
    if (!element || dynamic_cast<const ImageItem*>(element))
        return true;
    if (prompter_ && messages_)
        prompter_->inform(messages_->WrongObjectError, Prompter::Icon::Stop);
    return false;
}

std::unique_ptr<PObject> ImagePList::Put(int32_t index, std::unique_ptr<PObject> element) {
    return admits(element.get()) ? PList::Put(index, std::move(element)) : nullptr;
}

bool ImagePList::Append(std::unique_ptr<PObject> element) {
    return admits(element.get()) && PList::Append(std::move(element));
}

bool ImagePList::InsertFirst(std::unique_ptr<PObject> element) {
    return admits(element.get()) && PList::InsertFirst(std::move(element));
}

ImageItem* ImagePList::At(int32_t index) const {
    // Only items are ever admitted.
    return static_cast<ImageItem*>(PList::At(index));
}

int ImagePList::TypeIndex(int32_t index) const {
    const ImageItem* item = At(index);
    return item ? item->TypeIndex() : -1;
}

void ImagePList::DrawAll(NebraDisplay& view) {
    for (int32_t i = 1; i <= Count(); ++i)
        At(i)->Draw(view);
}

void ImagePList::LayOutAtFullSize(NebraDisplay& view) {
    const float scaleX = view.ScaleX();
    const float scaleY = view.ScaleY();
    QPainter* canvas = view.Canvas();
    view.SetScaleX(1.0f);
    view.SetScaleY(1.0f);
    view.SetCanvas(nullptr);
    // Drawing is what moves a justified item; without a canvas it only
    // measures.
    DrawAll(view);
    view.SetCanvas(canvas);
    view.SetScaleX(scaleX);
    view.SetScaleY(scaleY);
}

ImageItem* ImagePList::FindNearestHit(NebraDisplay& view, int32_t x, int32_t y) {
    ImageItem* nearest = nullptr;
    int64_t nearestDistance = std::numeric_limits<int64_t>::max();
    for (int32_t i = 1; i <= Count(); ++i) {
        ImageItem* item = At(i);
        if (!item->HitTest(view, x, y))
            continue;
        const int64_t dx = int64_t(item->GetX()) - x;
        const int64_t dy = int64_t(item->GetY()) - y;
        const int64_t distance = dx * dx + dy * dy;
        if (distance < nearestDistance) {
            nearest = item;
            nearestDistance = distance;
        }
    }
    return nearest;
}

void ImagePList::CompileAll(IDL& buffer, const CompileContext& context) const {
    for (int32_t i = 1; i <= Count(); ++i)
        At(i)->Compile(buffer, context);
}

void ImagePList::RefreshAll(NebraDisplay& view) {
    for (int32_t i = 1; i <= Count(); ++i)
        At(i)->Refresh(view);
}

int ImagePList::CountGraphics() const {
    int graphics = 0;
    for (int32_t i = 1; i <= Count(); ++i)
        graphics += At(i)->GetTypeCode() == ImageItem::GraphicTypeCode ? 1 : 0;
    return graphics;
}

std::vector<ListViewRow> ImagePList::ListViewRows(const ItemTypeNames& names) const {
    std::vector<ListViewRow> rows;
    for (int32_t i = 1; i <= Count(); ++i)
        At(i)->AddToListView(i, rows, names);
    return rows;
}

void ImagePList::EraseImage(NebraDisplay& view) const {
    view.FillWhole();
}

void ImagePList::StructureListing(std::bitset<16> typeIndexes, QStringList& lines) const {
    for (int32_t i = 1; i <= Count(); ++i) {
        const ImageItem* item = At(i);
        if (!typeIndexes.test(size_t(item->TypeIndex())))
            continue;
        const int code = item->GetTypeCode();
        lines.append(QStringLiteral("%1  %2 %1 XPOS %3 YPOS %4")
                         .arg(code)
                         .arg(i)
                         .arg(int64_t(item->GetX()) - ImageItem::Margin)
                         .arg(int64_t(item->GetY()) - ImageItem::Margin));
    }
}

void registerDocumentClasses(ClassRegistry& registry) {
    registry.RegisterClass<ImageItem>();
    registry.RegisterClass<ImagePList>();
}
