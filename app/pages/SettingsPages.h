#pragma once
// The settings page "設定": its four sub-pages of settings sheets, bank
// names and options, and the button "設定する" that applies them.

#include <QTabWidget>

#include "app/StackedPanels.h"
#include "app/pages/PageContext.h"

namespace kakeibo::shell {

struct SettingsPages {
    QWidget* page = nullptr;           // TabSetting
    QTabWidget* subPageSet = nullptr;  // TabGenkin, TabAccount, TabShokichi, TabOthers
    StackedPanels* accounts = nullptr; // pnlKoza0..pnlKoza3
};

QWidget* buildGenkinPage(PageContext& ctx, QWidget* parent);
QWidget* buildAccountPage(PageContext& ctx, StackedPanels*& stack, QWidget* parent);
QWidget* buildShokichiPage(PageContext& ctx, QWidget* parent);
QWidget* buildOthersPage(PageContext& ctx, QWidget* parent);

// The page with its sub-pages, starting on "その他の設定".
SettingsPages buildSettingsPages(PageContext& ctx, QWidget* parent);

// A sheet view of a fixed width: the width its columns need, plus room for
// a scroll bar where the sheet can grow.
QWidget* fixedWidthSheet(PageContext& ctx, Sheet& sheet, int width, QWidget* parent);

}  // namespace kakeibo::shell
