#pragma once
// What the history chart draws for the stretch of time on the screen: each
// balance as lines of at most a few points per column of the chart (the
// first, lowest, highest and last point of the column, so every peak and
// dip stays), broken where a card was never calculated, and the range of
// amounts the stretch reaches. Twenty years of cards are thousands of
// points to a few hundred columns: drawing only these keeps zooming and
// panning smooth, and it is computed from the points held, not the book.

#include <array>
#include <vector>

#include "charts/HistorySeries.h"
#include "charts/HistorySpan.h"

namespace kakeibo {

struct PlotPoint {
    double x = 0;  // the date
    double y = 0;  // the amount
    bool operator==(const PlotPoint&) const = default;
};

using PlotLine = std::vector<PlotPoint>;

struct HistoryView {
    // Per balance (indexed as kBalanceLines), its unbroken stretches.
    std::array<std::vector<PlotLine>, 4> lines;
    // The lowest and highest amount within the span; both 0 with no point.
    double low = 0;
    double high = 0;
};

// columns: how many columns the span is drawn in (at least 1). The point
// just before and just after the span are taken too, so the lines reach
// the chart's edges. A break narrower than a column is not drawn: it would
// not show, and a book with many would otherwise make many lines.
HistoryView historyView(const std::vector<HistoryPoint>& points, const DateSpan& span, int columns);

}  // namespace kakeibo
