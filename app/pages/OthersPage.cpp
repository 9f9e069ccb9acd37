#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/pages/BookBindings.h"
#include "app/pages/SettingsPages.h"
#include "book/Book.h"
#include "book/SettingsApply.h"

namespace kakeibo::shell {

namespace {

QCheckBox* option(PageContext& ctx, const char* name, const QString& caption, bool Book::*flag,
                  QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromLatin1(name));
    ctx.bindings.addCheck(box, flag);
    return box;
}

}  // namespace

// "その他の設定": fiscal month start and user name, line counts, tax rate,
// the calculator choice, the number display and the automatic debits.
QWidget* buildOthersPage(PageContext& ctx, QWidget* parent) {
    auto* page = new QWidget(parent);
    page->setObjectName(QStringLiteral("TabOthers"));
    auto* columns = new QHBoxLayout(page);
    columns->setContentsMargins(8, 8, 8, 8);
    columns->setSpacing(12);

    Book& book = ctx.book;
    auto* sheets = new QVBoxLayout;
    sheets->setSpacing(10);
    QWidget* sonota = fixedWidthSheet(ctx, book.GridSetSonota, 338, page);
    sonota->setFixedHeight(3 * 20 + 4);
    QWidget* rows = fixedWidthSheet(ctx, book.GridSetRowNum, 280, page);
    rows->setFixedHeight(5 * 20 + 4);
    QWidget* tax = fixedWidthSheet(ctx, book.GridSetTax, 280, page);
    tax->setFixedHeight(2 * 20 + 4);
    sheets->addWidget(sonota);
    sheets->addWidget(rows);
    sheets->addWidget(tax);
    sheets->addStretch(1);
    columns->addLayout(sheets);

    auto* options = new QVBoxLayout;
    options->setSpacing(8);
    auto* calc = new QGroupBox(QStringLiteral("電卓"), page);
    auto* calcLayout = new QVBoxLayout(calc);
    auto* mine = new QRadioButton(QStringLiteral("みらぶの家計簿に付属のもの"), calc);
    mine->setObjectName(QStringLiteral("rdBtnMyDentaku"));
    auto* desktop = new QRadioButton(QStringLiteral("Windows に付属のもの"), calc);
    desktop->setObjectName(QStringLiteral("rdBtnWinDentaku"));
    auto* group = new QButtonGroup(calc);
    group->addButton(mine);
    group->addButton(desktop);
    calcLayout->addWidget(mine);
    calcLayout->addWidget(desktop);
    ctx.bindings.addRadio(mine, &Book::rdBtnMyDentaku);
    ctx.bindings.addRadio(desktop, &Book::rdBtnWinDentaku);
    options->addWidget(calc);

    auto* numbers = new QGroupBox(QStringLiteral("数字の表示"), page);
    auto* numbersLayout = new QVBoxLayout(numbers);
    numbersLayout->addWidget(option(ctx, "chkBoxRedText", QStringLiteral("マイナス時に赤字で表示"),
                                    &Book::chkBoxRedText, numbers));
    numbersLayout->addWidget(option(ctx, "chkBoxComma", QStringLiteral("３桁ごとににカンマをつける"),
                                    &Book::chkBoxComma, numbers));
    numbersLayout->addWidget(option(ctx, "chkBoxFloat", QStringLiteral("必ず小数点以下２桁を表示する"),
                                    &Book::chkBoxFloat, numbers));
    options->addWidget(numbers);

    auto* debit = new QGroupBox(QStringLiteral("口座自動引き落としの設定"), page);
    auto* debitLayout = new QVBoxLayout(debit);
    QCheckBox* autoDebit = option(ctx, "chkBoxKozaAuto", QStringLiteral("口座引き落としを自動記入"),
                                  &Book::chkBoxKozaAuto, debit);
    debitLayout->addWidget(autoDebit);
    QCheckBox* shift = option(ctx, "chkBoxKozaShift", QStringLiteral("引落日が土日なら次の月曜にする"),
                              &Book::chkBoxKozaShift, debit);
    ctx.bindings.addEnabled(shift, &Book::chkBoxKozaShiftEnabled);
    debitLayout->addWidget(shift);
    options->addWidget(debit);
    options->addStretch(1);
    columns->addLayout(options, 1);

    // The weekend option follows the automatic debit at once.
    auto runner = ctx.run;
    QObject::connect(autoDebit, &QCheckBox::clicked, autoDebit, [runner] { runner(chkBoxKozaAutoClick); });
    return page;
}

}  // namespace kakeibo::shell
