#pragma once
// How every chart of the graph window looks: light or dark after the
// desktop's own theme, colours that read on both, the program's Japanese
// font, and amount and date axes labelled by the core's ticks.

#include <QColor>
#include <QFont>
#include <QStringList>

#include <vector>

#include "charts/AxisTicks.h"

class QCategoryAxis;
class QChart;
class QPalette;
class QWidget;

namespace kakeibo::shell {

// A chart's colours for one theme.
struct ChartColours {
    bool dark = false;
    QColor ink;          // text and the income line
    QColor spending;     // the week's spending, the month's use within budget
    QColor income;       // the week's income
    QColor overBudget;   // a use past its budget
    QColor budget;       // the budget beside the use
    QColor grid;
    std::vector<QColor> categories;  // the largest categories in turn; "その他" after them
    QColor others;
};

// The colours for the palette a widget has (dark when its window is dark).
ChartColours chartColours(const QPalette& palette);

// Dark or light theme, the program's font in titles, legend and labels,
// margins that leave room for Japanese labels.
void styleChart(QChart* chart, const ChartColours& colours);

QFont chartFont(int pixelSize, bool bold = false);

// The axis shows ticks (labels at their values, grid lines through them)
// over [min, max].
void setAxisTicks(QCategoryAxis* axis, const std::vector<Tick>& ticks, double min, double max);
void setAxisScale(QCategoryAxis* axis, const AxisScale& scale);
// A new amount or date axis, styled.
QCategoryAxis* makeTickAxis(const ChartColours& colours);

}  // namespace kakeibo::shell

class QBarSet;
class QChartView;

namespace kakeibo::shell {

// A chart view named name, drawing smoothly, its chart empty.
QChartView* makeChartView(const char* name, QWidget* parent);
// Takes every series and axis off the chart, to build it again.
void clearChart(QChart* chart);
// Hovering a bar says its category, its set and its amount.
void tipOnHover(QBarSet* set, const QStringList& categories, AmountDisplay display);

}  // namespace kakeibo::shell
