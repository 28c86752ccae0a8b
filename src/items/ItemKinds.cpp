#include "items/ItemKinds.h"

#include "document/ItemTypeNames.h"

#include <vector>

QString ItemKind::caption(const ItemTypeNames& names) const {
    return names.caption(captionIndex);
}

QString ItemKind::iconPath() const {
    return QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon));
}

std::span<const ItemKind* const> itemKinds() {
#define TOLVANE_ITEM_KIND_ADDRESS(name) &name##Kind(),
    static const std::vector<const ItemKind*> kinds{TOLVANE_ITEM_KINDS(TOLVANE_ITEM_KIND_ADDRESS)};
#undef TOLVANE_ITEM_KIND_ADDRESS
    return kinds;
}

const ItemKind* findItemKind(uint8_t typeCode) {
    for (const ItemKind* kind : itemKinds())
        if (kind->typeCode == typeCode)
            return kind;
    return nullptr;
}

ItemJsonConverters itemJsonConverters() {
    ItemJsonConverters converters;
    converters.add("ImageItem",
                   {&ItemJsonConverters::commonToJson, &ItemJsonConverters::commonFromJson, {}});
    for (const ItemKind* kind : itemKinds())
        converters.add(kind->recordName, kind->json);
    return converters;
}
