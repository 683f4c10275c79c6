#pragma once
// Where the arranging commands of the Window menu put n main windows inside the work
// area: a grid, a stack from top to bottom, a row from left to right and a cascade.
// Each layout gives one rectangle per window, in the order the windows are placed, or
// none when a tile would be smaller than the minimum.
#include "platform/desktop.h"

#include <vector>

constexpr int MinimumTileWidth = 120;
constexpr int MinimumTileHeight = 140;

struct TGridShape {
    int Columns = 0, Rows = 0;
};

// The grid for Count windows: the fewest columns whose square holds Count, and the fewest
// rows of that many columns that hold Count.
TGridShape GridShape(int Count);

// Row by row from the work area's top-left corner; the last column takes the width
// remainder and the last row the height remainder.
std::vector<TWindowRect> GridLayout(const TWindowRect& WorkArea, int Count);
// Full width, one below the other; the last takes the height remainder.
std::vector<TWindowRect> StackedLayout(const TWindowRect& WorkArea, int Count);
// Full height, left to right; the last takes the width remainder.
std::vector<TWindowRect> SideBySideLayout(const TWindowRect& WorkArea, int Count);
// Three quarters of the width by eighteen twenty-fifths of the height (each of a whole
// number of quarters and twenty-fifths), each window Step right of and below the one
// before; a window that would reach past 10 pixels inside the right or bottom edge starts
// again at the top-left corner.  The first rectangle is for the bottommost window.  Never
// empty for Count > 0.
std::vector<TWindowRect> CascadeLayout(const TWindowRect& WorkArea, int Count, int Step);
