#include "charts/HistorySpan.h"

#include <algorithm>

namespace kakeibo {

namespace {

DateSpan widened(DateSpan span, double minimum) {
    if (span.length() >= minimum) return span;
    const double middle = (span.from + span.to) / 2;
    return DateSpan{middle - minimum / 2, middle + minimum / 2};
}

// The same day years back; a day the target month lacks (29 February)
// becomes that month's last.
Date yearsBack(Date date, int years) {
    const Ymd ymd = splitDate(date);
    const int year = ymd.year - years;
    const int day = std::min(ymd.day, getDaysInMonth(year, ymd.month));
    return makeDate(year, ymd.month, day).value_or(date - 365.0 * years);
}

}  // namespace

std::optional<DateSpan> historyBounds(const std::vector<HistoryPoint>& points) {
    if (points.empty()) return std::nullopt;
    return widened(DateSpan{points.front().date, points.back().date}, kMinimumSpanDays);
}

std::optional<DateSpan> historySpan(const std::vector<HistoryPoint>& points, HistoryRange range) {
    const std::optional<DateSpan> bounds = historyBounds(points);
    if (!bounds || range == HistoryRange::All) return bounds;
    const Date last = points.back().date;
    const Date from = yearsBack(last, range == HistoryRange::OneYear ? 1 : 5);
    return clampSpan(DateSpan{from, last}, *bounds);
}

DateSpan clampSpan(DateSpan span, const DateSpan& bounds) {
    if (span.to < span.from) std::swap(span.from, span.to);
    span = widened(span, kMinimumSpanDays);
    if (span.length() >= bounds.length()) return bounds;
    if (span.from < bounds.from) span = DateSpan{bounds.from, bounds.from + span.length()};
    if (span.to > bounds.to) span = DateSpan{bounds.to - span.length(), bounds.to};
    return span;
}

DateSpan zoomSpan(const DateSpan& span, double factor, Date anchor, const DateSpan& bounds) {
    if (!(factor > 0) || !(span.length() > 0)) return clampSpan(span, bounds);
    // Narrowed to the minimum by the factor, so the anchor keeps its place.
    factor = std::max(factor, kMinimumSpanDays / span.length());
    anchor = std::clamp(anchor, span.from, span.to);
    return clampSpan(DateSpan{anchor - (anchor - span.from) * factor, anchor + (span.to - anchor) * factor}, bounds);
}

DateSpan panSpan(const DateSpan& span, double days, const DateSpan& bounds) {
    return clampSpan(DateSpan{span.from + days, span.to + days}, bounds);
}

}  // namespace kakeibo
