#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/pages/PageWidgets.h"
#include "app/pages/SummaryPages.h"
#include "book/Book.h"
#include "book/MonthSummary.h"
#include "storage/WindowLayout.h"

namespace kakeibo::shell {

// The monthly summary "月間集計": the fiscal month and its bounds, the
// month commands, the totals line, spending per category on the left,
// income and the summary on the right, and the footer.
QWidget* buildMonthPage(PageContext& ctx, StackedPanels*& stack, QWidget*& monthLeft, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabMonth"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QHBoxLayout* row = nullptr;
    QFrame* bar = makeBar("pnlMonthHead", kHeaderBarHeight, row, page);
    auto* prev = makeIconButton("btnGoPrevMonth", BarIcon::Previous, kHintPrev, bar);
    auto* thisMonth = makeButton("btnGoThisMonth", QStringLiteral("今月"), {}, bar);
    auto* anyMonth = makeButton("btnGoAnyMonth", QStringLiteral("指定月"), {}, bar);
    auto* next = makeIconButton("btnGoNextMonth", BarIcon::Next, kHintNext, bar);
    auto* del = makeIconButton("btnDeleteMonth", BarIcon::Discard, kHintDelete, bar);
    auto* sum = makeButton("btnSumMonth", QStringLiteral("集計"), {}, bar);
    row->addWidget(makeTextPanel(ctx, "pnlYearSum", &Book::pnlYearSum, 42, bar));
    row->addWidget(makeCaption(QStringLiteral("年"), bar));
    row->addWidget(makeTextPanel(ctx, "pnlMonthSum", &Book::pnlMonthSum, 26, bar));
    row->addWidget(makeCaption(QStringLiteral("月度"), bar));
    row->addWidget(makeTextPanel(ctx, "pnlMonthStart", &Book::pnlMonthStart, 84, bar));
    row->addWidget(makeCaption(QStringLiteral("～"), bar));
    row->addWidget(makeTextPanel(ctx, "pnlMonthLast", &Book::pnlMonthLast, 84, bar));
    row->addSpacing(4);
    row->addWidget(prev);
    row->addWidget(thisMonth);
    row->addWidget(anyMonth);
    row->addWidget(next);
    row->addWidget(del);
    row->addWidget(sum);
    row->addStretch(1);
    addToolButtons(ctx, row, "btnDentakuMonth", "btnPrintMonth", PrintKind::Month, bar);
    layout->addWidget(bar);
    for (QPushButton* b : {thisMonth, anyMonth, sum}) b->setMaximumWidth(44);

    ctx.onClick(prev, btnGoPrevMonthClick);
    ctx.onClick(thisMonth, btnGoThisMonthClick);
    ctx.onClick(anyMonth, btnGoAnyMonthClick);
    ctx.onClick(next, btnGoNextMonthClick);
    ctx.onClick(del, btnDeleteMonthClick);
    ctx.onClick(sum, btnSumMonthClick);

    Book& book = ctx.book;
    QWidget* sumLine = ctx.makeSheet(book.GridMonthSum, page);
    sumLine->setFixedHeight(kMonthSumBandHeight);
    layout->addWidget(sumLine);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(0);
    monthLeft = new QWidget(page);
    monthLeft->setObjectName(QStringLiteral("pnlMonthLeft"));
    monthLeft->setFixedWidth(kMonthLeftWidth);
    auto* leftLayout = new QVBoxLayout(monthLeft);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    QWidget* spending = ctx.makeSheet(book.GridMonthShishutu, monthLeft);
    spending->setMinimumHeight(0);
    leftLayout->addWidget(spending);
    columns->addWidget(monthLeft);

    stack = new StackedPanels(QStringLiteral("pnlMonthRight"), page);
    stack->addPanel("pnlMonthRH", ctx.makeSheet(book.GridMonthShuNyu, nullptr), StackedPanels::Role::Top,
                    kDesignedMonthSummary);
    stack->addPanel("pnlMonthRL", ctx.makeSheet(book.GridMonthMatome, nullptr), StackedPanels::Role::Fill, 0,
                    "pnlMonthDrag");
    columns->addWidget(stack, 1);
    layout->addLayout(columns, 1);

    QHBoxLayout* foot = nullptr;
    QFrame* footer = makeBar("pnlMonthFoot", kFooterBarHeight, foot, page);
    foot->setContentsMargins(2, 1, 2, 1);
    foot->addWidget(makeTextPanel(ctx, "pnlPageSum", &Book::pnlPageSum, 90, footer));
    foot->addStretch(1);
    foot->addWidget(makeTextPanel(ctx, "pnlTodaySum", &Book::pnlTodaySum, 150, footer));
    layout->addWidget(footer);
    return page;
}

}  // namespace kakeibo::shell
