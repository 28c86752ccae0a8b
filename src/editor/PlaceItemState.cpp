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

void PlaceItemState::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                               int32_t y) {
    MState::MouseDown(button, shift, x, y);
    if (button == Qt::LeftButton) {
        if (!withinLimits())
            return;
        std::unique_ptr<ImageItem> item = createItem(x, y);
        if (Edit(*item, editor().Items().Count() + 1) == EditAccepted)
            editor().PlaceItem(std::move(item));
    }
    editor().RefreshImage();
}

std::unique_ptr<ImageItem> PlaceItemState::createItem(int32_t x, int32_t y) const {
    std::unique_ptr<ImageItem> item =
        kind_.makeBlank()->Create(editor().Fonts().CurrentFontNumber());
    item->SetX(x);
    item->SetY(y);
    return item;
}

bool PlaceItemState::withinLimits() const {
    const ImagePList& items = editor().Items();
    const int64_t graphics = items.CountGraphics();
    const ItemLimits limits = env().Limits();
    const Messages& texts = editor().messages();
    if (kind_.limitClass == ItemLimitClass::Graphics)
        return graphics < limits.MaxGraphicItems ||
               refuse(editor().prompter(), texts.MaxGraphicItemsExceededError1,
                      limits.MaxGraphicItems, texts.MaxGraphicItemsExceededError2);
    return items.Count() - graphics < limits.MaxItems ||
           refuse(editor().prompter(), texts.MaxItemsExceededError1, limits.MaxItems,
                  texts.MaxItemsExceededError2);
}
