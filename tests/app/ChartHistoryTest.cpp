// 推移, the balances over time, driven with the mouse and the keys: the
// ranges "1年", "5年" and "全期間", the wheel, a dragged stretch, the arrow
// keys, the scroll bar and a right click, all drawn from the points held
// without reading the book again; a card never calculated breaks the lines;
// a calculation shows at once.

#include <QLineSeries>
#include <QScrollBar>

#include "app/charts/HistoryChartPage.h"
#include "app/charts/HistoryChartView.h"
#include "charts/HistorySeries.h"
#include "charts/HistorySpan.h"
#include "ChartTestWindow.h"
#include "support/CardEdit.h"
#include "TestRegistry.h"

using namespace kakeibo;
using kakeibo::shell::HistoryChartPage;
using kakeibo::testing::ChartTestWindow;
using kakeibo::testing::wheel;

namespace {

constexpr int kDays = 800;
constexpr int kUncalculatedDay = 600;

// 800 cards from 1 January 2024 (to 10 March 2026), all calculated but the
// one of 23 August 2025, the graph window open on 推移.
HistoryChartPage* openOnHistory(ChartTestWindow& w) {
    w.form->runCommand([](Book& book) {
        const Date first = dayOf(2024, 1, 1);
        for (int i = 0; i < kDays; ++i) {
            const auto found = book.cards.find(first + i);
            const int index = found ? *found : book.cards.insert(first + i);
            if (i == kUncalculatedDay) continue;
            CardEdit card = editCard(book.cards, index);
            card.budgetList = {TYosan{"食費", 0, 0}};
            card.summaryList.assign(19, TMatome{"", 0});
            card.summaryList[3].amount = 1000.0 + i;   // cash
            card.summaryList[4].amount = 50000.0 - i;  // accounts
            card.summaryList[5].amount = 51000.0;      // household
        }
        dispTheDay(book, book.cards.lastDate());
    });
    w.form->mnuGraphClick();
    w.charts()->showTab(ChartTab::History);
    return qobject_cast<HistoryChartPage*>(w.charts()->page(ChartTab::History));
}

QWidget* viewport(HistoryChartPage* page) { return page->view()->viewport(); }

// Where a date lies across the chart's viewport.
int xOf(HistoryChartPage* page, double date) {
    QChart* chart = page->view()->chart();
    const QPointF inChart = chart->mapToPosition(QPointF(date, 0));
    return page->view()->mapFromScene(chart->mapToScene(inChart)).x();
}

// The line series of one balance, in the order the chart draws them, and
// how many of them hold points.
QList<QLineSeries*> seriesOf(HistoryChartPage* page, BalanceLine line) {
    QList<QLineSeries*> found;
    const QString name = QString::fromUtf8(balanceLabel(line).data(), static_cast<qsizetype>(balanceLabel(line).size()));
    for (QAbstractSeries* series : page->view()->chart()->series())
        if (series->name() == name) found << qobject_cast<QLineSeries*>(series);
    return found;
}
int drawnStretches(const QList<QLineSeries*>& series) {
    return static_cast<int>(std::count_if(series.begin(), series.end(), [](QLineSeries* s) { return s->count() > 0; }));
}

}  // namespace

class ChartHistoryTest : public QObject {
    Q_OBJECT
private slots:
    void theRangesWheelKeysAndBarDrawFromThePointsHeld() {
        ChartTestWindow w;
        HistoryChartPage* page = openOnHistory(w);
        QVERIFY(page->hasChart());
        QCOMPARE(page->span().from, dayOf(2024, 1, 1));
        QVERIFY(w.find<QPushButton>("btnGraphRangeAll")->isChecked());

        w.click("btnGraphRange1");
        QCOMPARE(page->range(), std::optional(HistoryRange::OneYear));
        QCOMPARE(page->span(), (DateSpan{dayOf(2025, 3, 10), dayOf(2026, 3, 10)}));  // the last card and a year back
        w.click("btnGraphRange5");
        QCOMPARE(page->span().from, dayOf(2024, 1, 1));  // five years back is before the first card
        w.click("btnGraphRange1");

        const DateSpan year = page->span();
        const int drawn = page->drawCount();
        wheel(page->view(), 1);
        QVERIFY(page->span().length() < year.length());
        QVERIFY(!page->range());
        QVERIFY(!w.find<QPushButton>("btnGraphRange1")->isChecked());
        QCOMPARE(page->drawCount(), drawn + 1);
        wheel(page->view(), -3);  // out again, past the year
        QVERIFY(page->span().length() > year.length());

        // The keys: left pans back in time, + narrows, - widens.
        page->view()->setFocus();
        DateSpan before = page->span();
        QTest::keyClick(page->view(), Qt::Key_Left);
        QCOMPARE(page->span().length(), before.length());
        QVERIFY(page->span().from < before.from);
        before = page->span();
        QTest::keyClick(page->view(), Qt::Key_Plus);
        QVERIFY(page->span().length() < before.length());

        // The scroll bar pans too, never past the first card.
        auto* scroll = w.find<QScrollBar>("scrGraphHistory");
        scroll->setValue(scroll->minimum());
        QCOMPARE(page->span().from, dayOf(2024, 1, 1));

        // A command that changes no card draws nothing again.
        const int idle = page->drawCount();
        w.form->runCommand([](Book&) {});
        QTest::qWait(20);
        QCOMPARE(page->drawCount(), idle);
        // A right click goes back to the range last chosen.
        QTest::mouseClick(viewport(page), Qt::RightButton);
        QCOMPARE(page->range(), std::optional(HistoryRange::OneYear));
        QCOMPARE(page->span(), year);
    }

