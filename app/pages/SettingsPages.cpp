#include "app/pages/SettingsPages.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "app/pages/PageWidgets.h"
#include "book/SettingsApply.h"

namespace kakeibo::shell {

QWidget* fixedWidthSheet(PageContext& ctx, Sheet& sheet, int width, QWidget* parent) {
    QWidget* view = ctx.makeSheet(sheet, parent);
    view->setFixedWidth(width);
    return view;
}

SettingsPages buildSettingsPages(PageContext& ctx, QWidget* parent) {
    SettingsPages pages;
    pages.page = new QWidget(parent);
    pages.page->setObjectName(QStringLiteral("TabSetting"));
    auto* layout = new QVBoxLayout(pages.page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    QHBoxLayout* row = nullptr;
    QFrame* bar = makeBar("pnlSetHead", kHeaderBarHeight, row, pages.page);
    auto* apply = makeButton("btnSetPref", QStringLiteral("設定する"), {}, bar);
    auto* dentaku = makeButton("btnDentakuSettei", QStringLiteral("電卓"), kHintDentaku, bar);
    row->addWidget(apply);
    row->addStretch(1);
    row->addWidget(dentaku);
    ctx.onClick(apply, btnSetPrefClick);
    auto calculator = ctx.calculator;
    QObject::connect(dentaku, &QPushButton::clicked, dentaku, [calculator] {
        if (calculator) calculator();
    });
    layout->addWidget(bar);

    pages.subPageSet = new QTabWidget(pages.page);
    pages.subPageSet->setObjectName(QStringLiteral("subPageSet"));
    pages.subPageSet->setDocumentMode(true);
    layout->addWidget(pages.subPageSet, 1);
    pages.subPageSet->addTab(buildGenkinPage(ctx, nullptr), QStringLiteral("現金科目"));
    pages.subPageSet->addTab(buildAccountPage(ctx, pages.accounts, nullptr), QStringLiteral("口座関連科目"));
    pages.subPageSet->addTab(buildShokichiPage(ctx, nullptr), QStringLiteral("初期値"));
    pages.subPageSet->addTab(buildOthersPage(ctx, nullptr), QStringLiteral("その他の設定"));
    pages.subPageSet->setCurrentIndex(3);
    return pages;
}

}  // namespace kakeibo::shell
