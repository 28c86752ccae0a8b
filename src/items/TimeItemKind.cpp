#include "items/ItemKinds.h"
#include "items/TimeItem.h"

namespace {

std::unique_ptr<ImageItem> sampleTimeItem() {
    auto item = std::make_unique<TimeItem>();
    item->FontNumber = 2;
    item->setPosition({ImageItem::Margin + 40, ImageItem::Margin + 9});
    item->setWidth(30);
    item->setHeight(7);
    item->Rotation = 3;
    item->Justification = 1;
    item->TimeText = "02.05PM";
    item->Format24Hr = true;
    item->SuffixIndex = TimeItem::UpperPair;
    item->TimeSeparator = '.';
    return item;
}

} // namespace

const ItemKind& timeItemKind() {
    using Field = ItemJsonConverter::Field;
    using Type = ItemJsonConverter::FieldType;
    static const ItemKind kind{
        .typeCode = TimeItem::TypeCode,
        .recordName = TimeItem::RecordName,
        .captionIndex = 3,
        .icon = "time",
        .actionKey = "ItemMenuTimeItem",
        .hintKey = "TimeHint",
        .listButtonName = "TIMEBUTTON",
        .limitClass = ItemLimitClass::Items,
        .makeBlank = [] { return std::unique_ptr<ImageItem>(std::make_unique<TimeItem>()); },
        .makeSample = &sampleTimeItem,
        .json = ItemJsonConverter::withFields(
            {Field{"TimeText", Type::Bytes}, Field{"Format24Hr", Type::Flag},
             Field{"SuffixIndex", Type::Long}, Field{"TimeSeparator", Type::Character}}),
    };
    return kind;
}
