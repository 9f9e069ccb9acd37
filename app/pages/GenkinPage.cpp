#include <QHBoxLayout>

#include "app/pages/SettingsPages.h"
#include "book/Book.h"

namespace kakeibo::shell {

// "現金科目": cash spending with budgets, cash income, the monthly savings.
QWidget* buildGenkinPage(PageContext& ctx, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabGenkin"));
    auto* row = new QHBoxLayout(page);
    row->setContentsMargins(8, 8, 8, 8);
    row->setSpacing(12);
    Book& book = ctx.book;
    row->addWidget(fixedWidthSheet(ctx, book.GridSetGenkinOut, 228, page));
    row->addWidget(fixedWidthSheet(ctx, book.GridSetGenkinIn, 155, page));
    QWidget* chokin = fixedWidthSheet(ctx, book.GridSetChokin, 137, page);
    chokin->setFixedHeight(2 * 20 + 4);
    row->addWidget(chokin, 0, Qt::AlignTop);
    row->addStretch(1);
    return page;
}

}  // namespace kakeibo::shell
