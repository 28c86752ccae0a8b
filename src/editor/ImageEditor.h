#pragma once

#include "document/ItemList.h"
#include "editor/EditStepNames.h"
#include "printer/DotCanvas.h"

#include <QObject>
#include <QRect>
#include <QUndoStack>

#include <memory>

class Messages;
class Prompter;
class PrinterModels;
class FontSet;
class ItemTypeNames;

// The open image as the editor changes it: its items, the display they are
// drawn on, the selection, the internal clipboard item, the undo history and
// whether the image differs from its file.
//
// Every change of the image goes through an undoable command on undoStack();
// every change of the picture is announced with the screen rectangle that
// changed, so a view repaints no more than that. The picture (the display's
// bitmap) holds the items only: selection, grid and area are for the view to
// paint over it.
class ImageEditor : public QObject {
    Q_OBJECT
public:
    // Steps of history kept. Every step holds whole copies of the items it
    // changed (or, for a cut, the item itself), and graphic items carry
    // their bitmaps: a long session must not grow without bound. A hundred
    // steps is far more than anyone walks back through.
    static constexpr int UndoLimit = 100;

    ImageEditor(const FontSet& fonts, const PrinterModels& models, Prompter& prompter,
                const Messages& messages);
    ~ImageEditor() override;

    ItemList& items() { return items_; }
    const ItemList& items() const { return items_; }
    DotCanvas& display() { return display_; }
    const FontSet& fonts() const { return display_.fonts(); }
    Prompter& prompter() const { return prompter_; }
    // The message table refusals are shown from.
    const Messages& messages() const { return messages_; }
    QUndoStack& undoStack() { return undo_; }
    // The names the history gives its steps, and the item kinds' names they
    // take (the built-in English ones until set).
    void setStepNames(const EditStepNames& names, const ItemTypeNames& kindNames);
    const EditStepNames& stepNames() const { return stepNames_; }
    // A step's name for an item of the image ("Move text item").
    QString stepName(const QString& step, const ImageItem& item) const;

    // Frees every item, the clipboard item and the history, and sets the
    // display up for the selected printer model: the whole image is the
    // restricted area. The picture keeps its size until the view sets it.
    void newImage();
    // A new image holding the items of a loaded one (taken out of `loaded`),
    // on the display as the caller set it up for the file: its size and its
    // restricted area are the file's, not the model's.
    void replaceImage(ItemList& loaded);
    // The whole image in dots, both margins included.
    int32_t imageWidth() const;
    int32_t imageHeight() const;

    bool modified() const { return forcedModified_ || !undo_.isClean(); }
    // False also marks the current point of the history as the saved one.
    void setModified(bool modified);

    ImageItem* selectedItem() const { return selected_; }
    void select(ImageItem* item);
    // Selects the item after the selected one in the list (before it when
    // backwards), going round at the ends; the first (or last) item when
    // none is selected.
    void selectNext(bool backwards = false);
    const ImageItem* clipboardItem() const { return clipboard_.get(); }

    // The picture: its size in pixels (the scales follow from it), the
    // conversions between its pixels and image dots (to nearest, ties to
    // even), and its redrawing.
    void setPictureSize(QSize pixels);
    QSize pictureSize() const { return display_.bitmap().size(); }
    QPoint screenToImage(QPoint pixel) const;
    QPoint imageToScreen(QPoint dot) const;
    void refreshImage();
    // Erases the rectangle (a little more, for ink beyond an item's cell) and
    // redraws the items that reach into it.
    void redrawRect(const EdgeRect& rect);
    // Brings the time-dependent items up to date (the minute refresh).
    void refreshItems();

    // Placement rules. An item is inside when its rectangle (for text, the
    // band of its capitals) lies within the restricted area without its
    // margins, edges included.
    bool isInsideArea(ImageItem& item);
    // Every item would be inside this area.
    bool allItemsInside(const DotRect& area);
    // The area lies within the image, margins included, with no negative size.
    bool liesWithinImage(const DotRect& area) const;
    // Moves an item that lies outside the area back in; an item that fits
    // ends inside.
    void pullIntoArea(ImageItem& item);

    // Edits of the image. Each refusal is reported to the user and leaves the
    // image as it was; each change that happens is one undoable command.
    //
    // Takes a new item into the image unless it cannot be made to fit.
    bool placeItem(std::unique_ptr<ImageItem> item);
    // Moves an item and redraws what changed, pulling it back inside when the
    // move would take it out; true when it had to be pulled. Not recorded:
    // a drag records its whole move once, with recordChange.
    bool moveWithinArea(ImageItem& item, QPoint position);
    // Moves the selected item by a few dots, as a drag would; false when
    // nothing moved. Nudges of the same item in a row undo as one step.
    bool Nudge(int dx, int dy);
    // Records a change already made to an item (before: a copy from before).
    void recordChange(ImageItem& item, const ImageItem& before, const QString& text);
    // Keeps a change made to an item when the item can be made to lie inside
    // the area; otherwise restores it and reports the refusal.
    bool commitItemChange(ImageItem& item, const ImageItem& before, const QString& text);
    void cut();
    // The Delete key: a cut that the history names a deletion.
    void deleteItem();
    void copy();
    bool paste();
    void setJustification(int justification);
    void setFontNumber(int fontNumber);
    // Keeps the area drawn since `before` when every item lies inside it;
    // otherwise restores `before` and reports the refusal.
    bool commitArea(const DotRect& before);
    // A new area given by numbers.
    bool defineArea(const DotRect& area);

    // Unrecorded changes: what the commands replay, and the area while the
    // user draws it.
    void insertItem(int32_t index, std::unique_ptr<ImageItem> item);
    std::unique_ptr<ImageItem> takeItem(ImageItem& item);
    void setAreaRect(const DotRect& area);

signals:
    // The picture changed within these pixels; a null rectangle: all of it.
    void pictureChanged(const QRect& pixels);
    void selectionChanged();
    void clipboardChanged();
    void areaChanged();
    void modifiedChanged(bool modified);
    // The selected item was nudged (or held at the area's edge); its anchor.
    void nudged(QPoint position);

private:
    // The rectangle that must lie inside the area: for text, the band of its
    // capitals.
    EdgeRect placementBox(ImageItem& item);
    // The restricted area without its margins, on screen.
    EdgeRect placementRegion() const;
    // Moves an item so that its box starts at that dot.
    void alignBoxWith(ImageItem& item, QPoint dot);
    bool madeToFit(ImageItem& item);
    // Frees the items, the clipboard item and the history.
    void clearImage();
    // Appends a new item when it can be made to fit; otherwise reports it.
    bool addIfItFits(std::unique_ptr<ImageItem> item, const QString& text);
    void refuse(const QString& message);
    void cutAs(const QString& step);
    void noteModified();

    ItemList items_;
    DotCanvas display_;
    Prompter& prompter_;
    const Messages& messages_;
    QUndoStack undo_;
    ImageItem* selected_ = nullptr;
    std::unique_ptr<ImageItem> clipboard_;
    bool forcedModified_ = false;
    EditStepNames stepNames_;
    const ItemTypeNames* kindNames_;
    bool shownModified_ = false;
};
