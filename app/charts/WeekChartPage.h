#pragma once
// 週: the seven days of the week on display, spending beside income.

#include "app/charts/SummaryChartPage.h"
#include "charts/WeekSeries.h"

class QChartView;

namespace kakeibo::shell {

class WeekChartPage : public SummaryChartPage<WeekSeries, weekSeries> {
    Q_OBJECT
public:
    explicit WeekChartPage(QWidget* parent = nullptr);

private:
    void draw(const Book& book, const WeekSeries& week) override;

    QChartView* view_ = nullptr;
};

}  // namespace kakeibo::shell
