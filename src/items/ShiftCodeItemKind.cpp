#include "items/ItemKinds.h"
#include "items/ShiftCodeItem.h"
#include "texts/Messages.h"

namespace {

std::unique_ptr<ImageItem> sampleShiftCodeItem() {
    auto item = std::make_unique<ShiftCodeItem>();
    item->FontNumber = 1;
    item->setPosition({ImageItem::Margin + 7, ImageItem::Margin + 21});
    item->setWidth(9);
    item->setHeight(11);
    item->Rotation = 2;
    item->Justification = 3;
    return item;
}

} // namespace

const ItemKind& shiftCodeItemKind() {
    static const ItemKind kind{
        .typeCode = ShiftCodeItem::TypeCode,
        .recordName = ShiftCodeItem::RecordName,
        .captionIndex = 4,
        .icon = "shiftcode",
        .actionKey = "ItemMenuShiftCodeItem",
        .hintKey = "ShiftCodeHint",
        .listButtonName = "SHIFTBUTTON",
        .limitClass = ItemLimitClass::Items,
        .makeBlank = [] { return std::unique_ptr<ImageItem>(std::make_unique<ShiftCodeItem>()); },
        .makeSample = &sampleShiftCodeItem,
        .json = ItemJsonConverter::withFields({}),
        // A shift code item shows nothing until shifts are defined.
        .mayPlace =
            [](const ItemCalendar& calendar) {
                return !calendar.shiftCodeAt(calendar.now()).empty();
            },
        .placingRefused = &Messages::NoShiftCodeDefined,
    };
    return kind;
}
