#pragma once

#include "editor/EditorEnvironment.h"
#include "editor/EditorState.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <typeinfo>

struct ItemKind;

struct AppContext;
class IniFile;
class QScrollArea;
class ItemListDialog;
class ImageWidget;
class ItemPropertyDialogs;
class RestrictedAreaDialog;
class Ruler;
class QWheelEvent;
struct SurfaceOverlay;

// The editing surface of the main window: the picture of the image
// (ClientImage) in its scroll box (ImageScrollBox) between two rulers
// (HRuler1, VRuler1). It owns the image being edited and the current editor
// state, turns mouse events into image coordinates for the state, and keeps
// the zoom. It is the environment the editor states work in.
//
// What the main window shows of it (status line, buttons) leaves it as
// signals; the main window's editing commands call it.
class EditingSurface : public QWidget, public EditorEnvironment {
    Q_OBJECT
public:
    static constexpr int MaxZoomLevel = 7;
    // The factor of each zoom level: 50 %, 100 %, 150 %, 200 %, then the
    // dot-level zooms 300 %, 400 %, 600 % and 800 %.
    static double zoomFactor(int level);
    // Up to this factor the picture is drawn at the zoom; beyond it, it is
    // drawn at one pixel per dot and every dot shown as a square.
    static constexpr double MaxDrawnFactor = 2.0;

    // settings: the open settings file (dialog positions and texts), or null.
    EditingSurface(AppContext& context, const IniFile* settings, QWidget* parent = nullptr);
    ~EditingSurface() override;

    EditorState& State() const { return *state_; }
    // Installs a fresh state of class S unless the current one is of that
    // very class.
    template <class S> void selectState() {
        const EditorState& current = *state_;
        if (typeid(current) != typeid(S))
            state_ = std::make_unique<S>(static_cast<EditorEnvironment&>(*this));
    }
    // Installs the placing state of kind unless it is current already. A
    // kind the image does not let be placed now is refused with its message,
    // and the select state comes back.
    void selectPlaceState(const ItemKind& kind);
    void setItemLimits(ItemLimits limits) { limits_ = limits; }
    ItemPropertyDialogs& propertyForms() const { return *propertyForms_; }

    // Zoom: a level (0 … MaxZoomLevel), one level in or out (nothing beyond
    // the ends), or the whole image fitted into the scroll box for as long as
    // preview stays chosen. applyZoomLevel leaves the scroll position as it
    // is; chooseZoomLevel, zoomIn and zoomOut keep the dot in the middle of
    // the view where it is.
    void applyZoomLevel(int level);
    void chooseZoomLevel(int level);
    void zoomIn();
    void zoomOut();
    void showPreview();
    // The whole image in the view, at the largest zoom that shows all of it
    // (dot-level zooms in whole steps), for editing as at any level: unlike
    // preview it shows the grid, snaps, and stays when the window is resized.
    void zoomToFit();
    // Zooms by a number of levels (in when positive) about a point of the
    // scroll box's viewport: the dot under that point stays under it.
    void zoomAbout(int levels, QPoint viewportPixel);
    // The zoom level, or -1 when the image was fitted into the view.
    int zoomLevel() const { return zoomLevel_; }
    // Screen pixels per dot.
    double zoomX() const { return zoomX_; }
    double zoomY() const { return zoomY_; }
    // The image dot under a pixel of the scroll box's viewport.
    QPoint dotAtViewport(QPoint viewportPixel) const;

    // After a new image: 100 %, select state, the area shown.
    void imageReset();
    // The grid settings or the display units changed.
    void viewSettingsChanged();
    void showRulers(bool shown);
    // Where the scroll box shows the picture from: its scroll position, and
    // the place of the picture in the scrolled content (what lies before
    // it), both in the picture's pixels (the display's bitmap).
    QPoint scrollPosition() const;
    QPoint pictureOffset() const;

    // Places a graphic item showing the picture of a Windows bitmap file with
    // its top-left corner at an image dot, as the file dropped there asks.
    void placeDroppedBitmap(const QString& path, QPoint imageDot);

    // The selected item's property dialog, as a right click opens it.
    void editSelectedItem();

    // The restricted area typed in its dialog, and the item list dialog.
    void defineAreaByNumbers();
    void showItemList();

    // The label structure dialog, once it exists: the item the user picked
    // to edit, or null. Until it is set a right click beside every item
    // shows nothing.
    std::function<ImageItem*()> labelStructureDialog;
    // Puts the mouse pointer onto a screen position (tests replace it).
    std::function<void(QPoint global)> movePointer;

    // EditorEnvironment
    ImageEditor& editor() override { return *editor_; }
    const DataStore& data() const override;
    ItemLimits itemLimits() const override { return limits_; }
    bool preview() const override { return preview_; }
    void showPosition(int32_t x, int32_t y) override;
    bool startsDrag(QPoint pressed, QPoint now) const override;
    void movePointerTo(QPoint imageDot) override;
    int editItem(ImageItem& item, int itemNumber) override;
    ImageItem* pickFromLabelStructure() override;
    void setUpdateTimerRunning(bool running) override;

signals:
    // The status line: the pointer's position and the restricted area, in
    // the display unit (the main window puts the captions before them).
    void positionShown(const QString& x, const QString& y);
    void areaShown(const QString& area);
    void updateTimerWanted(bool running);
    // A mouse-up put the select state back.
    void returnedToSelect();
    // The zoom changed: the level (-1 when fitted), or preview.
    void zoomShown(int level, bool preview);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void connectEditor();
    void onMouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pixel);
    void onMouseMoved(Qt::KeyboardModifiers shift, QPoint pixel);
    void onMouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint pixel);
    void onDoubleClick(QPoint pixel);
    void returnToSelect();

    // EditingSurface_View.cpp
    // The picture drawn at a scale and shown magnified; its size rounded, or
    // cut down so that it surely fits into the view.
    void setPicture(double scale, int magnification, bool cutDown);
    void fitPreview();
    // The level that many steps away from the current zoom.
    int steppedLevel(int levels) const;
    void zoomTo(int level, QPoint viewportPixel);
    QPoint viewportCentre() const;
    void wheelTurned(QWheelEvent& wheel, QPoint viewportPixel);
    void layOutRulers();
    SurfaceOverlay overlay() const;
    void repaintPicture(const QRect& pixels);
    void showAreaText();

    AppContext& context_;
    std::unique_ptr<ImageEditor> editor_;
    std::unique_ptr<EditorState> state_;
    ItemLimits limits_;
    int zoomLevel_ = 1;
    bool preview_ = false;
    double zoomX_ = 1.0, zoomY_ = 1.0;
    int wheelTurn_ = 0; // of the wheel with Ctrl, not yet a whole step

    Ruler* hRuler_ = nullptr;
    Ruler* vRuler_ = nullptr;
    QScrollArea* scrollBox_ = nullptr;
    ImageWidget* clientImage_ = nullptr;
    ItemPropertyDialogs* propertyForms_ = nullptr;
    RestrictedAreaDialog* areaForm_ = nullptr;
    ItemListDialog* itemList_ = nullptr;
};
