#include "app/pages/CreditPage.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/pages/PageWidgets.h"
#include "book/Book.h"

namespace kakeibo::shell {

QWidget* buildCreditPage(PageContext& ctx, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabCredit"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(ctx.makeSheet(ctx.book.GridCredit, page), 1);
    QHBoxLayout* row = nullptr;
    QFrame* footer = makeBar("pnlCreditFoot", kFooterBarHeight, row, page);
    row->addStretch(1);
    row->addWidget(makeCaption(QString::fromUtf8(kCreditFooterText), footer));
    layout->addWidget(footer);
    return page;
}

}  // namespace kakeibo::shell
