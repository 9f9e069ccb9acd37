// The graph window driven as a person would: opened from each summary
// page's "グラフ" and from 出力 > グラフ…, its tabs clicked, following the
// pages' navigation, 集計 and amount display, its charts agreeing with the
// tables, and its place kept in the window settings file beside the main
// window's.

#include <QCategoryAxis>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>

#include "app/charts/ChartPage.h"
#include "book/WeekYearSummary.h"
#include "charts/ChartWindowSettings.h"
#include "storage/FileNames.h"
#include "storage/IniFile.h"
#include "ChartTestWindow.h"
#include "TestRegistry.h"

using namespace kakeibo;
using kakeibo::shell::ChartWindow;
using kakeibo::testing::ChartTestWindow;
using kakeibo::testing::usedBars;

namespace {

// The labels of a chart's amount axis, from the bottom up.
QStringList amountLabels(QWidget* chartView) {
    auto* view = qobject_cast<QChartView*>(chartView);
    const QList<QAbstractAxis*> axes = view->chart()->axes(Qt::Vertical);
    auto* axis = axes.isEmpty() ? nullptr : qobject_cast<QCategoryAxis*>(axes.front());
    return axis ? axis->categoriesLabels() : QStringList();
}

void clickTab(QTabWidget* tabs, ChartTab tab) {
    QTabBar* bar = tabs->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(static_cast<int>(tab)).center());
}

}  // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void eachSummaryPageOpensItsOwnTabAndTheMenuTheShownOne() {
        ChartTestWindow w;
        const std::pair<SubPage, ChartTab> pages[] = {
            {SubPage::TabWeek, ChartTab::Week}, {SubPage::TabMonth, ChartTab::Month}, {SubPage::TabYear, ChartTab::Year}};
        for (const auto& [subPage, tab] : pages) {
            w.form->showPage(Page::TabStat, subPage);
            w.click("btnGraph");
            QVERIFY(w.charts());
            QVERIFY(w.charts()->isVisible());
            QCOMPARE(w.charts()->currentTab(), tab);
        }
        // One window, raised again rather than made anew.
        QCOMPARE(w.form->findChildren<ChartWindow*>().size(), qsizetype{1});
        clickTab(w.find<QTabWidget>("tabGraph"), ChartTab::History);
        w.click("btnGraphClose");
        QVERIFY(!w.charts()->isVisible());

        // The menu item comes after the original items of 出力 and is never greyed.
        QMenu* output = w.form->findChild<QMenu*>(QStringLiteral("Output1"));
        QAction* item = w.form->findChild<QAction*>(QStringLiteral("mnuGraph"));
        QCOMPARE(item->text(), QStringLiteral("グラフ…"));
        QCOMPARE(output->actions().back(), item);
        QCOMPARE(output->actions().at(output->actions().size() - 3)->objectName(), QStringLiteral("mnuSaveTextMemo"));
        w.form->Output1Click();
        QVERIFY(item->isEnabled());
        // From the day page: the tab last shown; from 月間集計: its tab.
        w.form->showPage(Page::TabInput);
        item->trigger();
        QCOMPARE(w.charts()->currentTab(), ChartTab::History);
        QVERIFY(QTest::qWaitForWindowActive(w.charts()));
        QTest::keyClick(w.charts(), Qt::Key_Escape);
        QVERIFY(!w.charts()->isVisible());
        w.form->showPage(Page::TabStat, SubPage::TabMonth);
        item->trigger();
        QCOMPARE(w.charts()->currentTab(), ChartTab::Month);
    }

    void theMonthTabFollowsThePageAndAgreesWithItsTable() {
        ChartTestWindow w;
        const Ymd ymd = splitDate(w.book().today());
        const Date thisMonth = dayOf(ymd.year, ymd.month, 1);
        const Date lastMonth = ymd.month == 1 ? dayOf(ymd.year - 1, 12, 1) : dayOf(ymd.year, ymd.month - 1, 1);
        w.enterCard(lastMonth + 2, "食費", 1200);
        w.enterCard(thisMonth, "食費", 4500);  // over its budget of 3,000
        w.sumMonth(lastMonth);
        w.form->runCommand([thisMonth](Book& book) {
            storeTheMonth(book);
            dispTheMonth(book, thisMonth);  // shown, not summed
        });
        w.form->showPage(Page::TabStat, SubPage::TabMonth);
        w.click("btnGraph");
        QVERIFY(w.find("pageGraphMonthEmpty")->isVisible());
        QVERIFY(!w.find<QPushButton>("btnGraphSavePng")->isEnabled());
        QVERIFY(!w.find<QPushButton>("btnGraphPrint")->isEnabled());

        // The page's own 集計: the chart follows at once.
        w.click("btnSumMonth");
        QTRY_VERIFY(w.find("chartMonthBudget")->isVisible());
        QVERIFY(w.find<QPushButton>("btnGraphSavePng")->isEnabled());
        QVERIFY(w.text("pageGraphMonthHeading").startsWith(QString::fromStdString(w.book().pnlYearSum)));
        QVERIFY(w.text("lblGraphMonthTotals").contains(QStringLiteral("支出合計　4,500")));
        const Sheet& sheet = w.book().GridMonthShishutu;
        QList<qreal> fromSheet;
        for (int row = 1; row < sheet.rowCount(); ++row) {
            const double used = textToAmount(sheet.cell(1, row));
            const double budget = textToAmount(sheet.cell(2, row));
            if (!sheet.cell(0, row).empty() && (used != 0 || budget != 0)) fromSheet << used;
        }
        QCOMPARE(usedBars(w.find("chartMonthBudget")), fromSheet);
        auto* bars = qobject_cast<QChartView*>(w.find("chartMonthBudget"));
        QBarSet* used = qobject_cast<QHorizontalBarSeries*>(bars->chart()->series().front())->barSets().at(1);
        QCOMPARE(used->selectedBars().size(), qsizetype{1});  // 食費, over budget, in red
        QCOMPARE(used->at(used->selectedBars().front()), 4500.0);
        QVERIFY(w.text("lblGraphMonthShares").contains(QStringLiteral("食費 4,500 (100%)")));

        // The page's previous record: the chart goes with it.
        w.click("btnGoPrevMonth");
        QTRY_VERIFY(usedBars(w.find("chartMonthBudget")).contains(1200.0));
        QVERIFY(w.text("pageGraphMonthHeading").contains(QString::fromStdString(w.book().pnlMonthStart)));
    }

    void theWeekAndYearTabsFollowTheirPagesSumsAndNavigation() {
        ChartTestWindow w;
        const Date today = w.book().today();
        w.enterCard(today, "食費", 800, false);
        w.form->showPage(Page::TabStat, SubPage::TabWeek);
        w.click("btnGraph");
        QVERIFY(w.find("pageGraphWeekEmpty")->isVisible());
        w.click("btnSumWeek");
        QTRY_VERIFY(w.find("chartWeek")->isVisible());
        const QString thisWeek = w.text("pageGraphWeekHeading");
        QCOMPARE(thisWeek,
                 QString::fromStdString(w.book().pnlYearWeek + " 年　第 " + w.book().pnlWeekWeek + " 週"));
        // A week before, chosen on the page: never summed, so nothing to draw.
        const Ymd before = splitDate(today - 7);
        w.ui.pushCalendar(CalendarResult{true, before.year, before.month, before.day});
        w.click("btnGoAnyWeek");
        QTRY_VERIFY(w.find("pageGraphWeekEmpty")->isVisible());
        QVERIFY(w.text("pageGraphWeekHeading") != thisWeek);
        w.click("btnGoNextWeek");
        QTRY_COMPARE(w.text("pageGraphWeekHeading"), thisWeek);
        QVERIFY(w.find("chartWeek")->isVisible());

        w.form->showPage(Page::TabStat, SubPage::TabYear);
        w.click("btnGraph");
        QCOMPARE(w.charts()->currentTab(), ChartTab::Year);
        QVERIFY(w.find("pageGraphYearEmpty")->isVisible());
        w.sumMonth(getMonthKey(today, w.book().shonichi()));
        w.click("btnSumYear");
        QTRY_VERIFY(w.find("chartYear")->isVisible());
        const int year = splitDate(today).year;
        QCOMPARE(w.text("pageGraphYearHeading"), QStringLiteral("%1 年").arg(year));
        w.ui.pushYearMonth(year - 1, 1);
        w.click("btnGoAnyYear");
        QTRY_COMPARE(w.text("pageGraphYearHeading"), QStringLiteral("%1 年").arg(year - 1));
        QVERIFY(w.find("pageGraphYearEmpty")->isVisible());
    }

    // A tab clicked shows the book as it is now, though it changed while
    // another tab was on the screen; the amounts follow the display setting.
    void aTabClickedShowsWhatChangedMeanwhileInTheAmountDisplayOfTheBook() {
        ChartTestWindow w;
        const Date today = w.book().today();
        w.enterCard(today, "食費", 54321);
        w.form->runCommand([today](Book& book) {
            storeWeekAndYear(book);
            dispTheWY(book, kWeekMode, today);
            btnSumWeekClick(book);
        });
        w.form->mnuGraphClick();
        auto* tabs = w.find<QTabWidget>("tabGraph");
        clickTab(tabs, ChartTab::Week);
        QCOMPARE(w.charts()->currentTab(), ChartTab::Week);
        QVERIFY(amountLabels(w.find("chartWeek")).contains(QStringLiteral("60,000")));

        clickTab(tabs, ChartTab::History);
        QVERIFY(w.find("chartHistory")->isVisible());
        w.form->runCommand([](Book& book) { book.chkBoxComma = false; });
        w.enterCard(today, "食費", 12345);
        w.form->runCommand([today](Book& book) {
            storeWeekAndYear(book);
            dispTheWY(book, kWeekMode, today);
            btnSumWeekClick(book);
        });
        clickTab(tabs, ChartTab::Week);
        const QStringList labels = amountLabels(w.find("chartWeek"));
        QVERIFY2(labels.contains(QStringLiteral("15000")), qPrintable(labels.join(' ')));
        QVERIFY(!labels.join(' ').contains(QLatin1Char(',')));
    }

    void itsPlaceAndTabAreKeptBesideTheMainWindowsSettings() {
        ChartTestWindow w;
        w.form->mnuGraphClick();
        ChartWindow* charts = w.charts();
        clickTab(w.find<QTabWidget>("tabGraph"), ChartTab::Year);
        charts->resize(777, 555);
        charts->move(123, 45);
        charts->close();
        w.form->close();
        const std::optional<IniFile> ini = IniFile::load(iniFileName(w.dir.path() + "/"));
        QVERIFY(ini);
        const ChartWindowSettings kept = loadChartWindowSettings(*ini);
        QCOMPARE(kept.tab, ChartTab::Year);
        QCOMPARE(kept.width, std::optional(777));
        QCOMPARE(kept.height, std::optional(555));
        QCOMPARE(kept.left, std::optional(charts->x()));
        QVERIFY(ini->value("Form", "Left"));  // the main window's keys are there as ever
        QVERIFY(ini->value("Panel", "MonthSummary"));

        w.form.reset();
        w.start();
        w.form->mnuGraphClick();
        QCOMPARE(w.charts()->currentTab(), ChartTab::Year);
        QCOMPARE(w.charts()->size(), QSize(777, 555));
    }

    void theGraphButtonMovesNoControlOfTheSummaryPages() {
        ChartTestWindow w;
        auto* subPages = w.find<QTabWidget>("subPageStat");
        QWidget* graph = w.find("btnGraph");
        QCOMPARE(subPages->cornerWidget(Qt::TopRightCorner), graph);
        // Where every control of the shown summary page and every tab is,
        // in the main window.
        auto places = [&] {
            QApplication::processEvents();
            QList<QRect> rects;
            QWidget* shown = subPages->currentWidget();
            for (QWidget* child : shown->findChildren<QWidget*>())
                rects << QRect(child->mapTo(w.form.get(), QPoint()), child->size());
            rects << QRect(shown->mapTo(w.form.get(), QPoint()), shown->size());
            for (int i = 0; i < subPages->count(); ++i)
                rects << subPages->tabBar()->tabRect(i).translated(subPages->tabBar()->mapTo(w.form.get(), QPoint()));
            return rects;
        };
        for (const SubPage subPage : {SubPage::TabWeek, SubPage::TabMonth, SubPage::TabYear}) {
            w.form->showPage(Page::TabStat, subPage);
            const QList<QRect> with = places();
            graph->hide();
            QCOMPARE(places(), with);
            graph->show();
        }
    }
};

KAKEIBO_REGISTER_TEST(ChartWindowTest);
#include "ChartWindowTest.moc"
