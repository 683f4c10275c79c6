#pragma once
// The cell metrics a text view takes from its font.  Every cell of the view has the same
// width, so the metrics of one font are all the control needs to lay out rows, place the
// caret and map the pointer to positions; no text is measured while painting.
#include "base/font.h"

// The text metrics of a font: cell height (Height + ExternalLeading) and the average
// character width of one single-byte cell.
struct TTextMetrics {
    int Height = 0;
    int ExternalLeading = 0;
    int AveCharWidth = 0;
    bool FixedPitch = true;
};

class TCanvasMetrics {
public:
    virtual ~TCanvasMetrics() = default;
    virtual TTextMetrics TextMetrics(const TFont& Font) const = 0;
};
