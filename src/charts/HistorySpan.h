#pragma once
// The stretch of time the history chart shows: the ranges "1年", "5年" and
// "全期間" ending at the last point, and zooming and panning that keep the
// view on the history and never narrower than a week.

#include <vector>

#include "charts/HistorySeries.h"

namespace kakeibo {

struct DateSpan {
    Date from = 0;
    Date to = 0;
    double length() const { return to - from; }
    bool operator==(const DateSpan&) const = default;
};

enum class HistoryRange { OneYear, FiveYears, All };

// The narrowest view: a week, so a zoom never ends on a single day.
inline constexpr double kMinimumSpanDays = 7;

// From the first to the last point, at least kMinimumSpanDays wide (a short
// history is centred); nothing for no points.
std::optional<DateSpan> historyBounds(const std::vector<HistoryPoint>& points);

// The range ending at the last point: one or five calendar years back (29
// February going back to 28 February), never before the first point.
std::optional<DateSpan> historySpan(const std::vector<HistoryPoint>& points, HistoryRange range);

// span brought inside bounds: moved when it sticks out, cut when it is
// wider, widened to the minimum when narrower.
DateSpan clampSpan(DateSpan span, const DateSpan& bounds);

// Zoom by factor (below 1 narrows) around anchor, which stays where it is
// on the screen; then clamped.
DateSpan zoomSpan(const DateSpan& span, double factor, Date anchor, const DateSpan& bounds);

// Pan by days (negative: back in time); then clamped.
DateSpan panSpan(const DateSpan& span, double days, const DateSpan& bounds);

}  // namespace kakeibo
