#pragma once

#include "printer/DotCanvas.h"

#include <QUndoCommand>

#include <cstdint>
#include <memory>

class ImageEditor;
class ImageItem;

// The undoable edits of an image. Each is pushed after (or as) the change is
// made, so its first redo finds the image already in the state it sets.
//
// Commands refer to items by address: an item taken out of the list lives on
// in the command that took it, and undo and redo run in strict stack order,
// so every address a command holds is alive whenever the command runs.

// Any change of one item's own fields (move, properties, justification,
// font): the item's fields before and after.
class ItemChangeCommand : public QUndoCommand {
public:
    ItemChangeCommand(ImageEditor& editor, ImageItem& item, std::unique_ptr<ImageItem> before,
                      std::unique_ptr<ImageItem> after, const QString& text);
    ~ItemChangeCommand() override;

    void undo() override;
    void redo() override;

protected:
    ImageEditor& editor_;
    ImageItem& item_;
    std::unique_ptr<ImageItem> before_;
    std::unique_ptr<ImageItem> after_;
};

// A move by the arrow keys. Nudges of the same item one after another are
// one step: the stack hands each new one to the one on top, which keeps its
// own "before" and takes the newcomer's "after". Another item, or any other
// command in between, starts a new step.
class NudgeCommand : public ItemChangeCommand {
public:
    static constexpr int Id = 1;

    NudgeCommand(ImageEditor& editor, ImageItem& item, std::unique_ptr<ImageItem> before,
                 std::unique_ptr<ImageItem> after, const QString& text);

    int id() const override { return Id; }
    bool mergeWith(const QUndoCommand* other) override;
};

// An item going into or out of the list: the command holds it while it is
// out. Placing and pasting put it in on redo; cutting takes it out.
class ListChangeCommand : public QUndoCommand {
public:
    ~ListChangeCommand() override;

protected:
    ListChangeCommand(ImageEditor& editor, ImageItem& item, int32_t index,
                      std::unique_ptr<ImageItem>&& held, const QString& text);
    void putIn();
    void takeOut();

private:
    ImageEditor& editor_;
    ImageItem& item_;
    int32_t index_;
    std::unique_ptr<ImageItem> held_;
};

class InsertItemCommand : public ListChangeCommand {
public:
    InsertItemCommand(ImageEditor& editor, std::unique_ptr<ImageItem> item, int32_t index,
                      const QString& text);
    void undo() override { takeOut(); }
    void redo() override { putIn(); }
};

class RemoveItemCommand : public ListChangeCommand {
public:
    RemoveItemCommand(ImageEditor& editor, ImageItem& item, const QString& text);
    void undo() override { putIn(); }
    void redo() override { takeOut(); }
};

// A new restricted area.
class AreaCommand : public QUndoCommand {
public:
    AreaCommand(ImageEditor& editor, const DotRect& before, const DotRect& after,
                const QString& text);

    void undo() override;
    void redo() override;

private:
    ImageEditor& editor_;
    DotRect before_;
    DotRect after_;
};
