#pragma once

#include "editor/MStates.h"
#include "items/TextItems.h"

// The placing state of each item kind that can be placed so far.
using MTextItemState = MItemState<TextItem>;
