#include "items/MultiLineTextItem.h"

#include "document/ItemTypeNames.h"
#include "persist/StreamHelpers.h"
#include "platform/Windows1252.h"
#include "printer/DotCanvas.h"
#include "printer/PrinterModels.h"

#include <QPainter>

#include <algorithm>
#include <string_view>

namespace {

// Far beyond any image: what a damaged file holds must not overflow the
// arithmetic of drawing.
constexpr int32_t LargestPixelLength = 1 << 24;

int32_t bounded(int64_t pixels) {
    return int32_t(std::clamp<int64_t>(pixels, 0, LargestPixelLength));
}

// Where a justification puts an anchor coordinate, for a window that spans
// [anchor + from, anchor + from + extent) on that axis of an area of the
// given start and length (margins included).
int32_t justifiedAnchor(int justification, int32_t start, int32_t length, int32_t margin,
                        int32_t from, int32_t extent) {
    switch (justification) {
    case 1:
        return start + margin - from;
    case 2:
        return start + (length - extent) / 2 - from;
    default:
        return start + length - margin - extent - from;
    }
}

EdgeRect intersected(const EdgeRect& a, const EdgeRect& b) {
    return {std::max(a.Left, b.Left), std::max(a.Top, b.Top), std::min(a.Right, b.Right),
            std::min(a.Bottom, b.Bottom)};
}

// A one-pixel black frame on the rectangle's edge pixels.
void frame(QPainter& canvas, const EdgeRect& r) {
    if (r.isEmpty())
        return;
    for (const EdgeRect& side :
         {EdgeRect{r.Left, r.Top, r.Right, r.Top}, EdgeRect{r.Left, r.Bottom, r.Right, r.Bottom},
          EdgeRect{r.Left, r.Top, r.Left, r.Bottom}, EdgeRect{r.Right, r.Top, r.Right, r.Bottom}})
        canvas.fillRect(side.toQRect(), Qt::black);
}

} // namespace

void MultiLineTextItem::load(ByteStream& s, const ClassRegistry& registry) {
    ImageItem::load(s, registry);
    WindowWidth = readLong(s);
    WindowHeight = readLong(s);
    LineGap = readLong(s);
    Text = readString(s);
    FontBased = false;
}

void MultiLineTextItem::store(ByteStream& s, const ClassRegistry& registry) const {
    ImageItem::store(s, registry);
    writeLong(s, WindowWidth);
    writeLong(s, WindowHeight);
    writeLong(s, LineGap);
    writeString(s, Text);
}

void MultiLineTextItem::initDefaults(int32_t currentFontNumber) {
    ImageItem::initDefaults(currentFontNumber);
    // The window, not the capitals, must lie inside the printable area.
    FontBased = false;
    AutoSize = true;
    ShowOutline = true;
}

QString MultiLineTextItem::getKindName(const ItemTypeNames& names) const {
    return names.MultilineItemType;
}

std::vector<std::string> MultiLineTextItem::lines() const {
    const std::string_view breakPair(LineBreak);
    std::vector<std::string> result;
    size_t from = 0;
    for (size_t at = Text.find(breakPair); at != std::string::npos;
         at = Text.find(breakPair, from)) {
        result.push_back(Text.substr(from, at - from));
        from = at + breakPair.size();
    }
    result.push_back(Text.substr(from));
    return result;
}

int MultiLineTextItem::lineAdvance(const DotCanvas& view) const {
    const int cell = Metrics.CellHeight;
    const int gap = roundHalfEven(double(LineGap) * double(view.scaleY()));
    return int(bounded(int64_t(cell) + std::max(gap, -cell)));
}

void MultiLineTextItem::computeWindowSize(DotCanvas& view) {
    const RealizedFont font = selectFont(view);
    const std::vector<std::string> all = lines();
    int longest = 0;
    for (const std::string& line : all)
        longest = std::max(longest, view.textAdvance(font.font, Windows1252::decode(line)));
    const int32_t block =
        bounded(int64_t(Metrics.CellHeight) + int64_t(all.size() - 1) * lineAdvance(view));
    const bool upright = (Rotation & 1) == 0;
    WindowWidth = roundHalfEven((upright ? longest : block) / double(view.scaleX()));
    WindowHeight = roundHalfEven((upright ? block : longest) / double(view.scaleY()));
    justify(view, Text);
}

