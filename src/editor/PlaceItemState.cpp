#include "editor/PlaceItemState.h"

#include "items/ItemKind.h"
#include "platform/Prompter.h"
#include "texts/Messages.h"

namespace {

// "Error - no more than 10 items allowed per label"; always false.
bool refuse(Prompter& prompter, const QString& before, uint32_t limit, const QString& after) {
    prompter.message(before + u' ' + QString::number(limit) + u' ' + after, QString(),
                     Prompter::Icon::Stop, Prompter::Buttons::Ok);
    return false;
}

} // namespace

void PlaceItemState::mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                               int32_t y) {
    EditorState::mouseDown(button, shift, x, y);
    if (button == Qt::LeftButton) {
        if (!withinLimits())
            return;
        std::unique_ptr<ImageItem> item = createItem(x, y);
        if (Edit(*item, editor().items().count() + 1) == EditAccepted)
            editor().placeItem(std::move(item));
    }
    editor().refreshImage();
}

std::unique_ptr<ImageItem> PlaceItemState::createItem(int32_t x, int32_t y) const {
    std::unique_ptr<ImageItem> item =
        kind_.makeBlank()->create(editor().fonts().currentFontNumber());
    item->setX(x);
    item->setY(y);
    return item;
}

bool PlaceItemState::placeMade(std::unique_ptr<ImageItem> item) {
    const bool placed = withinLimits() && editor().placeItem(std::move(item));
    editor().refreshImage();
    return placed;
}

bool PlaceItemState::withinLimits() const {
    const ItemList& items = editor().items();
    const int64_t graphics = items.countGraphics();
    const ItemLimits limits = env().itemLimits();
    const Messages& texts = editor().messages();
    if (kind_.limitClass == ItemLimitClass::Graphics)
        return graphics < limits.MaxGraphicItems ||
               refuse(editor().prompter(), texts.MaxGraphicItemsExceededError1,
                      limits.MaxGraphicItems, texts.MaxGraphicItemsExceededError2);
    return items.count() - graphics < limits.MaxItems ||
           refuse(editor().prompter(), texts.MaxItemsExceededError1, limits.MaxItems,
                  texts.MaxItemsExceededError2);
}
