#include "items/ItemKinds.h"
#include "items/MultiLineTextItem.h"

namespace {

std::unique_ptr<ImageItem> sampleMultiLineTextItem() {
    auto item = std::make_unique<MultiLineTextItem>();
    item->FontNumber = 3;
    item->setPosition({ImageItem::Margin + 21, ImageItem::Margin + 43});
    item->setWidth(65);
    item->setHeight(8);
    item->Rotation = 3;
    item->Justification = 1;
    item->WindowWidth = 120;
    item->WindowHeight = 40;
    item->LineGap = -2;
    item->Text = "Lot 17\r\nBest before \xE9t\xE9";
    return item;
}

} // namespace

const ItemKind& multiLineTextItemKind() {
    using Field = ItemJsonConverter::Field;
    using Type = ItemJsonConverter::FieldType;
    static const ItemKind kind{
        .typeCode = MultiLineTextItem::TypeCode,
        .recordName = MultiLineTextItem::RecordName,
        .captionIndex = 5,
        .icon = "multilinetext",
        .actionKey = "ItemMenuMultipleLineTextItem",
        .hintKey = "MultiLineTextHint",
        .listButtonName = "MULTIBUTTON",
        .limitClass = ItemLimitClass::Items,
        .makeBlank =
            [] { return std::unique_ptr<ImageItem>(std::make_unique<MultiLineTextItem>()); },
        .makeSample = &sampleMultiLineTextItem,
        .json = ItemJsonConverter::withFields(
            {Field{"WindowWidth", Type::Long}, Field{"WindowHeight", Type::Long},
             Field{"LineGap", Type::Long}, Field{"Text", Type::Bytes}}),
    };
    return kind;
}
