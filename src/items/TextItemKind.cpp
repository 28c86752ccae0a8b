#include "items/ItemKinds.h"
#include "items/TextItem.h"

namespace {

std::unique_ptr<ImageItem> sampleTextItem() {
    auto item = std::make_unique<TextItem>();
    item->FontNumber = 3;
    item->setPosition({ImageItem::Margin + 12, ImageItem::Margin + 34});
    item->setWidth(56);
    item->setHeight(7);
    item->Rotation = 1;
    item->Justification = 2;
    item->Text = "Best before \xE9";
    item->OperatorRequest = true;
    item->Prompt = "Lot";
    item->MaxChars = 20;
    return item;
}

} // namespace

const ItemKind& textItemKind() {
    using Field = ItemJsonConverter::Field;
    using Type = ItemJsonConverter::FieldType;
    static const ItemKind kind{
        .typeCode = TextItem::TypeCode,
        .recordName = TextItem::RecordName,
        .captionIndex = 0,
        .icon = "text",
        .actionKey = "ItemMenuTextItem",
        .hintKey = "TextHint",
        .listButtonName = "TEXTBUTTON",
        .limitClass = ItemLimitClass::Items,
        .makeBlank = [] { return std::unique_ptr<ImageItem>(std::make_unique<TextItem>()); },
        .makeSample = &sampleTextItem,
        .json = ItemJsonConverter::withFields(
            {Field{"Text", Type::Bytes}, Field{"OperatorRequest", Type::Flag},
             Field{"Prompt", Type::Bytes}, Field{"MaxChars", Type::Long}}),
    };
    return kind;
}
