#include "app/pages/MemoPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/pages/BookBindings.h"
#include "app/pages/PageWidgets.h"
#include "book/Book.h"
#include "book/MemoList.h"

namespace kakeibo::shell {

namespace {

QPlainTextEdit* memoBox(const char* name, QWidget* parent) {
    auto* edit = new QPlainTextEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return edit;
}

// A read-only pane in the face colour of buttons.
QPlainTextEdit* listPane(const char* name, QWidget* parent) {
    QPlainTextEdit* pane = memoBox(name, parent);
    QPalette palette = pane->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Button));
    pane->setPalette(palette);
    pane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return pane;
}

QLabel* monthCaption(PageContext& ctx, const char* name, std::string Book::*text, QWidget* parent) {
    QLabel* label = makeTextPanel(ctx, name, text, 0, parent);
    label->setFrameStyle(QFrame::NoFrame);
    QFont font = label->font();
    font.setBold(true);
    font.setPixelSize(16);
    label->setFont(font);
    return label;
}

QWidget* buildMemoList(PageContext& ctx, MemoPages& pages) {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("TabMemoIchiran"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QHBoxLayout* row = nullptr;
    QFrame* bar = makeBar("pnlMemoHead", kHeaderBarHeight, row, page);
    auto* prev = makeIconButton("btnGoPrevMemo", BarIcon::Previous, kHintPrev, bar);
    auto* thisMonth = makeButton("btnGoThisMemo", QStringLiteral("今月へ"), {}, bar);
    auto* next = makeIconButton("btnGoNextMemo", BarIcon::Next, kHintNext, bar);
    QLabel* left = monthCaption(ctx, "pnlMemoLeft", &Book::pnlMemoLeft, bar);
    left->setFixedWidth(kMemoLeftWidth - 100);
    row->addWidget(left);
    row->addWidget(prev);
    row->addWidget(thisMonth);
    row->addWidget(next);
    row->addWidget(monthCaption(ctx, "pnlMemoRight", &Book::pnlMemoRight, bar), 1);
    // The position of the list, kept but not shown.
    for (auto [name, text] : {std::pair{"pnlMemoYear", &Book::pnlMemoYear},
                              std::pair{"pnlMemoMonth", &Book::pnlMemoMonth}}) {
        QLabel* hidden = makeTextPanel(ctx, name, text, 0, bar);
        hidden->hide();
    }
    layout->addWidget(bar);
    ctx.onClick(prev, btnGoPrevMemoClick);
    ctx.onClick(thisMonth, btnGoThisMemoClick);
    ctx.onClick(next, btnGoNextMemoClick);

    auto* panes = new QHBoxLayout;
    panes->setSpacing(0);
    pages.MemoLeft = listPane("MemoLeft", page);
    pages.MemoLeft->setFixedWidth(kMemoLeftWidth);
    pages.MemoRight = listPane("MemoRight", page);
    ctx.bindings.addMemo(pages.MemoLeft, &Book::MemoLeft, false);
    ctx.bindings.addMemo(pages.MemoRight, &Book::MemoRight, false);
    panes->addWidget(pages.MemoLeft);
    panes->addWidget(pages.MemoRight, 1);
    layout->addLayout(panes, 1);
    return page;
}

}  // namespace

MemoPages buildMemoPages(PageContext& ctx, QWidget* parent) {
    MemoPages pages;
    pages.page = new QWidget(parent);
    pages.page->setObjectName(QStringLiteral("TabMemo"));
    auto* layout = new QVBoxLayout(pages.page);
    layout->setContentsMargins(0, 0, 0, 0);
    pages.subPageMemo = new QTabWidget(pages.page);
    pages.subPageMemo->setObjectName(QStringLiteral("subPageMemo"));
    pages.subPageMemo->setDocumentMode(true);
    layout->addWidget(pages.subPageMemo);

    auto* oboe = new QWidget;
    oboe->setObjectName(QStringLiteral("TabOboe"));
    auto* oboeLayout = new QVBoxLayout(oboe);
    oboeLayout->setContentsMargins(0, 0, 0, 0);
    pages.MemoOboe = memoBox("MemoOboe", oboe);
    ctx.bindings.addMemo(pages.MemoOboe, &Book::MemoOboe, true);
    oboeLayout->addWidget(pages.MemoOboe);

    pages.subPageMemo->addTab(oboe, QStringLiteral("覚え書き"));
    pages.subPageMemo->addTab(buildMemoList(ctx, pages), QStringLiteral("メモ一覧"));
    pages.subPageMemo->setCurrentIndex(0);
    return pages;
}

}  // namespace kakeibo::shell
