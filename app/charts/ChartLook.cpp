#include "app/charts/ChartLook.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegend>
#include <QPalette>

#include "app/Fonts.h"

namespace kakeibo::shell {

ChartColours chartColours(const QPalette& palette) {
    ChartColours c;
    c.dark = palette.color(QPalette::Window).lightness() < 128;
    // A categorical palette that keeps its contrast on white and on the dark
    // grey of a dark theme; the dark theme takes lighter tints of it.
    const std::vector<QColor> base = {QColor(0x4E, 0x79, 0xA7), QColor(0xF2, 0x8E, 0x2B), QColor(0x76, 0xB7, 0xB2),
                                      QColor(0x59, 0xA1, 0x4F), QColor(0xED, 0xC9, 0x48), QColor(0xB0, 0x7A, 0xA1),
                                      QColor(0xFF, 0x9D, 0xA7), QColor(0x9C, 0x75, 0x5F)};
    for (const QColor& colour : base) c.categories.push_back(c.dark ? colour.lighter(120) : colour);
    c.others = c.dark ? QColor(0x9A, 0x9A, 0x9A) : QColor(0xA0, 0xA0, 0xA0);
    c.ink = c.dark ? QColor(0xEE, 0xEE, 0xEE) : QColor(0x22, 0x22, 0x22);
    c.spending = c.dark ? QColor(0xF5, 0xA6, 0x5B) : QColor(0xE0, 0x76, 0x10);
    c.income = c.dark ? QColor(0x7F, 0xAE, 0xDB) : QColor(0x2F, 0x5F, 0x98);
    c.overBudget = c.dark ? QColor(0xFF, 0x6B, 0x6B) : QColor(0xD6, 0x27, 0x28);
    c.budget = c.dark ? QColor(0x80, 0x80, 0x80) : QColor(0xC8, 0xC8, 0xC8);
    c.grid = c.dark ? QColor(0x55, 0x55, 0x55) : QColor(0xDD, 0xDD, 0xDD);
    return c;
}

QFont chartFont(int pixelSize, bool bold) {
    QFont font(QString::fromUtf8(kUiFontFamily));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

void styleChart(QChart* chart, const ChartColours& colours) {
    chart->setTheme(colours.dark ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setAnimationOptions(QChart::NoAnimation);
    chart->setBackgroundRoundness(0);
    // Room on the right for the label of an axis' last tick.
    chart->setMargins(QMargins(6, 6, 28, 6));
    chart->setTitleFont(chartFont(14, true));
    chart->setTitleBrush(colours.ink);
    chart->legend()->setFont(chartFont(12));
    chart->legend()->setLabelColor(colours.ink);
}

void setAxisTicks(QCategoryAxis* axis, const std::vector<Tick>& ticks, double min, double max) {
    for (const QString& label : axis->categoriesLabels()) axis->remove(label);
    axis->setStartValue(min);
    for (const Tick& tick : ticks) axis->append(QString::fromStdString(tick.label), tick.value);
    axis->setRange(min, max);
}

void setAxisScale(QCategoryAxis* axis, const AxisScale& scale) {
    setAxisTicks(axis, scale.ticks, scale.min, scale.max);
}

QCategoryAxis* makeTickAxis(const ChartColours& colours) {
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setLabelsFont(chartFont(11));
    axis->setLabelsColor(colours.ink);
    axis->setGridLineColor(colours.grid);
    return axis;
}

}  // namespace kakeibo::shell

#include <QBarSet>
#include <QChartView>
#include <QCursor>
#include <QToolTip>

namespace kakeibo::shell {

QChartView* makeChartView(const char* name, QWidget* parent) {
    auto* view = new QChartView(new QChart, parent);
    view->setObjectName(QString::fromLatin1(name));
    view->setRenderHint(QPainter::Antialiasing);
    view->setMinimumSize(200, 160);
    return view;
}

void clearChart(QChart* chart) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
}

void tipOnHover(QBarSet* set, const QStringList& categories, AmountDisplay display) {
    QObject::connect(set, &QBarSet::hovered, set, [set, categories, display](bool on, int index) {
        if (!on || index < 0 || index >= categories.size()) {
            QToolTip::hideText();
            return;
        }
        const QString amount = QString::fromStdString(formatAmount(set->at(index), display));
        QToolTip::showText(QCursor::pos(), categories[index] + QStringLiteral("　") + set->label() +
                                               QStringLiteral("　") + amount);
    });
}

}  // namespace kakeibo::shell
