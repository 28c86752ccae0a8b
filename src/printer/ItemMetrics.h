#pragma once

#include <cstdint>

// Where the capital letters of an item's realised font lie inside its text
// cell, with what the measurement was made for. The display fills it; each
// item keeps one so that measuring happens only when something changed.
struct ItemMetrics {
    int32_t Rotation = 0;
    int32_t FontNumber = 0;
    int32_t CellHeight = 0; // height of the text cell of "E", pixels
    int32_t PointSize = 0;  // canvas point size of the font measured
    // Both from the edge of the cell that faces the top of the letters, pixels.
    int32_t InkBottom = 0;
    int32_t InkTop = 0;

    bool operator==(const ItemMetrics&) const = default;
};
