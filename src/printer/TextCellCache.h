#pragma once

#include "printer/InkPicture.h"

#include <QCache>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPoint>
#include <QString>

class QPainter;

// Pictures of drawn text, kept for the next redraw. Qt draws glyphs larger
// than 64 pixels from their outlines every time, which at the zooms of the
// editor costs more than the whole rest of a redraw; writing the black runs
// of a kept picture gives the very same pixels at a fraction of the cost.
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
    // How far the font advances over text, as QFontMetrics says, kept too:
    // measuring lays the text out anew each time.
    int advance(const QFont& font, const QString& text);

private:
    struct Key {
        QFont font;
        int rotation;
        QString text;
        bool operator==(const Key&) const = default;
    };
    friend size_t qHash(const Key& key, size_t seed) {
        return qHashMulti(seed, key.font, key.rotation, key.text);
    }

    // The text's ink cut to its bounds, and where that lies from the origin.
    struct Picture {
        QImage ink; // null when the text leaves no ink
        QPoint offset;
        InkPicture black; // ink's runs of black, when kept
        bool blackKept = false;
    };
    const Picture* find(const QFont& font, int rotation, const QString& text);

    QCache<Key, Picture> pictures_;
    QHash<Key, int> advances_; // rotation 0
};
