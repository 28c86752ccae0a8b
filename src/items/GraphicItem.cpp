#include "items/GraphicItem.h"

#include "document/ItemTypeNames.h"
#include "items/MonoBitmap.h"
#include "persist/StreamHelpers.h"
#include "platform/TolvError.h"
#include "texts/Messages.h"

#include <utility>

namespace {

// The most a compiled picture (its size and row groups) may take.
constexpr size_t MaxCodeSize = 0xFFFF;
// The repeat byte of a row group counts at most this many further rows.
constexpr uint8_t MaxRepeat = 0xFF;

// The run list of one row: pairs of (white, black) run lengths of at most
// 255 dots each. A black run after a white one starts two places on, so
// that an empty pair stands between them, as the handheld's code has it.
std::vector<uint8_t> rowRuns(const QImage& dots, int y) {
    const int width = dots.width();
    std::vector<uint8_t> runs(size_t(3) * size_t(width) + 4, 0);
    size_t cursor = width > 0 && MonoBitmap::isDot(dots, 0, y) ? 1 : 0;
    size_t length = 2;
    const auto startRun = [&](size_t step) {
        cursor += step;
        runs[cursor] = 1;
        length += 2;
    };
    for (int x = 0; x < width; ++x) {
        const bool black = MonoBitmap::isDot(dots, x, y);
        const bool onBlack = cursor % 2 == 1;
        if (black && !onBlack) {
            startRun(3);
        } else if (!black && onBlack) {
            startRun(1);
        } else if (runs[cursor] < 255) {
            ++runs[cursor];
        } else {
            // A run longer than a byte goes on after an empty run of the
            // other colour.
            runs[cursor + 1] = 0;
            if (!black)
                runs[cursor + 3] = 0;
            startRun(2);
        }
    }
    runs.resize(length);
    return runs;
}

void appendWord(std::vector<uint8_t>& out, int32_t value) {
    out.push_back(uint8_t(value & 0xFF));
    out.push_back(uint8_t((value >> 8) & 0xFF));
}

// Width, height and the row groups. A run of identical rows longer than the
// repeat byte counts is continued by a new group with the same run list, so
// that the count never wraps to a smaller number.
std::vector<uint8_t> compiledDots(const QImage& dots, int32_t width, int32_t height) {
    std::vector<uint8_t> out;
    appendWord(out, width);
    appendWord(out, height);
    std::vector<uint8_t> previous;
    size_t lastGroup = 0;
    for (int y = 0; y < dots.height(); ++y) {
        std::vector<uint8_t> runs = rowRuns(dots, y);
        if (y > 0 && runs == previous && out[lastGroup] < MaxRepeat) {
            ++out[lastGroup];
            continue;
        }
        if (out.size() > MaxCodeSize)
            break;
        lastGroup = out.size();
        out.push_back(0);
        out.insert(out.end(), runs.begin(), runs.end());
        previous = std::move(runs);
    }
    if (out.size() > MaxCodeSize)
        throw TolvError(Messages::GraphicCompressionMemoryError.toStdString());
    return out;
}

} // namespace

int64_t GraphicItem::storedSize(int32_t width, int32_t height) {
    if (width < 0 || height < 0 || width > MaxSide || height > MaxSide)
        throw TolvError("Invalid graphic size " + std::to_string(width) + " x " +
                        std::to_string(height) + " in item record");
    return MonoBitmap::packedSize(width, height);
}

QImage GraphicItem::readDots(ByteStream& s, int32_t width, int32_t height) {
    const int64_t size = storedSize(width, height);
    if (size > int64_t(s.size()) - s.position())
        throw TolvError("Graphic item record ends before its " + std::to_string(width) + " x " +
                        std::to_string(height) + " dots");
    std::vector<uint8_t> bytes(size_t(size), 0);
    readExactly(s, bytes.data(), int32_t(size));
    return MonoBitmap::unpacked(bytes.data(), width, height);
}

void GraphicItem::load(ByteStream& s, const ClassRegistry& registry) {
    ImageItem::load(s, registry);
    Bitmap = readDots(s, Width, Height);
    FontBased = false;
}

void GraphicItem::store(ByteStream& s, const ClassRegistry& registry) const {
    ImageItem::store(s, registry);
    const std::vector<uint8_t> bytes = MonoBitmap::packed(dots());
    writeExactly(s, bytes.data(), int32_t(bytes.size()));
}

bool GraphicItem::isEqual(const PersistentObject& other) const {
    if (!Persistent::isEqual(other))
        return false;
    const auto& that = static_cast<const GraphicItem&>(other);
    return Width == that.Width && Height == that.Height &&
           MonoBitmap::packed(dots()) == MonoBitmap::packed(that.dots());
}

QString GraphicItem::getKindName(const ItemTypeNames& names) const {
    return names.GraphicItemType;
}

void GraphicItem::initDefaults(int32_t currentFontNumber) {
    ImageItem::initDefaults(currentFontNumber);
    takeBitmap(MonoBitmap::blank(NewSide, NewSide));
}

QImage GraphicItem::dots() const {
    return MonoBitmap::stretched(Bitmap, Width, Height);
}

void GraphicItem::takeBitmap(const QImage& dots) {
    Bitmap = dots;
    Width = dots.width();
    Height = dots.height();
    Rotation = 0;
    FontBased = false;
}

void GraphicItem::setRotation(uint8_t rotation) {
    const int turns = (int(rotation) - int(Rotation)) & 3;
    Bitmap = MonoBitmap::turned(Bitmap, turns);
    if (turns % 2 == 1)
        std::swap(Width, Height);
    Rotation = rotation;
}

void GraphicItem::justify(DotCanvas& view, const std::string&) {
    justifyPicture(view, Width, Height);
}

EdgeRect GraphicItem::getScreenRect(DotCanvas& view) {
    return pictureScreenRect(view, Width, Height);
}

void GraphicItem::draw(DotCanvas& view) {
    justify(view, {});
    drawPicture(view);
}

void GraphicItem::compileRecord(std::vector<uint8_t>& record, const CompileContext& context) const {
    if (!context.knownModel())
        return;
    const std::vector<uint8_t> code = compiledDots(dots(), Width, Height);
    ImageItem::compileRecord(record, context);
    record.insert(record.end(), code.begin(), code.end());
}
