#include "app/pages/SummaryPages.h"

#include <QHBoxLayout>
#include <QTabBar>

#include <algorithm>

#include "app/pages/PageWidgets.h"

namespace kakeibo::shell {

namespace {

// "グラフ" at the right end of the sub-pages' tab row, which has room to
// spare: the weekly header has none, and here the button moves no control
// of any summary page. It opens the chart of the summary shown.
void addChartButton(PageContext& ctx, QTabWidget* subPages) {
    auto* chart = makeButton("btnGraph", QStringLiteral("グラフ"), QStringLiteral("表示中の集計をグラフで見る"),
                             subPages);
    // No taller than the tabs, so the pages below keep their places.
    chart->setFixedHeight(std::max(16, subPages->tabBar()->sizeHint().height() - 4));
    subPages->setCornerWidget(chart, Qt::TopRightCorner);
    auto charts = ctx.chart;
    QObject::connect(chart, &QPushButton::clicked, chart, [charts, subPages] {
        if (!charts) return;
        const int shown = subPages->currentIndex();
        charts(shown == 0 ? PrintKind::Week : shown == 1 ? PrintKind::Month : PrintKind::Year);
    });
}

}  // namespace

void addToolButtons(PageContext& ctx, QHBoxLayout* row, const char* dentakuName, const char* printName,
                    PrintKind kind, QWidget* bar) {
    auto* dentaku = makeButton(dentakuName, QStringLiteral("電卓"), kHintDentaku, bar);
    auto* print = makeButton(printName, QStringLiteral("印刷"), {}, bar);
    row->addWidget(dentaku);
    row->addWidget(print);
    auto calculator = ctx.calculator;
    QObject::connect(dentaku, &QPushButton::clicked, dentaku, [calculator] {
        if (calculator) calculator();
    });
    auto printer = ctx.print;
    QObject::connect(print, &QPushButton::clicked, print, [printer, kind] {
        if (printer) printer(kind);
    });
}

SummaryPages buildSummaryPages(PageContext& ctx, QWidget* parent) {
    SummaryPages pages;
    pages.page = new QWidget(parent);
    pages.page->setObjectName(QStringLiteral("TabStat"));
    auto* layout = new QVBoxLayout(pages.page);
    layout->setContentsMargins(0, 0, 0, 0);
    pages.subPageStat = new QTabWidget(pages.page);
    pages.subPageStat->setObjectName(QStringLiteral("subPageStat"));
    pages.subPageStat->setDocumentMode(true);
    layout->addWidget(pages.subPageStat);
    pages.subPageStat->addTab(buildWeekPage(ctx, pages.week, nullptr), QStringLiteral("週間集計"));
    pages.subPageStat->addTab(buildMonthPage(ctx, pages.month, pages.pnlMonthLeft, nullptr),
                              QStringLiteral("月間集計"));
    pages.subPageStat->addTab(buildYearPage(ctx, pages.year, nullptr), QStringLiteral("年間集計"));
    pages.subPageStat->setCurrentIndex(2);
    addChartButton(ctx, pages.subPageStat);
    return pages;
}

}  // namespace kakeibo::shell
