#include "items/ItemKinds.h"
#include "items/NumberItem.h"

namespace {

std::unique_ptr<ImageItem> sampleNumberItem() {
    auto item = std::make_unique<NumberItem>();
    item->FontNumber = 2;
    item->setPosition({ImageItem::Margin + 40, ImageItem::Margin + 3});
    item->setWidth(30);
    item->setHeight(9);
    item->Rotation = 3;
    item->Justification = 1;
    item->Increment = "-5";
    item->Number = "000042";
    item->Restart = "999";
    item->MaxLength = "6";
    item->CountBeforeInc = "3";
    item->LeadingZero = true;
    item->ReverseCount = true;
    return item;
}

} // namespace

const ItemKind& numberItemKind() {
    using Field = ItemJsonConverter::Field;
    using Type = ItemJsonConverter::FieldType;
    static const ItemKind kind{
        .typeCode = NumberItem::TypeCode,
        .recordName = NumberItem::RecordName,
        .captionIndex = 1,
        .icon = "number",
        .actionKey = "ItemMenuNumberItem",
        .hintKey = "NumberHint",
        .listButtonName = "NUMBERBUTTON",
        .limitClass = ItemLimitClass::Items,
        .makeBlank = [] { return std::unique_ptr<ImageItem>(std::make_unique<NumberItem>()); },
        .makeSample = &sampleNumberItem,
        .json = ItemJsonConverter::withFields(
            {Field{"Increment", Type::Bytes}, Field{"Number", Type::Bytes},
             Field{"Restart", Type::Bytes}, Field{"MaxLength", Type::Bytes},
             Field{"CountBeforeInc", Type::Bytes}, Field{"ReverseCount", Type::Flag},
             Field{"LeadingZero", Type::Flag}}),
    };
    return kind;
}
