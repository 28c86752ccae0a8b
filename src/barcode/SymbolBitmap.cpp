#include "barcode/SymbolBitmap.h"

#include "platform/Windows1252.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <mutex>
#include <optional>

namespace {

// A symbol of a few thousand modules at the widest module stays far below
// this; a damaged file can ask for more.
constexpr int64_t MaxDots = int64_t(1) << 30;

// The human-readable line is drawn with DejaVu Sans at 25 pixels without
// antialiasing: the bitmap holds one bit a dot, so every pixel of a glyph is
// either ink or not, as on the print head.
QFont humanReadableFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(25);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setKerning(false);
    return font;
}

// A glyph as the runs of black dots it covers, relative to the pen position
// on the top of the line.
struct Glyph {
    struct Run {
        int x;
        int y;
        int width;
    };
    std::vector<Run> runs;
    qreal advance = 0;
};

// The glyphs of the 256 byte values, drawn once each on first use. Drawing a
// line is then copying runs, which keeps rendering a symbol cheap enough to
// redo on every change.
class GlyphCache {
public:
    static GlyphCache& instance() {
        static GlyphCache cache;
        return cache;
    }

    int lineHeight() {
        std::lock_guard lock(mutex_);
        ensureMetrics();
        return lineHeight_;
    }

    const Glyph& glyph(uint8_t byte) {
        std::lock_guard lock(mutex_);
        ensureMetrics();
        std::optional<Glyph>& slot = glyphs_[byte];
        if (!slot)
            slot = draw(byte);
        return *slot;
    }

private:
    void ensureMetrics() {
        if (lineHeight_ >= 0)
            return;
        const QFontMetricsF metrics(font_);
        lineHeight_ = int(std::ceil(metrics.height()));
        ascent_ = metrics.ascent();
    }

    Glyph draw(uint8_t byte) const {
        const QString text = Windows1252::decode(std::string(1, char(byte)));
        Glyph glyph;
        glyph.advance = QFontMetricsF(font_).horizontalAdvance(text);
        // Room for glyphs that reach beyond their advance or the line.
        const int pad = lineHeight_;
        QImage scratch(int(std::ceil(glyph.advance)) + 2 * pad, lineHeight_ + 2 * pad,
                       QImage::Format_RGB32);
        scratch.fill(Qt::white);
        {
            QPainter painter(&scratch);
            painter.setFont(font_);
            painter.setPen(Qt::black);
            painter.drawText(QPointF(pad, pad + ascent_), text);
        }
        for (int y = 0; y < scratch.height(); ++y) {
            const auto* line = reinterpret_cast<const QRgb*>(scratch.constScanLine(y));
            for (int x = 0; x < scratch.width();) {
                if (qGray(line[x]) >= 128) {
                    ++x;
                    continue;
                }
                const int start = x;
                while (x < scratch.width() && qGray(line[x]) < 128)
                    ++x;
                glyph.runs.push_back({start - pad, y - pad, x - start});
            }
        }
        return glyph;
    }

    std::mutex mutex_;
    QFont font_ = humanReadableFont();
    int lineHeight_ = -1;
    qreal ascent_ = 0;
    std::array<std::optional<Glyph>, 256> glyphs_;
};

void setBits(uint8_t* line, int from, int to) {
    // Format_Mono: the leftmost dot is the most significant bit.
    if (from >= to)
        return;
    const int firstByte = from / 8;
    const int lastByte = (to - 1) / 8;
    const auto head = uint8_t(0xFF >> (from % 8));
    const auto tail = uint8_t(0xFF << (7 - (to - 1) % 8));
    if (firstByte == lastByte) {
        line[firstByte] |= head & tail;
        return;
    }
    line[firstByte] |= head;
    std::memset(line + firstByte + 1, 0xFF, size_t(lastByte - firstByte - 1));
    line[lastByte] |= tail;
}

} // namespace

DotRow::DotRow(int width) : width_(std::max(width, 0)), bytes_(size_t((width_ + 7) / 8), 0) {}

void DotRow::fill(int x, int width) {
    setBits(bytes_.data(), std::clamp(x, 0, width_), std::clamp(x + width, 0, width_));
}

SymbolBitmap::SymbolBitmap(int width, int height) {
    if (width <= 0 || height <= 0 || int64_t(width) * height > MaxDots)
        return;
    image_ = QImage(width, height, QImage::Format_Mono);
    if (image_.isNull())
        return;
    image_.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image_.fill(0);
}

void SymbolBitmap::fillRows(const DotRow& row, int y, int height) {
    const int top = std::max(y, 0);
    const int bottom = std::min(y + height, image_.height());
    if (top >= bottom)
        return;
    const size_t count = std::min(row.bytes().size(), size_t(image_.bytesPerLine()));
    const uint8_t* __restrict source = row.bytes().data();
    uint8_t* bits = image_.bits(); // detached once, not once a line
    for (int line = top; line < bottom; ++line) {
        uint8_t* __restrict target = bits + qsizetype(line) * image_.bytesPerLine();
        for (size_t i = 0; i < count; ++i)
            target[i] |= source[i];
    }
}

void SymbolBitmap::fill(int x, int y, int width, int height) {
    DotRow row(image_.width());
    row.fill(x, width);
    fillRows(row, y, height);
}

void SymbolBitmap::drawText(int x, int y, const std::string& text) {
    if (image_.isNull())
        return;
    GlyphCache& cache = GlyphCache::instance();
    uint8_t* bits = image_.bits();
    const qsizetype stride = image_.bytesPerLine();
    qreal pen = 0;
    for (char c : text) {
        const Glyph& glyph = cache.glyph(uint8_t(c));
        const int left = x + int(std::lround(pen));
        for (const Glyph::Run& run : glyph.runs) {
            const int line = y + run.y;
            if (line < 0 || line >= image_.height())
                continue;
            setBits(bits + line * stride, std::clamp(left + run.x, 0, image_.width()),
                    std::clamp(left + run.x + run.width, 0, image_.width()));
        }
        pen += glyph.advance;
    }
}

QImage SymbolBitmap::finish(bool turned) && {
    if (turned && !image_.isNull())
        return image_.mirrored(true, true);
    return std::move(image_);
}

int SymbolBitmap::textHeight() {
    return GlyphCache::instance().lineHeight();
}

int SymbolBitmap::textWidth(const std::string& text) {
    GlyphCache& cache = GlyphCache::instance();
    qreal width = 0;
    for (char c : text)
        width += cache.glyph(uint8_t(c)).advance;
    return int(std::lround(width));
}