void MultiLineTextItem::justify(DotCanvas& view, const std::string&) {
    if (Justification < 1 || Justification > 3)
        return;
    const int model = view.models().selectedIndex();
    if (model < 0 || model > 2)
        return;
    selectFont(view);
    // The first model justifies across the image, the others down it.
    const bool across = model == 0;
    const int32_t extent = std::max(0, across ? WindowWidth : WindowHeight);
    const int32_t ink =
        roundHalfEven(Metrics.InkBottom / double(across ? view.scaleX() : view.scaleY()));
    // The window's span from the anchor on that axis, in dots: the text cell
    // starts InkBottom against the way the letters' tops point, and a cell
    // that runs backwards on the axis lies before the anchor. Turned a
    // quarter back, the axis across the image is the one down it.
    const int turn = (Rotation + (across ? 3 : 0)) & 3;
    const int32_t inkShift[4] = {-ink, 0, ink, 0};
    const int32_t from = inkShift[turn] - (turn == 1 || turn == 2 ? extent : 0);
    const DotRect& area = view.areaRect();
    const int32_t start = across ? area.Left : area.Top;
    const int32_t length = across ? area.Right - area.Left : area.Bottom - area.Top;
    const int32_t anchor =
        justifiedAnchor(Justification, start, length, view.margin(), from, extent);
    setPosition(across ? QPoint(anchor, getY()) : QPoint(getX(), anchor));
}

int MultiLineTextItem::windowAlong(const DotCanvas& view) const {
    return (Rotation & 1) == 0 ? bounded(roundHalfEven(WindowWidth * double(view.scaleX())))
                               : bounded(roundHalfEven(WindowHeight * double(view.scaleY())));
}

int MultiLineTextItem::windowAcross(const DotCanvas& view) const {
    return (Rotation & 1) == 0 ? bounded(roundHalfEven(WindowHeight * double(view.scaleY())))
                               : bounded(roundHalfEven(WindowWidth * double(view.scaleX())));
}

EdgeRect MultiLineTextItem::windowRect(const DotCanvas& view) const {
    return textCellRect(Rotation, anchorCorner(view), windowAlong(view), windowAcross(view));
}

void MultiLineTextItem::draw(DotCanvas& view) {
    ImageItem::draw(view);
    if (AutoSize)
        computeWindowSize(view);
    else
        justify(view, Text);
    QPainter* canvas = view.canvas();
    if (!canvas)
        return;
    const RealizedFont font = selectFont(view);
    const EdgeRect window = windowRect(view);
    const int along = windowAlong(view);
    const int across = windowAcross(view);
    const int advance = lineAdvance(view);
    int64_t offset = 0;
    for (const std::string& line : lines()) {
        // Lines past the window's end show nothing.
        if (offset >= across)
            break;
        const QPoint origin = nextLineOrigin(Rotation, anchorCorner(view), int(offset));
        const EdgeRect cell =
            intersected(textCellRect(Rotation, origin, along, Metrics.CellHeight), window);
        if (!cell.isEmpty()) {
            canvas->save();
            canvas->setClipRect(cell.toQRect(), Qt::IntersectClip);
            view.drawText(font.font, Rotation, origin, Windows1252::decode(line));
            canvas->restore();
        }
        offset += advance;
    }
    if (ShowOutline)
        frame(*canvas, getScreenRect(view));
}

EdgeRect MultiLineTextItem::getScreenRect(DotCanvas& view) {
    selectFont(view);
    return anchoredCellRect(view, windowAlong(view), windowAcross(view));
}

void MultiLineTextItem::addToListView(int index, std::vector<ListViewRow>& rows,
                                      const ItemTypeNames& names) const {
    const QString kind = getKindName(names);
    int number = 0;
    for (const std::string& line : lines())
        rows.push_back(
            {QStringLiteral("%1.%2").arg(index).arg(++number), kind, Windows1252::decode(line)});
}

void MultiLineTextItem::compileRecord(std::vector<uint8_t>& record,
                                      const CompileContext& context) const {
    if (!context.knownModel())
        return;
    ImageItem::compileRecord(record, context);
    const auto width = uint16_t(WindowWidth);
    const auto height = uint16_t(WindowHeight);
    record.insert(record.end(), {uint8_t(width & 0xFF), uint8_t(width >> 8), uint8_t(height & 0xFF),
                                 uint8_t(height >> 8), uint8_t(LineGap & 0xFF)});
    record.insert(record.end(), Text.begin(), Text.end());
    record.push_back(0x00);
}

bool MultiLineTextItem::holdsFieldEnd() const {
    return Text.find('\0') != std::string::npos;
}
