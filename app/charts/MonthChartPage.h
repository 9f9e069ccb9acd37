#pragma once
// 月: the fiscal month on display: each category's use against its budget
// (past the budget in red), the shares of the month's spending, and the
// month's income and spending totals as its summary line holds them.

#include "app/charts/SummaryChartPage.h"
#include "charts/MonthSeries.h"

class QChartView;
class QLabel;

namespace kakeibo::shell {

class MonthChartPage : public SummaryChartPage<MonthSeries, monthSeries> {
    Q_OBJECT
public:
    explicit MonthChartPage(QWidget* parent = nullptr);

private:
    void draw(const Book& book, const MonthSeries& month) override;

    QLabel* totals_ = nullptr;
    QChartView* budgets_ = nullptr;
    QChartView* shares_ = nullptr;
    QLabel* shareList_ = nullptr;
};

}  // namespace kakeibo::shell
