#include "charts/HistoryView.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kakeibo {

namespace {

// The points of one column in the order they come: first, lowest, highest
// and last, each once.
class ColumnPicker {
public:
    void add(std::size_t index, double y) {
        if (count_++ == 0) {
            first_ = low_ = high_ = last_ = index;
            lowY_ = highY_ = y;
            return;
        }
        if (y < lowY_) low_ = index, lowY_ = y;
        if (y > highY_) high_ = index, highY_ = y;
        last_ = index;
    }
    bool empty() const { return count_ == 0; }
    void flushInto(std::vector<std::size_t>& picked) {
        if (count_ == 0) return;
        std::array<std::size_t, 4> chosen = {first_, low_, high_, last_};
        std::sort(chosen.begin(), chosen.end());
        for (std::size_t i = 0; i < chosen.size(); ++i) {
            if (i == 0 || chosen[i] != chosen[i - 1]) picked.push_back(chosen[i]);
        }
        count_ = 0;
    }

private:
    std::size_t count_ = 0;
    std::size_t first_ = 0, low_ = 0, high_ = 0, last_ = 0;
    double lowY_ = 0, highY_ = 0;
};

}  // namespace

HistoryView historyView(const std::vector<HistoryPoint>& points, const DateSpan& span, int columns) {
    HistoryView view;
    if (points.empty()) return view;
    columns = std::max(columns, 1);
    const auto byDate = [](const HistoryPoint& p, Date d) { return p.date < d; };
    auto first = std::lower_bound(points.begin(), points.end(), span.from, byDate);
    auto past = std::upper_bound(points.begin(), points.end(), span.to,
                                 [](Date d, const HistoryPoint& p) { return d < p.date; });
    const bool anyWithin = first != past;
    // One point on each side, so the lines run on to the edges.
    if (first != points.begin()) --first;
    if (past != points.end()) ++past;

    const double width = span.length() > 0 ? span.length() / columns : 1;
    auto columnOf = [&](Date date) {
        const double offset = std::floor((date - span.from) / width);
        // The points beyond the edges get columns of their own.
        return static_cast<long>(std::clamp(offset, -1.0, static_cast<double>(columns)));
    };

    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (std::size_t k = 0; k < kBalanceLines.size(); ++k) {
        const BalanceLine line = kBalanceLines[k];
        std::vector<PlotLine>& stretches = view.lines[k];
        std::vector<std::size_t> picked;
        ColumnPicker column;
        long currentColumn = 0;
        auto endStretch = [&] {
            column.flushInto(picked);
            if (picked.empty()) return;
            PlotLine& stretch = stretches.emplace_back();
            stretch.reserve(picked.size());
            for (std::size_t i : picked) {
                const double y = balanceOf(points[i].balances, line);
                stretch.push_back(PlotPoint{points[i].date, y});
            }
            picked.clear();
        };
        for (auto it = first; it != past; ++it) {
            const std::size_t index = static_cast<std::size_t>(it - points.begin());
            const long c = columnOf(it->date);
            if (!column.empty() && c != currentColumn) {
                if (it->afterGap) {
                    endStretch();
                } else {
                    column.flushInto(picked);
                }
            }
            currentColumn = c;
            const double y = balanceOf(it->balances, line);
            column.add(index, y);
            const bool within = it->date >= span.from && it->date <= span.to;
            if (within || !anyWithin) {
                low = std::min(low, y);
                high = std::max(high, y);
            }
        }
        endStretch();
    }
    view.low = low;
    view.high = high;
    return view;
}

}  // namespace kakeibo
