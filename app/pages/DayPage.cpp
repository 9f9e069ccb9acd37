#include "app/pages/DayPage.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/pages/BookBindings.h"
#include "app/pages/PageWidgets.h"
#include "book/Book.h"
#include "book/DayCalculation.h"
#include "book/DayNavigation.h"
#include "storage/WindowLayout.h"

namespace kakeibo::shell {

namespace {

QFrame* buildHeader(PageContext& ctx, DayPage& day, QWidget* parent) {
    QHBoxLayout* row = nullptr;
    QFrame* bar = makeBar("pnlHead", kHeaderBarHeight, row, parent);
    auto* head = makeIconButton("btnGoHead", BarIcon::First, kHintHead, bar);
    auto* prev = makeIconButton("btnGoPrev", BarIcon::Previous, kHintPrev, bar);
    auto* today = makeButton("btnGoToday", QStringLiteral("今日へ"), {}, bar);
    auto* anyDay = makeButton("btnGoAnyDay", QStringLiteral("指定日へ"),
                              QStringLiteral("指定日へ移動もしくは新規作成"), bar);
    auto* next = makeIconButton("btnGoNext", BarIcon::Next, kHintNext, bar);
    auto* tail = makeIconButton("btnGoTail", BarIcon::Last, kHintTail, bar);
    auto* del = makeIconButton("btnDelete", BarIcon::Discard, kHintDelete, bar);
    day.btnCalc = makeButton("btnCalc", QStringLiteral("計算する"), QStringLiteral("Ctrl + クリックで以降を再計算"), bar);
    auto* dentaku = makeButton("btnDentaku", QStringLiteral("電卓"), kHintDentaku, bar);
    row->addWidget(head);
    row->addWidget(prev);
    row->addWidget(today);
    row->addWidget(anyDay);
    row->addWidget(next);
    row->addWidget(tail);
    row->addSpacing(6);
    row->addWidget(del);
    row->addSpacing(6);
    row->addWidget(day.btnCalc);
    row->addWidget(dentaku);
    row->addStretch(1);
    row->addWidget(makeTextPanel(ctx, "pnlDay", &Book::pnlDay, 150, bar));
    row->addWidget(makeTextPanel(ctx, "pnlYobi", &Book::pnlYobi, 40, bar));

    ctx.onClick(head, btnGoHeadClick);
    ctx.onClick(prev, btnGoPrevClick);
    ctx.onClick(today, btnGoTodayClick);
    ctx.onClick(anyDay, btnGoAnyDayClick);
    ctx.onClick(next, btnGoNextClick);
    ctx.onClick(tail, btnGoTailClick);
    ctx.onClick(del, btnDeleteClick);
    auto runner = ctx.run;
    // Ctrl alone held at the release recalculates every later card too.
    QObject::connect(day.btnCalc, &QPushButton::clicked, day.btnCalc, [runner] {
        const bool ctrlOnly = QGuiApplication::keyboardModifiers() == Qt::ControlModifier;
        runner([ctrlOnly](Book& book) { btnCalcMouseUp(book, ctrlOnly); });
    });
    auto calculator = ctx.calculator;
    QObject::connect(dentaku, &QPushButton::clicked, dentaku, [calculator] {
        if (calculator) calculator();
    });
    return bar;
}

QFrame* buildFooter(PageContext& ctx, QWidget* parent) {
    QHBoxLayout* row = nullptr;
    QFrame* bar = makeBar("pnlFoot", kFooterBarHeight, row, parent);
    row->setContentsMargins(2, 1, 2, 1);
    QLabel* page = makeTextPanel(ctx, "pnlPage", &Book::pnlPage, 90, bar);
    page->setToolTip(QStringLiteral("表示中のカードの位置を示します"));
    row->addWidget(page);
    row->addStretch(1);
    row->addWidget(makeCaption(QStringLiteral("次の初日まであと"), bar));
    row->addWidget(makeTextPanel(ctx, "pnlToShonichi", &Book::pnlToShonichi, 40, bar));
    row->addSpacing(12);
    row->addWidget(makeTextPanel(ctx, "pnlToday", &Book::pnlToday, 150, bar));
    return bar;
}

// The memo panel: the caption bar "　メ　モ" over the day's memo.
QWidget* buildMemoPanel(PageContext& ctx, DayPage& day) {
    auto* box = new QWidget;
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* caption = new QLabel(QStringLiteral("　メ　モ"), box);
    caption->setObjectName(QStringLiteral("pnlMemo"));
    caption->setFixedHeight(16);
    caption->setFrameStyle(QFrame::Panel | QFrame::Raised);
    layout->addWidget(caption);
    day.Memo1 = new QPlainTextEdit(box);
    day.Memo1->setObjectName(QStringLiteral("Memo1"));
    day.Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    layout->addWidget(day.Memo1, 1);
    ctx.bindings.addMemo(day.Memo1, &Book::Memo1, true);
    return box;
}

}  // namespace

DayPage buildDayPage(PageContext& ctx, QWidget* parent) {
    DayPage day;
    day.page = new QWidget(parent);
    day.page->setObjectName(QStringLiteral("TabInput"));
    auto* layout = new QVBoxLayout(day.page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(buildHeader(ctx, day, day.page));

    auto* columns = new QHBoxLayout;
    columns->setSpacing(0);
    layout->addLayout(columns, 1);

    Book& book = ctx.book;
    day.left = new StackedPanels(QStringLiteral("pnlLeft"), day.page);
    day.left->setFixedWidth(kDayLeftWidth);
    day.pnlLeft = day.left;
    day.GridShishutu = ctx.makeSheet(book.GridShishutu, nullptr);
    day.left->addPanel("pnlL0", day.GridShishutu, StackedPanels::Role::Top, kDesignedL0);
    day.left->addPanel("pnlL1", ctx.makeSheet(book.GridShuNyu, nullptr), StackedPanels::Role::Fill, 0,
                       "pnlDragL1");
    day.left->addPanel("pnlL2", ctx.makeSheet(book.GridKoza, nullptr), StackedPanels::Role::Bottom,
                       kDesignedL2, "pnlDragL2");
    columns->addWidget(day.left);

    day.right = new StackedPanels(QStringLiteral("pnlRight"), day.page);
    day.right->addPanel("pnlR0", ctx.makeSheet(book.GridYosan, nullptr), StackedPanels::Role::Top,
                        kDesignedR0);
    day.right->addPanel("pnlR1", ctx.makeSheet(book.GridMatome, nullptr), StackedPanels::Role::Fill, 0,
                        "pnlDragR1");
    day.right->addPanel("pnlR2", buildMemoPanel(ctx, day), StackedPanels::Role::Bottom, kDesignedR2,
                        "pnlDragR2", 16);
    columns->addWidget(day.right, 1);

    layout->addWidget(buildFooter(ctx, day.page));
    return day;
}

}  // namespace kakeibo::shell
