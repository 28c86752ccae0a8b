#pragma once

#include "document/ImageItem.h"
#include "editor/EditorEnvironment.h"
#include "editor/ImageEditor.h"
#include "printer/FontSet.h"

#include <Qt>

#include <cstdint>
#include <memory>

// The modal result of a confirmed property dialog.
constexpr int EditAccepted = 1;

// An editor state: what a mouse event on the image means. The surface turns
// every event into image coordinates (dots, margin included) and hands it to
// the current state; only the left and right buttons reach a state. One
// state is current at a time, and after every mouse-up the surface goes back
// to the select state (after the press already, for a state whose work ends
// there).
class EditorState {
public:
    explicit EditorState(EditorEnvironment& env) : env_(env) {}
    virtual ~EditorState() = default;
    EditorState(const EditorState&) = delete;
    EditorState& operator=(const EditorState&) = delete;

    // The base shows the position in the status line.
    virtual void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x,
                           int32_t y);
    virtual void mouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int32_t x, int32_t y);
    virtual void mouseMove(Qt::KeyboardModifiers shift, int32_t x, int32_t y);
    // Runs the property dialog of the item's kind; EditAccepted on OK.
    virtual int Edit(ImageItem& item, int itemNumber);
    // The state's work is over once the press is handled. Such a press may
    // run a dialog or a message, whose modal loop swallows the release, so
    // the surface cannot wait for the release to leave the state.
    virtual bool doneOnPress() const { return false; }

protected:
    EditorEnvironment& env() const { return env_; }
    ImageEditor& editor() const { return env_.editor(); }

private:
    EditorEnvironment& env_;
};
