#include "editor/EditCommands.h"

#include "editor/ImageEditor.h"

ItemChangeCommand::ItemChangeCommand(ImageEditor& editor, ImageItem& item,
                                     std::unique_ptr<ImageItem> before,
                                     std::unique_ptr<ImageItem> after, const QString& text)
    : QUndoCommand(text), editor_(editor), item_(item), before_(std::move(before)),
      after_(std::move(after)) {}

ItemChangeCommand::~ItemChangeCommand() = default;

void ItemChangeCommand::undo() {
    item_.assign(*before_);
    editor_.refreshImage();
}

void ItemChangeCommand::redo() {
    item_.assign(*after_);
    editor_.refreshImage();
}

NudgeCommand::NudgeCommand(ImageEditor& editor, ImageItem& item, std::unique_ptr<ImageItem> before,
                           std::unique_ptr<ImageItem> after, const QString& text)
    : ItemChangeCommand(editor, item, std::move(before), std::move(after), text) {}

bool NudgeCommand::mergeWith(const QUndoCommand* other) {
    const auto* next = static_cast<const NudgeCommand*>(other);
    if (&next->item_ != &item_)
        return false;
    after_ = next->after_->cloneItem();
    return true;
}

ListChangeCommand::ListChangeCommand(ImageEditor& editor, ImageItem& item, int32_t index,
                                     std::unique_ptr<ImageItem>&& held, const QString& text)
    : QUndoCommand(text), editor_(editor), item_(item), index_(index), held_(std::move(held)) {}

ListChangeCommand::~ListChangeCommand() = default;

void ListChangeCommand::putIn() {
    editor_.insertItem(index_, std::move(held_));
    editor_.refreshImage();
}

void ListChangeCommand::takeOut() {
    held_ = editor_.takeItem(item_);
    editor_.refreshImage();
}

InsertItemCommand::InsertItemCommand(ImageEditor& editor, std::unique_ptr<ImageItem> item,
                                     int32_t index, const QString& text)
    : ListChangeCommand(editor, *item, index, std::move(item), text) {}

RemoveItemCommand::RemoveItemCommand(ImageEditor& editor, ImageItem& item, const QString& text)
    : ListChangeCommand(editor, item, editor.items().indexOf(&item), nullptr, text) {}

AreaCommand::AreaCommand(ImageEditor& editor, const DotRect& before, const DotRect& after,
                         const QString& text)
    : QUndoCommand(text), editor_(editor), before_(before), after_(after) {}

void AreaCommand::undo() {
    editor_.setAreaRect(before_);
    editor_.refreshImage();
}

void AreaCommand::redo() {
    editor_.setAreaRect(after_);
    editor_.refreshImage();
}
