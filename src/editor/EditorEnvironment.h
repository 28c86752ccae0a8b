#pragma once

#include <QPoint>

#include <cstdint>

class ImageEditor;
class ImageItem;
class DataStore;

// How many items an image may hold: those that are not graphics, and
// graphics, counted apart. Both come from the settings file; without one
// they stay 0, so nothing can be placed.
struct ItemLimits {
    std::uint32_t MaxItems = 0;
    std::uint32_t MaxGraphicItems = 0;
};

// What an editor state sees of the window it works in: the image being
// edited and the few things only the window can do (the status line, the
// mouse pointer, the property dialogs, the minute timer). States never see
// the main window itself, so they can be driven by a test's own environment.
class EditorEnvironment {
public:
    virtual ~EditorEnvironment() = default;

    virtual ImageEditor& editor() = 0;
    // The grid settings and the display units.
    virtual const DataStore& data() const = 0;
    virtual ItemLimits itemLimits() const = 0;
    // The whole image is fitted into the window; positions do not snap then.
    virtual bool preview() const = 0;

    // Shows an image position (dots, margin included) in the status line.
    virtual void showPosition(std::int32_t x, std::int32_t y) = 0;
    // The pointer has gone far enough from where the button went down to
    // drag what it holds (image positions); any move at all unless the
    // window knows better.
    virtual bool startsDrag(QPoint pressed, QPoint now) const { return pressed != now; }
    // Puts the mouse pointer onto an image position.
    virtual void movePointerTo(QPoint imageDot) = 0;
    // Runs the property dialog of the item's kind; itemNumber is the item's
    // 1-based position, or the count + 1 for a new item. Answers
    // QDialog::Accepted (1) when the edit was confirmed.
    virtual int editItem(ImageItem& item, int itemNumber) = 0;
    // The label structure dialog: the item the user picked to edit, or null.
    virtual ImageItem* pickFromLabelStructure() = 0;
    // The minute refresh pauses while the restricted area is being drawn.
    virtual void setUpdateTimerRunning(bool running) = 0;
};
