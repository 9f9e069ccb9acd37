#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/pages/PageWidgets.h"
#include "app/pages/SummaryPages.h"
#include "book/Book.h"
#include "book/WeekYearSummary.h"

namespace kakeibo::shell {

// The yearly summary "年間集計": the year, its commands (a year cannot be
// thrown away, so there is no bin), spending over income.
QWidget* buildYearPage(PageContext& ctx, StackedPanels*& stack, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabYear"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QHBoxLayout* row = nullptr;
    QFrame* bar = makeBar("pnlYearHead", kHeaderBarHeight, row, page);
    auto* prev = makeIconButton("btnGoPrevYear", BarIcon::Previous, kHintPrev, bar);
    auto* thisYear = makeButton("btnGoThisYear", QStringLiteral("今年"), {}, bar);
    auto* anyYear = makeButton("btnGoAnyYear", QStringLiteral("指定年"), {}, bar);
    auto* next = makeIconButton("btnGoNextYear", BarIcon::Next, kHintNext, bar);
    auto* sum = makeButton("btnSumYear", QStringLiteral("集計"), {}, bar);
    row->addWidget(makeTextPanel(ctx, "pnlYearYear", &Book::pnlYearYear, 48, bar));
    row->addWidget(makeCaption(QStringLiteral("年"), bar));
    row->addSpacing(8);
    row->addWidget(prev);
    row->addWidget(thisYear);
    row->addWidget(anyYear);
    row->addWidget(next);
    row->addSpacing(6);
    row->addWidget(sum);
    row->addStretch(1);
    addToolButtons(ctx, row, "btnDentakuYear", "btnPrintYear", PrintKind::Year, bar);
    layout->addWidget(bar);

    ctx.onClick(prev, btnGoPrevYearClick);
    ctx.onClick(thisYear, btnGoThisYearClick);
    ctx.onClick(anyYear, btnGoAnyYearClick);
    ctx.onClick(next, btnGoNextYearClick);
    ctx.onClick(sum, btnSumYearClick);

    stack = new StackedPanels(QStringLiteral("pnlYearStack"), page);
    stack->addPanel("pnlYearH", ctx.makeSheet(ctx.book.GridYearShishutsu, nullptr), StackedPanels::Role::Top,
                    kDesignedYearH);
    stack->addPanel("pnlYearL", ctx.makeSheet(ctx.book.GridYearShuNyu, nullptr), StackedPanels::Role::Fill, 0,
                    "pnlYearDrag");
    layout->addWidget(stack, 1);
    return page;
}

}  // namespace kakeibo::shell
