#include "items/ItemClasses.h"

#include "items/TextItems.h"
#include "persist/ClassRegistry.h"

void registerItemClasses(ClassRegistry& registry) {
    registry.RegisterClass<TextItem>("TextItem");
}
