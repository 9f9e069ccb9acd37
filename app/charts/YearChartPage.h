#pragma once
// 年: the twelve fiscal months of the year on display, each month's
// spending stacked by the year's largest categories, its income a line.

#include "app/charts/ChartPage.h"
#include "charts/YearSeries.h"

class QChartView;

namespace kakeibo::shell {

class YearChartPage : public ChartPage {
    Q_OBJECT
public:
    explicit YearChartPage(QWidget* parent = nullptr);
    void refresh(const Book& book) override;

private:
    void draw(const Book& book, const YearSeries& year);

    std::optional<YearSeries> drawn_;
    QChartView* view_ = nullptr;
};

}  // namespace kakeibo::shell
