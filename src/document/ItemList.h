#pragma once

#include "document/ImageItem.h"
#include "persist/PersistentList.h"

#include <QStringList>

#include <bitset>

class ClassRegistry;
class DotCanvas;
class Messages;
class Prompter;

// The items of one image, in image order, 1-based. It admits only items:
// anything else is refused with the WrongObjectError message (shown through
// the prompter, when there is one) and the list stays as it was.
//
// The open image keeps one list for its whole life; a new or opened image
// empties it rather than replacing it.
class ItemList : public Persistent<ItemList, PersistentList> {
public:
    static constexpr auto RecordName = "ImagePList";

    ItemList() = default;
    ItemList(Prompter& prompter, const Messages& messages)
        : prompter_(&prompter), messages_(&messages) {}

    void setPrompter(Prompter* prompter) { prompter_ = prompter; }

    std::unique_ptr<PersistentObject> put(int32_t index,
                                          std::unique_ptr<PersistentObject> element) override;
    bool append(std::unique_ptr<PersistentObject> element) override;
    bool insertFirst(std::unique_ptr<PersistentObject> element) override;

    // The item at 1-based index; null outside 1 .. Count.
    ImageItem* at(int32_t index) const;
    // The typeIndex of the item at index; -1 when there is none.
    int typeIndex(int32_t index) const;

    void drawAll(DotCanvas& view);
    // Puts every item where the image at full size (one dot, one pixel)
    // shows it: a justified item moves to its edge of the view's area.
    // Nothing is drawn. The handheld is given the image laid out so, by
    // the designer and the command line alike, so it prints what was shown.
    void layOutAtFullSize(DotCanvas& view);
    // Of the items hit at the dot (x, y), the one whose anchor is nearest;
    // the earlier item on a tie; null when none is hit.
    ImageItem* findNearestHit(DotCanvas& view, int32_t x, int32_t y);
    void compileAll(DownloadBuffer& buffer, const CompileContext& context) const;
    void refreshAll(DotCanvas& view);
    int countGraphics() const;
    std::vector<ListViewRow> listViewRows(const ItemTypeNames& names) const;
    // Whitens the whole picture (within the canvas's clip).
    void eraseImage(DotCanvas& view) const;
    // Whitens the whole picture and draws every item on it: the same as
    // eraseImage and drawAll, faster on a bitmap. There the pictures' black
    // is written row by row just after the white under it, while it is
    // still in the processor's cache, and the other items follow.
    // Every item only darkens what is below, so the order does not matter.
    void redrawWhole(DotCanvas& view);
    // For each item whose typeIndex is in typeIndexes, a line "code  position
    // code XPOS x YPOS y" with the position without the margin.
    void structureListing(std::bitset<16> typeIndexes, QStringList& lines) const;

private:
    bool admits(const PersistentObject* element) const;

    Prompter* prompter_ = nullptr;
    const Messages* messages_ = nullptr;
};

// Registers ImageItem and ItemList.
void registerDocumentClasses(ClassRegistry& registry);
