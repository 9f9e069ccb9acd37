#include "app/charts/HistoryChartPage.h"

#include <QButtonGroup>
#include <QCategoryAxis>
#include <QChart>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

#include "app/charts/HistoryChartView.h"
#include "book/Book.h"
#include "charts/ChartTexts.h"
#include "charts/HistoryView.h"
#include "charts/ValueRange.h"
#include "model/Dates.h"

namespace kakeibo::shell {

namespace {

// Columns per point drawn: two keep the lines smooth at any zoom.
constexpr int kPixelsPerColumn = 2;
// A date tick every so many pixels at most.
constexpr int kPixelsPerDateTick = 90;

struct RangeButton {
    const char* name;
    const char* caption;
    HistoryRange range;
};
constexpr RangeButton kRangeButtons[] = {{"btnGraphRange1", "1年", HistoryRange::OneYear},
                                         {"btnGraphRange5", "5年", HistoryRange::FiveYears},
                                         {"btnGraphRangeAll", "全期間", HistoryRange::All}};

// The colours of cash, accounts, household and savings in the categorical
// palette: orange, blue, green and purple.
constexpr std::array<std::size_t, 4> kLineColours = {1, 0, 3, 5};

}  // namespace

HistoryChartPage::HistoryChartPage(QWidget* parent) : ChartPage(ChartTab::History, "pageGraphHistory", parent) {
    auto* row = new QHBoxLayout;
    ranges_ = new QButtonGroup(this);
    for (const RangeButton& choice : kRangeButtons) {
        auto* button = new QPushButton(QString::fromUtf8(choice.caption), this);
        button->setObjectName(QString::fromLatin1(choice.name));
        button->setCheckable(true);
        ranges_->addButton(button, static_cast<int>(choice.range));
        row->addWidget(button);
        const HistoryRange range = choice.range;
        connect(button, &QPushButton::clicked, this, [this, range] { chooseRange(range); });
    }
    auto* hint = new QLabel(QStringLiteral("ホイールで拡大・縮小　ドラッグした期間を拡大　右クリックで戻る"), this);
    hint->setObjectName(QStringLiteral("lblGraphHistoryHint"));
    row->addSpacing(12);
    row->addWidget(hint);
    row->addStretch(1);
    pageLayout()->insertLayout(0, row);
    ranges_->button(static_cast<int>(HistoryRange::All))->setChecked(true);

    view_ = new HistoryChartView(new QChart, this);
    view_->setObjectName(QStringLiteral("chartHistory"));
    chartLayout()->addWidget(view_);
    setChartMinimumHeight(320);

    scroll_ = new QScrollBar(Qt::Horizontal, this);
    scroll_->setObjectName(QStringLiteral("scrGraphHistory"));
    pageLayout()->addWidget(scroll_);

    QChart* chart = view_->chart();
    dates_ = makeTickAxis(colours());
    amounts_ = makeTickAxis(colours());
    chart->addAxis(dates_, Qt::AlignBottom);
    chart->addAxis(amounts_, Qt::AlignLeft);
    // The household total first: drawn beneath the rest, and first in the
    // legend as the figure the household goes by.
    lineOf(static_cast<std::size_t>(BalanceLine::Household), 0);
    for (std::size_t k = 0; k < lines_.size(); ++k) lineOf(k, 0);
    applyLook();

    // A selection dragged over the chart zooms the date axis itself.
    connect(dates_, &QValueAxis::rangeChanged, this, [this](qreal min, qreal max) {
        if (!drawing_) showSpan(DateSpan{min, max}, true);
    });
    connect(view_, &HistoryChartView::zoomRequested, this, [this](double factor, double anchor) {
        if (bounds_) showSpan(zoomSpan(span_, factor, anchor, *bounds_), true);
    });
    connect(view_, &HistoryChartView::panRequested, this, [this](double share) {
        if (bounds_) showSpan(panSpan(span_, share * span_.length(), *bounds_), true);
    });
    connect(view_, &HistoryChartView::backRequested, this, [this] { chooseRange(chosen_); });
    connect(scroll_, &QScrollBar::valueChanged, this, [this](int from) {
        if (!drawing_ && bounds_) showSpan(DateSpan{static_cast<double>(from), from + span_.length()}, true);
    });
    connect(chart, &QChart::plotAreaChanged, this, [this] {
        // Drawn again only when the width asks for noticeably more or fewer
        // points; new axis labels change the plot area a little themselves.
        if (!drawing_ && bounds_ && std::abs(columns() - drawnColumns_) > drawnColumns_ / 10) draw();
    });
}

QLineSeries* HistoryChartPage::lineOf(std::size_t kind, std::size_t stretch) {
    std::vector<QLineSeries*>& pool = lines_[kind];
    while (pool.size() <= stretch) {
        auto* series = new QLineSeries;
        series->setName(QString::fromUtf8(balanceLabel(kBalanceLines[kind]).data(),
                                          static_cast<qsizetype>(balanceLabel(kBalanceLines[kind]).size())));
        QChart* chart = view_->chart();
        chart->addSeries(series);
        series->attachAxis(dates_);
        series->attachAxis(amounts_);
        // The legend names each balance once, by its first stretch.
        if (!pool.empty()) {
            for (QLegendMarker* marker : chart->legend()->markers(series)) marker->setVisible(false);
            series->setPen(pool.front()->pen());
        }
        series->setMarkerSize(8);
        pool.push_back(series);
    }
    return pool[stretch];
}

void HistoryChartPage::applyLook() {
    const ChartColours look = colours();
    if (darkLook_ == look.dark) return;
    darkLook_ = look.dark;
    QChart* chart = view_->chart();
    styleChart(chart, look);
    chart->legend()->setAlignment(Qt::AlignBottom);
    for (QCategoryAxis* axis : {dates_, amounts_}) {
        axis->setLabelsFont(chartFont(11));
        axis->setLabelsColor(look.ink);
        axis->setGridLineColor(look.grid);
    }
    for (std::size_t k = 0; k < lines_.size(); ++k) {
        QPen pen(look.categories[kLineColours[k]]);
        pen.setWidthF(2);
        // Broader and beneath the others (see the constructor), so the
        // accounts' line, which it nearly equals, shows within it.
        if (kBalanceLines[k] == BalanceLine::Household) pen.setWidthF(5);
        for (QLineSeries* series : lines_[k]) series->setPen(pen);
    }
}

void HistoryChartPage::refresh(const Book& book) {
    applyLook();
    title_ = chartHeading(ChartTab::History, book);
    std::vector<HistoryPoint> points = historySeries(book.cards);
    const bool displayChanged = display_.comma != book.amountDisplay().comma ||
                                display_.twoDecimals != book.amountDisplay().twoDecimals;
    display_ = book.amountDisplay();
    if (points == points_ && !displayChanged && drawCount_ > 0) return;
    points_ = std::move(points);
    bounds_ = historyBounds(points_);
    if (!bounds_) {
        setHeading(title_);
        showEmpty(chartEmptyText(ChartTab::History));
        return;
    }
    showCharts();
    // A chosen range follows the book (its last card may have moved); a
    // stretch zoomed into stays where it was.
    if (range_) {
        showSpan(*historySpan(points_, *range_), false);
    } else {
        showSpan(span_, false);
    }
}

void HistoryChartPage::chooseRange(HistoryRange range) {
    range_ = range;
    chosen_ = range;
    if (QAbstractButton* button = ranges_->button(static_cast<int>(range))) button->setChecked(true);
    if (const auto span = historySpan(points_, range)) showSpan(*span, false);
}

void HistoryChartPage::showSpan(DateSpan span, bool byUser) {
    if (!bounds_) return;
    if (byUser && range_) {
        range_.reset();
        ranges_->setExclusive(false);
        if (QAbstractButton* checked = ranges_->checkedButton()) checked->setChecked(false);
        ranges_->setExclusive(true);
    }
    span_ = clampSpan(span, *bounds_);
    draw();
}

int HistoryChartPage::columns() const {
    const double width = view_->chart()->plotArea().width();
    return std::max(50, static_cast<int>(width > 10 ? width : 600) / kPixelsPerColumn);
}

void HistoryChartPage::draw() {
    drawing_ = true;
    ++drawCount_;
    drawnColumns_ = columns();
    const HistoryView view = historyView(points_, span_, drawnColumns_);
    // The lines break at the same cards, so stretch i of every balance
    // covers the same days: the household total's is made first, to lie
    // beneath the accounts' there too.
    const auto household = static_cast<std::size_t>(BalanceLine::Household);
    for (std::size_t i = 0; i < view.lines[household].size(); ++i) lineOf(household, i);
    for (std::size_t k = 0; k < view.lines.size(); ++k) {
        const std::vector<PlotLine>& stretches = view.lines[k];
        for (std::size_t i = 0; i < std::max<std::size_t>(stretches.size(), lines_[k].size()); ++i) {
            QList<QPointF> points;
            if (i < stretches.size()) {
                points.reserve(static_cast<qsizetype>(stretches[i].size()));
                for (const PlotPoint& p : stretches[i]) points.append(QPointF(p.x, p.y));
            }
            if (i < stretches.size() || lineOf(k, i)->count() > 0) {
                // A card alone between breaks (or the only one) is a dot,
                // since a line of one point draws nothing.
                lineOf(k, i)->setPointsVisible(points.size() == 1);
                lineOf(k, i)->replace(points);
            }
        }
    }
    const ValueRange range = historyRange(view);
    setAxisScale(amounts_, amountScale(range.low, range.high, 6, display_));
    const int dateTickCount = std::max(2, static_cast<int>(view_->chart()->plotArea().width()) / kPixelsPerDateTick);
    setAxisTicks(dates_, dateTicks(span_, dateTickCount), span_.from, span_.to);
    setHeading(title_ + "　" + dateToText(0, std::ceil(span_.from)) + " ～ " +
               dateToText(0, std::floor(span_.to)));
    syncScrollBar();
    drawing_ = false;
}

void HistoryChartPage::syncScrollBar() {
    const int length = static_cast<int>(std::lround(span_.length()));
    scroll_->setRange(static_cast<int>(std::floor(bounds_->from)), static_cast<int>(std::ceil(bounds_->to)) - length);
    scroll_->setPageStep(std::max(1, length));
    scroll_->setSingleStep(std::max(1, length / 20));
    scroll_->setValue(static_cast<int>(std::lround(span_.from)));
    scroll_->setEnabled(scroll_->maximum() > scroll_->minimum());
}

}  // namespace kakeibo::shell
