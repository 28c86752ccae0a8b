#include "items/DateItem.h"
#include "items/ItemKinds.h"

namespace {

std::unique_ptr<ImageItem> sampleDateItem() {
    auto item = std::make_unique<DateItem>();
    item->FontNumber = 2;
    item->setPosition({ImageItem::Margin + 20, ImageItem::Margin + 5});
    item->setWidth(40);
    item->setHeight(9);
    item->Rotation = 3;
    item->Justification = 1;
    item->Separator = '-';
    item->DateType = DateItem::Normal + DateItem::OperatorRequestFlag;
    item->FirstDay = 2;
    item->FirstIndex = 1;
    item->Field1 = DateItem::Day;
    item->Field2 = DateItem::Month;
    item->Field3 = DateItem::Year2;
    item->WeekStartDate = DateItem::fileDate(QDate(2024, 1, 1));
    item->OffsetType = DateItem::Months;
    item->OffsetAmount = 300;
    item->LanguageIndex = 2;
    item->Arabic = true;
    item->LeadZeros = true;
    return item;
}

} // namespace

const ItemKind& dateItemKind() {
    using Field = ItemJsonConverter::Field;
    using Type = ItemJsonConverter::FieldType;
    static const ItemKind kind{
        .typeCode = DateItem::TypeCode,
        .recordName = DateItem::RecordName,
        .captionIndex = 2,
        .icon = "date",
        .actionKey = "ItemMenuDateItem",
        .hintKey = "DateHint",
        .listButtonName = "DATEBUTTON",
        .limitClass = ItemLimitClass::Items,
        .makeBlank = [] { return std::unique_ptr<ImageItem>(std::make_unique<DateItem>()); },
        .makeSample = &sampleDateItem,
        .json = ItemJsonConverter::withFields(
            {Field{"Separator", Type::Character}, Field{"DateType", Type::Long},
             Field{"FirstDay", Type::Long}, Field{"FirstIndex", Type::Long},
             Field{"Field1", Type::Long}, Field{"Field2", Type::Long}, Field{"Field3", Type::Long},
             Field{"WeekStartDate", Type::Real}, Field{"OffsetType", Type::Long},
             Field{"OffsetAmount", Type::Long}, Field{"LanguageIndex", Type::Long},
             Field{"Arabic", Type::Flag}, Field{"LeadZeros", Type::Flag}}),
    };
    return kind;
}
