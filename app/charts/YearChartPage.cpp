#include "app/charts/YearChartPage.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QStackedBarSeries>
#include <QVBoxLayout>

#include "book/Book.h"
#include "charts/TopCategories.h"
#include "charts/ValueRange.h"
#include "charts/YearSeries.h"

namespace kakeibo::shell {

YearChartPage::YearChartPage(QWidget* parent) : SummaryChartPage(ChartTab::Year, "pageGraphYear", parent) {
    view_ = makeChartView("chartYear", this);
    chartLayout()->addWidget(view_);
    setChartMinimumHeight(380);
}

void YearChartPage::draw(const Book& book, const YearSeries& year) {
    const ChartColours look = colours();
    const AmountDisplay display = book.amountDisplay();
    QChart* chart = view_->chart();
    clearChart(chart);
    styleChart(chart, look);
    chart->setTitle(QStringLiteral("月ごとの支出（科目別）と収入"));

    QStringList months;
    for (int m = 1; m <= 12; ++m) months << QStringLiteral("%1月").arg(m);
    const std::vector<YearStack> stacks = yearStacks(year);
    auto* bars = new QStackedBarSeries;
    std::size_t colour = 0;
    for (const YearStack& stack : stacks) {
        auto* set = new QBarSet(QString::fromStdString(stack.name));
        const bool others = stack.name == kOthersLabel && &stack == &stacks.back();
        const QColor fill = others ? look.others : look.categories[colour++ % look.categories.size()];
        set->setColor(fill);
        set->setBorderColor(fill);
        for (const double amount : stack.months) *set << amount;
        tipOnHover(set, months, display);
        bars->append(set);
    }
    bars->setBarWidth(0.7);
    chart->addSeries(bars);

    auto* income = new QLineSeries;
    income->setName(QStringLiteral("収入"));
    QPen pen(look.ink);
    pen.setWidthF(2.5);
    income->setPen(pen);
    income->setPointsVisible(true);
    income->setMarkerSize(7);
    for (int m = 0; m < 12; ++m) income->append(m, year.income[static_cast<std::size_t>(m)]);
    chart->addSeries(income);

    auto* monthAxis = new QBarCategoryAxis;
    monthAxis->append(months);
    monthAxis->setLabelsFont(chartFont(11));
    monthAxis->setLabelsColor(look.ink);
    chart->addAxis(monthAxis, Qt::AlignBottom);
    QCategoryAxis* amountAxis = makeTickAxis(look);
    const ValueRange range = yearRange(stacks, year.income);
    setAxisScale(amountAxis, amountScale(range.low, range.high, 6, display));
    chart->addAxis(amountAxis, Qt::AlignLeft);
    for (QAbstractSeries* series : std::initializer_list<QAbstractSeries*>{bars, income}) {
        series->attachAxis(monthAxis);
        series->attachAxis(amountAxis);
    }
    chart->legend()->setAlignment(Qt::AlignRight);
}

}  // namespace kakeibo::shell
