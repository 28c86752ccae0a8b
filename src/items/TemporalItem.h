#pragma once

#include "document/ImageItem.h"

// The base of the kinds that show the moment of printing: the date, the time
// and the shift code. Refreshing erases the item and draws it again, so that
// what it shows follows the clock (the main window refreshes every item when
// the minute changes).
class TemporalItem : public ImageItem {
public:
    void refresh(DotCanvas& view) override;
};
