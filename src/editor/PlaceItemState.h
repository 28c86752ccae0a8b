#pragma once

#include "editor/EditorState.h"

struct ItemKind;

// Places one new item of a kind where the left button goes down, after the
// user confirmed the item's properties. One class serves every kind: what
// differs (the item made, the limit it counts against) comes from the
// kind's entry.
class PlaceItemState : public EditorState {
public:
    PlaceItemState(EditorEnvironment& env, const ItemKind& kind) : EditorState(env), kind_(kind) {}

    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                   int32_t y) override;
    // Placing is one-shot: one press, one item at most.
    bool doneOnPress() const override { return true; }
    // A new item of the kind, with the defaults of a placed one and the
    // current font, anchored at (x, y).
    std::unique_ptr<ImageItem> createItem(int32_t x, int32_t y) const;
    const ItemKind& kind() const { return kind_; }
    // Places an item made elsewhere (a picture dropped on the image) as a
    // click places a new one, within the kind's limit and as one undoable
    // step, without asking for its properties. False when it was refused.
    bool placeMade(std::unique_ptr<ImageItem> item);

private:
    // Reports when the image holds as many items of the kind's sort as
    // allowed.
    bool withinLimits() const;

    const ItemKind& kind_;
};
