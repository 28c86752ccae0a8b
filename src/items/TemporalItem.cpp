#include "items/TemporalItem.h"

void TemporalItem::refresh(DotCanvas& view) {
    erase(view);
    draw(view);
}
