#include "app/ProgramClasses.h"

#include "document/ItemList.h"
#include "items/ItemClasses.h"
#include "persist/ClassRegistry.h"
#include "printer/PrinterFont.h"

void registerProgramClasses(ClassRegistry& registry) {
    registerPersistClasses(registry);
    registerFontClasses(registry);
    registerDocumentClasses(registry);
    registerItemClasses(registry);
}
