#pragma once
// The summaries page "集計" and its three sub-pages: the weekly, monthly
// and yearly summaries, each with its header bar of period panels and
// commands over its sheets.

#include <QTabWidget>

#include "app/StackedPanels.h"
#include "app/pages/PageContext.h"

class QHBoxLayout;

namespace kakeibo::shell {

inline constexpr int kMonthLeftWidth = 373;
inline constexpr int kMonthSumBandHeight = 48;
inline constexpr int kDesignedWeekH = 168;
inline constexpr int kDesignedYearH = 230;

struct SummaryPages {
    QWidget* page = nullptr;            // TabStat
    QTabWidget* subPageStat = nullptr;  // TabWeek, TabMonth, TabYear
    StackedPanels* week = nullptr;      // pnlWeekH, pnlWeekL
    StackedPanels* month = nullptr;     // pnlMonthRH, pnlMonthRL
    StackedPanels* year = nullptr;      // pnlYearH, pnlYearL
    QWidget* pnlMonthLeft = nullptr;
};

QWidget* buildWeekPage(PageContext& ctx, StackedPanels*& stack, QWidget* parent);
QWidget* buildMonthPage(PageContext& ctx, StackedPanels*& stack, QWidget*& monthLeft, QWidget* parent);
QWidget* buildYearPage(PageContext& ctx, StackedPanels*& stack, QWidget* parent);

// The page with its sub-pages, starting on the yearly summary.
SummaryPages buildSummaryPages(PageContext& ctx, QWidget* parent);

// The "電卓" and "印刷" buttons at the right end of a summary header.
void addToolButtons(PageContext& ctx, QHBoxLayout* row, const char* dentakuName, const char* printName,
                    PrintKind kind, QWidget* bar);

}  // namespace kakeibo::shell
