#pragma once
// 年: the twelve fiscal months of the year on display, each month's
// spending stacked by the year's largest categories, its income a line.

#include "app/charts/SummaryChartPage.h"
#include "charts/YearSeries.h"

class QChartView;

namespace kakeibo::shell {

class YearChartPage : public SummaryChartPage<YearSeries, yearSeries> {
    Q_OBJECT
public:
    explicit YearChartPage(QWidget* parent = nullptr);

private:
    void draw(const Book& book, const YearSeries& year) override;

    QChartView* view_ = nullptr;
};

}  // namespace kakeibo::shell
