#include "items/FieldItem.h"
#include "items/ItemKinds.h"

namespace {

std::unique_ptr<ImageItem> sampleFieldItem() {
    auto item = std::make_unique<FieldItem>();
    item->FontNumber = 2;
    item->setPosition({ImageItem::Margin + 9, ImageItem::Margin + 27});
    item->setWidth(31);
    item->setHeight(5);
    item->Rotation = 2;
    item->Justification = 3;
    item->Text = "Batch \xE9";
    item->MaxChars = 12;
    return item;
}

} // namespace

// The field's command stays hidden: the user places no field items. Its
// kind still loads, lists, draws, compiles and edits them.
const ItemKind& fieldItemKind() {
    using Field = ItemJsonConverter::Field;
    using Type = ItemJsonConverter::FieldType;
    static const ItemKind kind{
        .typeCode = FieldItem::TypeCode,
        .recordName = FieldItem::RecordName,
        .captionIndex = 0,
        .icon = "field",
        .actionKey = "FieldHint",
        .hintKey = "FieldHint",
        .listButtonName = "FIELDBUTTON",
        .limitClass = ItemLimitClass::Items,
        .makeBlank = [] { return std::unique_ptr<ImageItem>(std::make_unique<FieldItem>()); },
        .makeSample = &sampleFieldItem,
        .json = ItemJsonConverter::withFields(
            {Field{"Text", Type::Bytes}, Field{"MaxChars", Type::Long}}),
    };
    return kind;
}