    void aStretchDraggedOverTheChartIsZoomedInto() {
        ChartTestWindow w;
        HistoryChartPage* page = openOnHistory(w);
        const Date from = dayOf(2024, 6, 1);
        const Date to = dayOf(2024, 9, 1);
        const int y = viewport(page)->height() / 2;
        QTest::mousePress(viewport(page), Qt::LeftButton, {}, QPoint(xOf(page, from), y));
        QTest::mouseMove(viewport(page), QPoint(xOf(page, (from + to) / 2), y));
        QTest::mouseMove(viewport(page), QPoint(xOf(page, to), y));
        QTest::mouseRelease(viewport(page), Qt::LeftButton, {}, QPoint(xOf(page, to), y));
        // Within a pixel's worth of days (800 days over some 700 pixels).
        QVERIFY2(std::abs(page->span().from - from) < 3 && std::abs(page->span().to - to) < 3,
                 qPrintable(QStringLiteral("%1 .. %2").arg(page->span().from - from).arg(page->span().to - to)));
        QVERIFY(!page->range());
        QVERIFY(w.text("pageGraphHistoryHeading").contains(QStringLiteral("2024/6/")));
    }

    void aCardNeverCalculatedBreaksEveryLineWithTheHouseholdBeneath() {
        ChartTestWindow w;
        HistoryChartPage* page = openOnHistory(w);
        // At a year's width a day is about two pixels: the break shows.
        w.click("btnGraphRange1");
        const QList<QLineSeries*> household = seriesOf(page, BalanceLine::Household);

        const QList<QLineSeries*> accounts = seriesOf(page, BalanceLine::Accounts);
        QCOMPARE(drawnStretches(household), 2);
        QCOMPARE(drawnStretches(accounts), 2);
        QCOMPARE(drawnStretches(seriesOf(page, BalanceLine::Cash)), 2);
        const Date gap = dayOf(2024, 1, 1) + kUncalculatedDay;
        QCOMPARE(household[0]->at(household[0]->count() - 1).x(), gap - 1);
        QCOMPARE(household[1]->at(0).x(), gap + 1);
        // No stretch drops to zero on the way.
        for (QLineSeries* stretch : household)
            for (const QPointF& p : stretch->points()) QCOMPARE(p.y(), 51000.0);
        // The broad household line is drawn before the accounts' of each
        // stretch, so the accounts' shows within it.
        const QList<QAbstractSeries*> order = page->view()->chart()->series();
        for (int i = 0; i < 2; ++i) QVERIFY(order.indexOf(household[i]) < order.indexOf(accounts[i]));
    }

    void aCalculationShowsAtOnceAndAZoomedStretchStays() {
        ChartTestWindow w;
        HistoryChartPage* page = openOnHistory(w);
        const Date next = dayOf(2024, 1, 1) + kDays;
        w.form->runCommand([next](Book& book) {
            storeTheDay(book);
            dispTheDay(book, next);
            btnCalcMouseUp(book, false);
            storeTheDay(book);
        });
        QTRY_COMPARE(page->span().to, next);  // 全期間 reaches the new card
        wheel(page->view(), 2);
        const DateSpan zoomed = page->span();
        w.form->runCommand([next](Book& book) {
            storeTheDay(book);
            dispTheDay(book, next + 1);
            btnCalcMouseUp(book, false);
            storeTheDay(book);
        });
        QTest::qWait(20);
        QCOMPARE(page->span(), zoomed);
    }
};

KAKEIBO_REGISTER_TEST(ChartHistoryTest);
#include "ChartHistoryTest.moc"
