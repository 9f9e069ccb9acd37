#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/pages/PageWidgets.h"
#include "app/pages/SummaryPages.h"
#include "book/Book.h"
#include "book/WeekYearSummary.h"

namespace kakeibo::shell {

// The weekly summary "週間集計": year and week number, the week commands,
// spending over income, and the footer with the week's place and today.
QWidget* buildWeekPage(PageContext& ctx, StackedPanels*& stack, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabWeek"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QHBoxLayout* row = nullptr;
    QFrame* bar = makeBar("pnlWeekHead", kHeaderBarHeight, row, page);
    auto* head = makeIconButton("btnGoHeadWeek", BarIcon::First, kHintHead, bar);
    auto* prev = makeIconButton("btnGoPrevWeek", BarIcon::Previous, kHintPrev, bar);
    auto* thisWeek = makeButton("btnGoThisWeek", QStringLiteral("今週"), {}, bar);
    auto* anyWeek = makeButton("btnGoAnyWeek", QStringLiteral("指定週へ"), {}, bar);
    auto* next = makeIconButton("btnGoNextWeek", BarIcon::Next, kHintNext, bar);
    auto* tail = makeIconButton("btnGoTailWeek", BarIcon::Last, kHintTail, bar);
    auto* del = makeIconButton("btnDeleteWeek", BarIcon::Discard, kHintDelete, bar);
    auto* sum = makeButton("btnSumWeek", QStringLiteral("集計"), {}, bar);
    row->addWidget(makeTextPanel(ctx, "pnlYearWeek", &Book::pnlYearWeek, 48, bar));
    row->addWidget(makeCaption(QStringLiteral("年"), bar));
    row->addWidget(makeCaption(QStringLiteral("第"), bar));
    row->addWidget(makeTextPanel(ctx, "pnlWeekWeek", &Book::pnlWeekWeek, 32, bar));
    row->addWidget(makeCaption(QStringLiteral("週"), bar));
    row->addSpacing(8);
    row->addWidget(head);
    row->addWidget(prev);
    row->addWidget(thisWeek);
    row->addWidget(anyWeek);
    row->addWidget(next);
    row->addWidget(tail);
    row->addSpacing(6);
    row->addWidget(del);
    row->addSpacing(6);
    row->addWidget(sum);
    row->addStretch(1);
    addToolButtons(ctx, row, "btnDentakuWeek", "btnPrintWeek", PrintKind::Week, bar);
    layout->addWidget(bar);

    ctx.onClick(head, btnGoHeadWeekClick);
    ctx.onClick(prev, btnGoPrevWeekClick);
    ctx.onClick(thisWeek, btnGoThisWeekClick);
    ctx.onClick(anyWeek, btnGoAnyWeekClick);
    ctx.onClick(next, btnGoNextWeekClick);
    ctx.onClick(tail, btnGoTailWeekClick);
    ctx.onClick(del, btnDeleteWeekClick);
    ctx.onClick(sum, btnSumWeekClick);

    stack = new StackedPanels(QStringLiteral("pnlWeekStack"), page);
    stack->addPanel("pnlWeekH", ctx.makeSheet(ctx.book.GridWeekShishutsu, nullptr), StackedPanels::Role::Top,
                    kDesignedWeekH);
    stack->addPanel("pnlWeekL", ctx.makeSheet(ctx.book.GridWeekShuNyu, nullptr), StackedPanels::Role::Fill, 0,
                    "pnlWeekDrag");
    layout->addWidget(stack, 1);

    QHBoxLayout* foot = nullptr;
    QFrame* footer = makeBar("pnlWeekFoot", kFooterBarHeight, foot, page);
    foot->setContentsMargins(2, 1, 2, 1);
    foot->addWidget(makeTextPanel(ctx, "pnlPageWeek", &Book::pnlPageWeek, 90, footer));
    foot->addStretch(1);
    foot->addWidget(makeTextPanel(ctx, "pnlTodayWeek", &Book::pnlTodayWeek, 150, footer));
    layout->addWidget(footer);
    return page;
}

}  // namespace kakeibo::shell
