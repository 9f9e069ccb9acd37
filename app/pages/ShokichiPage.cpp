#include <QCheckBox>
#include <QVBoxLayout>

#include "app/pages/BookBindings.h"
#include "app/pages/SettingsPages.h"
#include "book/Book.h"

namespace kakeibo::shell {

// "初期値": the opening cash, savings and account balances, and the option
// to start the first card's calculation from them.
QWidget* buildShokichiPage(PageContext& ctx, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabShokichi"));
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(8, 8, 8, 8);
    column->setSpacing(10);
    auto* use = new QCheckBox(QStringLiteral("ここに設定された初期値を最初のカードの計算に使用する"), page);
    use->setObjectName(QStringLiteral("chkBoxShokichiUse"));
    ctx.bindings.addCheck(use, &Book::chkBoxShokichiUse);
    column->addWidget(use);
    Book& book = ctx.book;
    QWidget* genkin = fixedWidthSheet(ctx, book.GridShokiGenkin, 280, page);
    genkin->setFixedHeight(20 + 4);
    QWidget* chokin = fixedWidthSheet(ctx, book.GridShokiChokin, 280, page);
    chokin->setFixedHeight(20 + 4);
    QWidget* koza = fixedWidthSheet(ctx, book.GridShokiKoza, 517, page);
    koza->setFixedHeight(3 * 20 + 4);
    column->addWidget(genkin);
    column->addWidget(chokin);
    column->addWidget(koza);
    column->addStretch(1);
    return page;
}

}  // namespace kakeibo::shell
