#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/pages/BookBindings.h"
#include "app/pages/SettingsPages.h"
#include "book/Book.h"
#include "storage/WindowLayout.h"

namespace kakeibo::shell {

namespace {

// One account: its number and bank name on the left, its sheet beside.
QWidget* accountPanel(PageContext& ctx, int k) {
    static const char* const kNumbers[] = {"第１口座", "第２口座", "第３口座", "第４口座"};
    auto* box = new QWidget;
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(2, 2, 2, 2);
    row->setSpacing(4);
    auto* names = new QVBoxLayout;
    names->addWidget(new QLabel(QString::fromUtf8(kNumbers[k]), box));
    names->addWidget(new QLabel(QStringLiteral("銀行名"), box));
    auto* bank = new QLineEdit(box);
    bank->setObjectName(QStringLiteral("EditBank%1").arg(k));
    bank->setFixedWidth(96);
    ctx.bindings.addBankName(bank, k);
    names->addWidget(bank);
    names->addStretch(1);
    row->addLayout(names);
    row->addWidget(ctx.makeSheet(ctx.book.setKoza(k), box), 1);
    return box;
}

}  // namespace

// "口座関連科目": the four accounts, each with its debit, card and income
// categories, stacked with bars between them.
QWidget* buildAccountPage(PageContext& ctx, StackedPanels*& stack, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabAccount"));
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    stack = new StackedPanels(QStringLiteral("pnlKozaStack"), page);
    stack->addPanel("pnlKoza0", accountPanel(ctx, 0), StackedPanels::Role::Top, kDesignedKoza0);
    stack->addPanel("pnlKoza1", accountPanel(ctx, 1), StackedPanels::Role::Top, kDesignedKoza1, "pnlKozaDrag1");
    stack->addPanel("pnlKoza2", accountPanel(ctx, 2), StackedPanels::Role::Top, kDesignedKoza2, "pnlKozaDrag2");
    stack->addPanel("pnlKoza3", accountPanel(ctx, 3), StackedPanels::Role::Fill, kDesignedKoza3,
                    "pnlKozaDrag3");
    layout->addWidget(stack);
    return page;
}

}  // namespace kakeibo::shell
