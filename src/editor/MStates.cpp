#include "editor/MStates.h"

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

void MState::MouseDown(Qt::MouseButton, Qt::KeyboardModifiers, int32_t x, int32_t y) {
    env_.ShowPosition(x, y);
}

void MState::MouseUp(Qt::MouseButton, Qt::KeyboardModifiers, int32_t x, int32_t y) {
    env_.ShowPosition(x, y);
}

void MState::MouseMove(Qt::KeyboardModifiers, int32_t x, int32_t y) {
    env_.ShowPosition(x, y);
}

int MState::Edit(ImageItem& item, int itemNumber) {
    return env_.EditItem(item, itemNumber);
}

void MCreateItemState::MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                                 int32_t y) {
    MState::MouseDown(button, shift, x, y);
    if (button == Qt::LeftButton) {
        if (!WithinLimits())
            return;
        std::unique_ptr<ImageItem> item = CreateItem(x, y);
        if (Edit(*item, editor().Items().Count() + 1) == EditAccepted)
            editor().PlaceItem(std::move(item));
    }
    editor().RefreshImage();
}

bool MCreateItemState::WithinLimits() const {
    const ImagePList& items = editor().Items();
    const int64_t graphics = items.CountGraphics();
    const ItemLimits limits = env().Limits();
    const Messages& texts = editor().messages();
    if (CreatedTypeCode() == ImageItem::GraphicTypeCode)
        return graphics < limits.MaxGraphicItems ||
               refuse(editor().prompter(), texts.MaxGraphicItemsExceededError1,
                      limits.MaxGraphicItems, texts.MaxGraphicItemsExceededError2);
    return items.Count() - graphics < limits.MaxItems ||
           refuse(editor().prompter(), texts.MaxItemsExceededError1, limits.MaxItems,
                  texts.MaxItemsExceededError2);
}
