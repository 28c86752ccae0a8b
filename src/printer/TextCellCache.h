#pragma once

#include <QCache>
#include <QImage>
#include <QPoint>
#include <QString>

class QFont;
class QPainter;

// Pictures of drawn text, kept for the next redraw. Qt draws glyphs larger
// than 64 pixels from their outlines every time, which at the zooms of the
// editor costs more than the whole rest of a redraw; copying the text's ink
// from a kept picture gives the very same pixels at a fraction of the cost.
//
// Only middling sizes are kept: very large text copies slower than Qt draws
// it, and small text comes from Qt's own glyph cache.
class TextCellCache {
public:
    TextCellCache();

    // Draws as drawTextCell does (black text, cell's top-left at cellOrigin,
    // turned by rotation quarter turns counter-clockwise).
    void draw(QPainter& painter, const QFont& font, int rotation, QPoint cellOrigin,
              const QString& text);

private:
    // The text's ink cut to its bounds, and where that lies from the origin.
    struct Picture {
        QImage ink; // null when the text leaves no ink
        QPoint offset;
    };
    const Picture* find(const QFont& font, int rotation, const QString& text);

    QCache<QString, Picture> pictures_;
};
