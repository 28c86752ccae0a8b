// The placement rules of ImageEditor: what lies inside the restricted area,
// and pulling what does not back in.
#include "editor/ImageEditor.h"

#include "printer/FontRealizer.h"

#include <cmath>
#include <cstdlib>

namespace {

// Sets the display's area for as long as it lives; items measure their
// rectangles against the display's area.
class AreaTrial {
public:
    AreaTrial(DotCanvas& display, const DotRect& area)
        : display_(display), previous_(display.areaRect()) {
        display_.setAreaRect(area);
    }
    ~AreaTrial() { display_.setAreaRect(previous_); }
    AreaTrial(const AreaTrial&) = delete;
    AreaTrial& operator=(const AreaTrial&) = delete;

private:
    DotCanvas& display_;
    DotRect previous_;
};

// The pixels an extent [low, high] must move by to lie within [from, to].
// One that does not fit at all is put against one edge: its far edge
// (`towardsFar`, as across the image) or its near edge (as down it).
int shiftInto(int low, int high, int from, int to, bool towardsFar) {
    if (high - low > to - from)
        return towardsFar ? to - high : from - low;
    if (low < from)
        return from - low;
    if (high > to)
        return to - high;
    return 0;
}

// Whole dots that move a rectangle by at least that many pixels.
int dotsFor(int pixels, float scale) {
    if (pixels == 0)
        return 0;
    const int dots = std::max(1, int(std::ceil(std::abs(pixels) / double(scale) - 1e-9)));
    return pixels > 0 ? dots : -dots;
}

// Rounding at a zoom can leave an item a pixel short; a few more tries
// settle it.
constexpr int PullTries = 4;

} // namespace

EdgeRect ImageEditor::placementBox(ImageItem& item) {
    return item.FontBased ? item.capitalInkBox(display_) : item.getScreenRect(display_);
}

EdgeRect ImageEditor::placementRegion() const {
    // Its right and bottom edges are the last pixels before the margin, as
    // an item's rectangle ends with its own last pixels.
    const DotRect& a = display_.areaRect();
    const int32_t m = display_.margin();
    const QPoint topLeft = display_.dotsToScreen(a.Left + m, a.Top + m);
    const QPoint end = display_.dotsToScreen(a.Right - m, a.Bottom - m);
    return {topLeft.x(), topLeft.y(), end.x() - 1, end.y() - 1};
}

bool ImageEditor::isInsideArea(ImageItem& item) {
    const EdgeRect box = placementBox(item);
    const EdgeRect region = placementRegion();
    return box.Left >= region.Left && box.Right <= region.Right && box.Top >= region.Top &&
           box.Bottom <= region.Bottom;
}

bool ImageEditor::allItemsInside(const DotRect& area) {
    const AreaTrial trial(display_, area);
    for (int32_t i = 1; i <= items_.count(); ++i)
        if (!isInsideArea(*items_.at(i)))
            return false;
    return true;
}

bool ImageEditor::liesWithinImage(const DotRect& area) const {
    const int32_t margins = 2 * display_.margin();
    return area.Left >= 0 && area.Top >= 0 && area.Right <= imageWidth() &&
           area.Bottom <= imageHeight() && area.Right - area.Left >= margins &&
           area.Bottom - area.Top >= margins;
}

void ImageEditor::pullIntoArea(ImageItem& item) {
    for (int i = 0; i < PullTries; ++i) {
        const EdgeRect box = placementBox(item);
        const EdgeRect region = placementRegion();
        const int dx = shiftInto(box.Left, box.Right, region.Left, region.Right, true);
        const int dy = shiftInto(box.Top, box.Bottom, region.Top, region.Bottom, false);
        if (dx == 0 && dy == 0)
            return;
        const QPoint at = item.getPosition();
        item.setPosition(
            {at.x() + dotsFor(dx, display_.scaleX()), at.y() + dotsFor(dy, display_.scaleY())});
    }
}

void ImageEditor::alignBoxWith(ImageItem& item, QPoint dot) {
    // The anchor sits at the bottom of a text's capitals, not at a corner:
    // the box is measured where the item is and the anchor moved by the
    // difference.
    const EdgeRect box = placementBox(item);
    const QPoint want = display_.dotsToScreen(dot.x(), dot.y());
    const QPoint at = item.getPosition();
    item.setPosition({at.x() + roundHalfEven((want.x() - box.Left) / double(display_.scaleX())),
                      at.y() + roundHalfEven((want.y() - box.Top) / double(display_.scaleY()))});
}

bool ImageEditor::madeToFit(ImageItem& item) {
    if (isInsideArea(item))
        return true;
    pullIntoArea(item);
    return isInsideArea(item);
}
