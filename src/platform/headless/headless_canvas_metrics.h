#pragma once
// A fixed cell grid: every font gets the same metrics (8 x 16 pixels by default).
#include "platform/canvas_metrics.h"

class THeadlessCanvasMetrics : public TCanvasMetrics {
public:
    TTextMetrics TextMetrics(const TFont&) const override { return Metrics; }
    TTextMetrics Metrics{16, 0, 8, true};
};
