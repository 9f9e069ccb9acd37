#include <gtest/gtest.h>

#include "charts/HistorySpan.h"
#include "charts/HistoryView.h"
#include "support/FixedToday.h"

namespace kakeibo {
namespace {

// One point a day from start, the cash following values; a point listed
// in gapsBefore comes after a card never calculated.
std::vector<HistoryPoint> daily(Date start, const std::vector<double>& cash, std::vector<std::size_t> gapsBefore = {}) {
    std::vector<HistoryPoint> points;
    for (std::size_t i = 0; i < cash.size(); ++i) {
        const bool gap = std::find(gapsBefore.begin(), gapsBefore.end(), i) != gapsBefore.end();
        points.push_back(HistoryPoint{start + static_cast<double>(i), Balances{cash[i], 1, cash[i] + 1, 2}, gap});
    }
    return points;
}

const std::vector<PlotLine>& cashLines(const HistoryView& view) { return view.lines[0]; }

TEST(HistoryView, FewPointsAreDrawnAsTheyAreAndReachPastTheEdges) {
    const auto points = daily(100, {5, 6, 7, 8, 9});
    const HistoryView view = historyView(points, DateSpan{101.5, 102.5}, 500);
    ASSERT_EQ(cashLines(view).size(), 1u);
    // The points of days 101 and 103 lie outside and carry the line to the edges.
    EXPECT_EQ(cashLines(view)[0], (PlotLine{{101, 6}, {102, 7}, {103, 8}}));
    // Over all four lines, and only what lies within the span: the
    // accounts' 1 is the lowest, the household's 8 the highest.
    EXPECT_EQ(view.low, 1);
    EXPECT_EQ(view.high, 8);
    EXPECT_EQ(view.lines[2][0][1], (PlotPoint{102, 8}));  // the household line is its own
}

TEST(HistoryView, ManyPointsKeepEveryColumnsExtremes) {
    std::vector<double> cash(1000, 0.0);
    for (std::size_t i = 0; i < cash.size(); ++i) cash[i] = static_cast<double>(i % 10);
    cash[437] = -5000;  // one deep dip
    cash[731] = 9000;   // one high peak
    const auto points = daily(0, cash);
    const HistoryView view = historyView(points, DateSpan{0, 999}, 50);
    ASSERT_EQ(cashLines(view).size(), 1u);
    const PlotLine& line = cashLines(view)[0];
    EXPECT_LE(line.size(), 50u * 4);
    EXPECT_EQ(line.front(), (PlotPoint{0, 0}));
    EXPECT_EQ(line.back(), (PlotPoint{999, 9}));
    EXPECT_NE(std::find(line.begin(), line.end(), PlotPoint{437, -5000}), line.end());
    EXPECT_NE(std::find(line.begin(), line.end(), PlotPoint{731, 9000}), line.end());
    EXPECT_TRUE(std::is_sorted(line.begin(), line.end(), [](auto& a, auto& b) { return a.x < b.x; }));
    EXPECT_EQ(view.low, -5000);
    EXPECT_EQ(view.high, 9001);  // the household line is cash + 1
}

TEST(HistoryView, AGapBreaksTheLinesOnlyWhereItWouldShow) {
    const auto points = daily(0, std::vector<double>(100, 1.0), {45});
    // 100 columns over 100 days: the break shows.
    HistoryView view = historyView(points, DateSpan{0, 99}, 100);
    ASSERT_EQ(cashLines(view).size(), 2u);
    EXPECT_EQ(cashLines(view)[0].back().x, 44);
    EXPECT_EQ(cashLines(view)[1].front().x, 45);
    for (const auto& line : view.lines) EXPECT_EQ(line.size(), 2u);
    // Ten columns: days 44 and 45 share one, the break would not show.
    view = historyView(points, DateSpan{0, 99}, 10);
    EXPECT_EQ(cashLines(view).size(), 1u);
}

TEST(HistoryView, ASpanBetweenTwoPointsTakesItsRangeFromThem) {
    const auto points = daily(0, {10, 30});
    const HistoryView view = historyView(points, DateSpan{0.25, 0.75}, 10);
    ASSERT_EQ(cashLines(view).size(), 1u);
    EXPECT_EQ(cashLines(view)[0].size(), 2u);
    EXPECT_EQ(view.low, 1);
    EXPECT_EQ(view.high, 31);
    EXPECT_TRUE(cashLines(historyView({}, DateSpan{0, 1}, 10)).empty());
}

TEST(HistorySpan, RangesEndAtTheLastPointAndStayOnTheHistory) {
    std::vector<HistoryPoint> points = daily(dayOf(2010, 1, 1), {1});
    points.push_back(HistoryPoint{dayOf(2024, 2, 29), {}, false});
    EXPECT_EQ(historySpan(points, HistoryRange::OneYear), (DateSpan{dayOf(2023, 2, 28), dayOf(2024, 2, 29)}));
    EXPECT_EQ(historySpan(points, HistoryRange::FiveYears), (DateSpan{dayOf(2019, 2, 28), dayOf(2024, 2, 29)}));
    EXPECT_EQ(historySpan(points, HistoryRange::All), (DateSpan{dayOf(2010, 1, 1), dayOf(2024, 2, 29)}));
    // A history shorter than the range shows all of it.
    points.erase(points.begin());
    points.insert(points.begin(), HistoryPoint{dayOf(2024, 1, 1), {}, false});
    EXPECT_EQ(historySpan(points, HistoryRange::FiveYears), (DateSpan{dayOf(2024, 1, 1), dayOf(2024, 2, 29)}));
    // One card: a week around it.
    EXPECT_EQ(historyBounds(daily(100, {1})), (DateSpan{96.5, 103.5}));
    EXPECT_FALSE(historySpan({}, HistoryRange::All));
}

TEST(HistorySpan, ZoomKeepsTheAnchorAndPanStopsAtTheEnds) {
    const DateSpan bounds{0, 1000};
    const DateSpan half = zoomSpan(DateSpan{0, 1000}, 0.5, 400, bounds);
    EXPECT_EQ(half, (DateSpan{200, 700}));
    // The anchor is 40% across before and after.
    EXPECT_DOUBLE_EQ((400 - half.from) / half.length(), 0.4);
    // Never narrower than a week, the anchor still in place.
    const DateSpan narrow = zoomSpan(DateSpan{100, 120}, 0.01, 110, bounds);
    EXPECT_DOUBLE_EQ(narrow.length(), kMinimumSpanDays);
    EXPECT_DOUBLE_EQ(narrow.from, 110 - kMinimumSpanDays / 2);
    // Never wider than the history.
    EXPECT_EQ(zoomSpan(DateSpan{200, 700}, 10, 400, bounds), bounds);
    EXPECT_EQ(panSpan(DateSpan{200, 700}, -500, bounds), (DateSpan{0, 500}));
    EXPECT_EQ(panSpan(DateSpan{200, 700}, 900, bounds), (DateSpan{500, 1000}));
    EXPECT_EQ(clampSpan(DateSpan{700, 200}, bounds), (DateSpan{200, 700}));
}

}  // namespace
}  // namespace kakeibo
