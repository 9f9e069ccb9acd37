#include "app/pages/SummaryPages.h"

#include <QHBoxLayout>

#include "app/pages/PageWidgets.h"

namespace kakeibo::shell {

namespace {

// "グラフ" goes between the header's stretch and its "電卓", so every control
// the header held keeps its place.
void addChartButton(PageContext& ctx, QHBoxLayout* row, PrintKind kind, QWidget* bar) {
    const char* name = kind == PrintKind::Week ? "btnGraphWeek" : kind == PrintKind::Month ? "btnGraphMonth" : "btnGraphYear";
    auto* chart = makeButton(name, QStringLiteral("グラフ"), QStringLiteral("この集計をグラフで見る"), bar);
    row->addWidget(chart);
    auto charts = ctx.chart;
    QObject::connect(chart, &QPushButton::clicked, chart, [charts, kind] {
        if (charts) charts(kind);
    });
}

}  // namespace

void addToolButtons(PageContext& ctx, QHBoxLayout* row, const char* dentakuName, const char* printName,
                    PrintKind kind, QWidget* bar) {
    addChartButton(ctx, row, kind, bar);
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
    return pages;
}

}  // namespace kakeibo::shell
