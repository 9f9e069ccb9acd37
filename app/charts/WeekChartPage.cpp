#include "app/charts/WeekChartPage.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QVBoxLayout>

#include "book/Book.h"
#include "charts/ValueRange.h"
#include "charts/WeekSeries.h"

namespace kakeibo::shell {

WeekChartPage::WeekChartPage(QWidget* parent) : SummaryChartPage(ChartTab::Week, "pageGraphWeek", parent) {
    view_ = makeChartView("chartWeek", this);
    chartLayout()->addWidget(view_);
    setChartMinimumHeight(320);
}

void WeekChartPage::draw(const Book& book, const WeekSeries& week) {
    const ChartColours look = colours();
    QChart* chart = view_->chart();
    clearChart(chart);
    styleChart(chart, look);
    chart->setTitle(QStringLiteral("日ごとの支出と収入"));

    auto* spending = new QBarSet(QStringLiteral("支出"));
    auto* income = new QBarSet(QStringLiteral("収入"));
    spending->setColor(look.spending);
    spending->setBorderColor(look.spending);
    income->setColor(look.income);
    income->setBorderColor(look.income);
    QStringList days;
    for (const WeekDay& day : week.days) {
        days << QString::fromStdString(day.label);
        *spending << day.spending;
        *income << day.income;
    }
    tipOnHover(spending, days, book.amountDisplay());
    tipOnHover(income, days, book.amountDisplay());
    auto* series = new QBarSeries;
    series->append(spending);
    series->append(income);
    chart->addSeries(series);

    auto* dayAxis = new QBarCategoryAxis;
    dayAxis->append(days);
    dayAxis->setLabelsFont(chartFont(11));
    dayAxis->setLabelsColor(look.ink);
    chart->addAxis(dayAxis, Qt::AlignBottom);
    series->attachAxis(dayAxis);
    QCategoryAxis* amountAxis = makeTickAxis(look);
    const ValueRange range = weekRange(week);
    setAxisScale(amountAxis, amountScale(range.low, range.high, 6, book.amountDisplay()));
    chart->addAxis(amountAxis, Qt::AlignLeft);
    series->attachAxis(amountAxis);
    chart->legend()->setAlignment(Qt::AlignBottom);
}

}  // namespace kakeibo::shell
