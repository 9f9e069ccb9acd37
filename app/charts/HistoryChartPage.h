#pragma once
// 推移: the four balances every calculated card holds, over time, with the
// ranges "1年", "5年" and "全期間", zoom and pan. The points are read from
// the book once per change of the book; a zoom or pan draws again from
// them, a few points per column of the chart.

#include <QPointer>

#include <array>
#include <optional>
#include <vector>

#include "app/charts/ChartPage.h"
#include "charts/HistorySpan.h"

class QAbstractButton;
class QButtonGroup;
class QCategoryAxis;
class QLineSeries;
class QScrollBar;

namespace kakeibo::shell {

class HistoryChartView;

class HistoryChartPage : public ChartPage {
    Q_OBJECT
public:
    explicit HistoryChartPage(QWidget* parent = nullptr);
    void refresh(const Book& book) override;

    void chooseRange(HistoryRange range);
    // The stretch on the screen, and the range chosen (none after a zoom or pan).
    const DateSpan& span() const { return span_; }
    std::optional<HistoryRange> range() const { return range_; }
    // How many times the lines were drawn, for checking that nothing draws
    // when nothing changed.
    int drawCount() const { return drawCount_; }
    HistoryChartView* view() const { return view_; }

private:
    void showSpan(DateSpan span, bool byUser);
    void draw();
    void applyLook();
    void syncScrollBar();
    int columns() const;
    QLineSeries* lineOf(std::size_t kind, std::size_t stretch);

    HistoryChartView* view_ = nullptr;
    QCategoryAxis* dates_ = nullptr;
    QCategoryAxis* amounts_ = nullptr;
    std::array<std::vector<QLineSeries*>, 4> lines_;
    QButtonGroup* ranges_ = nullptr;
    QScrollBar* scroll_ = nullptr;

    std::string title_;
    std::vector<HistoryPoint> points_;
    std::optional<DateSpan> bounds_;
    DateSpan span_;
    std::optional<HistoryRange> range_ = HistoryRange::All;
    // The range last chosen with a button, where a right click goes back to.
    HistoryRange chosen_ = HistoryRange::All;
    AmountDisplay display_;
    std::optional<bool> darkLook_;
    bool drawing_ = false;
    int drawnColumns_ = 0;
    int drawCount_ = 0;
};

}  // namespace kakeibo::shell
