#include "items/ItemClasses.h"

#include "document/ImageItem.h"
#include "items/ItemKinds.h"
#include "persist/ClassRegistry.h"

void registerItemClasses(ClassRegistry& registry) {
    for (const ItemKind* kind : itemKinds())
        registry.registerClass(kind->recordName, [kind]() -> std::unique_ptr<PersistentObject> {
            return kind->makeBlank();
        });
}
