#pragma once
// The daily-record page "日々の記録": the header bar with the card's date
// and the card commands, the entry sheets on the left, budget, summary and
// the day's memo on the right, and the footer.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/StackedPanels.h"
#include "app/pages/PageContext.h"

namespace kakeibo::shell {

struct DayPage {
    QWidget* page = nullptr;  // TabInput
    StackedPanels* left = nullptr;   // pnlLeft: pnlL0, pnlL1, pnlL2
    StackedPanels* right = nullptr;  // pnlRight: pnlR0, pnlR1, pnlR2
    QWidget* pnlLeft = nullptr;
    QWidget* GridShishutu = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    QPushButton* btnCalc = nullptr;
};

inline constexpr int kDayLeftWidth = 370;

DayPage buildDayPage(PageContext& ctx, QWidget* parent);

}  // namespace kakeibo::shell
