#include "app/charts/MonthChartPage.h"

#include <QBarCategoryAxis>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QHBoxLayout>
#include <QHorizontalBarSeries>
#include <QLabel>
#include <QLegend>
#include <QPieSeries>
#include <QVBoxLayout>

#include "book/Book.h"
#include "charts/MonthSeries.h"
#include "charts/ValueRange.h"

namespace kakeibo::shell {

namespace {

// Room for one category's pair of bars and its label.
constexpr int kRowHeight = 24;
constexpr int kBudgetChartFrame = 130;
constexpr int kSharesHeight = 340;

QString amountText(double amount, AmountDisplay display) {
    return QString::fromStdString(formatAmount(amount, display));
}

void fillBudgets(QChart* chart, const std::vector<BudgetBar>& bars, const ChartColours& look, AmountDisplay display) {
    chart->setTitle(QStringLiteral("予算と使用額（赤は予算超過）"));
    auto* budget = new QBarSet(QStringLiteral("予算"));
    auto* used = new QBarSet(QStringLiteral("使用額"));
    budget->setColor(look.budget);
    budget->setBorderColor(look.budget);
    used->setColor(look.categories[0]);
    used->setBorderColor(look.categories[0]);
    used->setSelectedColor(look.overBudget);
    QStringList names;
    // The sheet's first row at the top: a horizontal chart starts at the bottom.
    for (auto bar = bars.rbegin(); bar != bars.rend(); ++bar) {
        names << QString::fromStdString(bar->label);
        *budget << bar->budget;
        *used << bar->used;
        if (bar->overBudget) used->selectBar(static_cast<int>(names.size()) - 1);
    }
    tipOnHover(budget, names, display);
    tipOnHover(used, names, display);
    auto* series = new QHorizontalBarSeries;
    series->append(budget);
    series->append(used);
    series->setBarWidth(0.8);
    chart->addSeries(series);

    auto* categoryAxis = new QBarCategoryAxis;
    categoryAxis->append(names);
    categoryAxis->setLabelsFont(chartFont(11));
    categoryAxis->setLabelsColor(look.ink);
    categoryAxis->setGridLineVisible(false);
    chart->addAxis(categoryAxis, Qt::AlignLeft);
    series->attachAxis(categoryAxis);
    QCategoryAxis* amountAxis = makeTickAxis(look);
    const ValueRange range = budgetRange(bars);
    setAxisScale(amountAxis, amountScale(range.low, range.high, 4, display));
    // A long list scrolls: its amounts and legend stay in sight above it.
    chart->addAxis(amountAxis, Qt::AlignTop);
    series->attachAxis(amountAxis);
    chart->legend()->setAlignment(Qt::AlignTop);
}

// The shares' names, amounts and percentages, each after a square of its
// colour: in a list beside the chart they never run short of room.
QString shareList(const std::vector<Share>& shares, const std::vector<QColor>& fills, AmountDisplay display) {
    QString html = QStringLiteral("<table cellspacing=\"2\">");
    for (std::size_t i = 0; i < shares.size(); ++i) {
        html += QStringLiteral("<tr><td style=\"color:%1\">■</td><td>%2</td></tr>")
                    .arg(fills[i].name(), QString::fromStdString(shareLabel(shares[i], display)).toHtmlEscaped());
    }
    return html + QStringLiteral("</table>");
}

std::vector<QColor> shareFills(const std::vector<Share>& shares, const ChartColours& look) {
    std::vector<QColor> fills;
    for (std::size_t i = 0; i < shares.size(); ++i) {
        const bool others = shares[i].name == kOthersLabel && i + 1 == shares.size();
        fills.push_back(others ? look.others : look.categories[i % look.categories.size()]);
    }
    return fills;
}

void fillShares(QChart* chart, const std::vector<Share>& shares, const std::vector<QColor>& fills, const ChartColours& look) {
    chart->setTitle(shares.empty() ? QStringLiteral("支出の内訳（支出はありません）") : QStringLiteral("支出の内訳"));
    auto* pie = new QPieSeries;
    pie->setHoleSize(0.45);
    pie->setPieSize(0.9);
    for (std::size_t i = 0; i < shares.size(); ++i) {
        QPieSlice* slice = pie->append(QString::fromStdString(shares[i].name), shares[i].amount);
        slice->setColor(fills[i]);
        slice->setBorderColor(look.dark ? QColor(0x2E, 0x30, 0x3A) : Qt::white);
    }
    chart->addSeries(pie);
    chart->legend()->hide();
}

}  // namespace

MonthChartPage::MonthChartPage(QWidget* parent) : SummaryChartPage(ChartTab::Month, "pageGraphMonth", parent) {
    totals_ = new QLabel(this);
    totals_->setObjectName(QStringLiteral("lblGraphMonthTotals"));
    totals_->setFont(chartFont(13));
    chartLayout()->addWidget(totals_);
    auto* row = new QHBoxLayout;
    budgets_ = makeChartView("chartMonthBudget", this);
    shares_ = makeChartView("chartMonthShares", this);
    row->addWidget(budgets_, 3);
    // The shares keep a size of their own at the top, however long the list.
    auto* sharesColumn = new QVBoxLayout;
    shares_->setMinimumHeight(kSharesHeight);
    shares_->setMaximumHeight(kSharesHeight);
    sharesColumn->addWidget(shares_);
    shareList_ = new QLabel(this);
    shareList_->setObjectName(QStringLiteral("lblGraphMonthShares"));
    shareList_->setFont(chartFont(12));
    shareList_->setTextFormat(Qt::RichText);
    sharesColumn->addWidget(shareList_);
    sharesColumn->addStretch(1);
    row->addLayout(sharesColumn, 2);
    chartLayout()->addLayout(row, 1);
}

void MonthChartPage::draw(const Book& book, const MonthSeries& month) {
    const AmountDisplay display = book.amountDisplay();
    totals_->setText(QStringLiteral("収入合計　%1　　支出合計　%2　　収支　%3")
                         .arg(amountText(month.incomeTotal, display), amountText(month.spendingTotal, display),
                              amountText(month.balance, display)));
    const ChartColours look = colours();
    const std::vector<BudgetBar> bars = budgetBars(month);
    for (QChartView* view : {budgets_, shares_}) {
        clearChart(view->chart());
        styleChart(view->chart(), look);
    }
    fillBudgets(budgets_->chart(), bars, look, display);
    const std::vector<Share> shares = spendingShares(month);
    const std::vector<QColor> fills = shareFills(shares, look);
    fillShares(shares_->chart(), shares, fills, look);
    shareList_->setText(shareList(shares, fills, display));
    setChartMinimumHeight(static_cast<int>(bars.size()) * kRowHeight + kBudgetChartFrame);
}

}  // namespace kakeibo::shell
