#pragma once
// 週: the seven days of the week on display, spending beside income.

#include "app/charts/ChartPage.h"
#include "charts/WeekSeries.h"

class QChartView;

namespace kakeibo::shell {

class WeekChartPage : public ChartPage {
    Q_OBJECT
public:
    explicit WeekChartPage(QWidget* parent = nullptr);
    void refresh(const Book& book) override;

private:
    void draw(const Book& book, const WeekSeries& week);

    std::optional<WeekSeries> drawn_;
    QChartView* view_ = nullptr;
};

}  // namespace kakeibo::shell
