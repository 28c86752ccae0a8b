#pragma once

#include "RenderHarness.h"
#include "ScriptedPrompter.h"
#include "document/DataStore.h"
#include "editor/EditorEnvironment.h"
#include "editor/EditorState.h"
#include "editor/ImageEditor.h"
#include "texts/Messages.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

// A stand-in for the graphic kind: a plain rectangle of Width × Height dots
// from its anchor, counted against the graphic limit.
class TestGraphic : public Persistent<TestGraphic, ImageItem> {
public:
    static constexpr auto RecordName = "TestGraphic";
    static constexpr uint8_t TypeCode = ImageItem::GraphicTypeCode;

    uint8_t getTypeCode() const override { return TypeCode; }
    EdgeRect getScreenRect(DotCanvas& view) override;

protected:
    void initDefaults(int32_t currentFontNumber) override;
};

// The window around the editor states, as a test sees it: it records what
// the states ask of it and answers the property dialog with a script.
class FakeEnvironment : public EditorEnvironment {
public:
    FakeEnvironment(ImageEditor& editor, DataStore& data) : editor_(editor), data_(data) {}

    ImageEditor& editor() override { return editor_; }
    const DataStore& data() const override { return data_; }
    ItemLimits itemLimits() const override { return limits; }
    bool preview() const override { return false; }
    void showPosition(int32_t, int32_t) override {}
    void movePointerTo(QPoint imageDot) override { pointer.push_back(imageDot); }
    int editItem(ImageItem& item, int itemNumber) override;
    ImageItem* pickFromLabelStructure() override;
    void setUpdateTimerRunning(bool running) override { timerRunning = running; }

    ItemLimits limits{10, 2};
    // The property dialog: changes the item and answers its result (OK
    // when unset).
    std::function<int(ImageItem&)> edit;

    std::vector<QPoint> pointer;
    std::vector<int> editedNumbers;
    bool timerRunning = true;

private:
    ImageEditor& editor_;
    DataStore& data_;
};

// Copies of an image's items, to compare the list with later.
using ItemSnapshot = std::vector<std::unique_ptr<ImageItem>>;
ItemSnapshot snapshotOf(const ItemList& items);
// Same kinds in the same order, equal (IsEqual) with the same anchors,
// fonts and sizes.
::testing::AssertionResult sameItems(const ItemSnapshot& expected, const ItemList& items);

// An editor on the widest model (4000 × 256 dots) with the test fonts, its
// picture at zoom 1, a fake window around it, and a scripted prompter.
class EditorTest : public ::testing::Test {
protected:
    EditorTest();

    void zoom(double factor);
    // Items put straight into the list, as an opened file would.
    ImageItem& addText(int x, int y, int rotation = 0, const char* text = "HEH");
    ImageItem& addGraphic(int x, int y, int width, int height);
    // Mouse events to a state, in image dots.
    static void click(EditorState& state, Qt::MouseButton button, QPoint at);
    static void drag(EditorState& state, QPoint from, QPoint to);

    RenderHarness harness{2};
    ScriptedPrompter prompter;
    Messages messages;
    ImageEditor editor{harness.fonts, harness.models, prompter, messages};
    DataStore data{nullptr};
    FakeEnvironment env{editor, data};
};
