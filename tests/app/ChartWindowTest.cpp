// The graph window driven as a person would: opened from each summary
// page's "グラフ" and from 出力 > グラフ…, following the pages' navigation and
// 集計, its charts agreeing with the tables, zoom and pan of the history,
// the picture saved as PNG, printed into a PDF, and its place kept in the
// window settings file beside the main window's.

#include <QApplication>
#include <QBarSet>
#include <QChartView>
#include <QFile>
#include <QHorizontalBarSeries>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWheelEvent>

#include <memory>

#include "app/TForm1.h"
#include "app/charts/ChartPage.h"
#include "app/charts/ChartWindow.h"
#include "app/charts/HistoryChartPage.h"
#include "app/charts/HistoryChartView.h"
#include "book/Book.h"
#include "book/DayCalculation.h"
#include "book/DayDisplay.h"
#include "book/MonthSummary.h"
#include "book/SettingsApply.h"
#include "book/Stores.h"
#include "book/WeekYearSummary.h"
#include "charts/ChartWindowSettings.h"
#include "charts/HistorySpan.h"
#include "sheets/AmountText.h"
#include "storage/FileNames.h"
#include "storage/IniFile.h"
#include "support/FixedToday.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "TestRegistry.h"

using namespace kakeibo;
using kakeibo::shell::ChartPage;
using kakeibo::shell::ChartWindow;
using kakeibo::shell::HistoryChartPage;

namespace {

// The main window with its summary pages built, over two cash categories
// and one income category.
struct Window {
    TempDir dir;
    ScriptedUi ui;
    std::unique_ptr<TForm1> form;

    Window() { start(); }
    void start() {
        form = std::make_unique<TForm1>(dir.path(), ui);
        form->show();
        (void)QTest::qWaitForWindowExposed(form.get());
        form->buildHiddenPages();
        form->runCommand([](Book& book) {
            book.GridSetGenkinOut.setCell(0, 1, "食費");
            book.GridSetGenkinOut.setCell(1, 1, "3000");
            book.GridSetGenkinOut.setCell(0, 2, "日用品");
            book.GridSetGenkinOut.setCell(1, 2, "5000");
            book.GridSetGenkinIn.setCell(0, 1, "お小遣い");
            book.chkBoxComma = true;
            settingAll(book);
        });
        ui.clear();
    }
    ~Window() {
        if (form) form->close();
    }

    template <typename T = QWidget>
    T* find(const char* name) const {
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (T* found = top->findChild<T*>(QString::fromLatin1(name))) return found;
            if (top->objectName() == QLatin1String(name)) return qobject_cast<T*>(top);
        }
        return nullptr;
    }
    ChartWindow* charts() const { return find<ChartWindow>("FormGraph"); }
    QString text(const char* label) const { return find<QLabel>(label)->text(); }

    // A card with one spending line, calculated when asked.
    void enterCard(Date date, const char* category, double amount, bool calculate = true) {
        form->runCommand([=](Book& book) {
            storeTheDay(book);
            dispTheDay(book, date);
            book.GridShishutu.setCell(0, 1, "買い物");
            book.GridShishutu.setCell(1, 1, amountToText(amount));
            book.GridShishutu.setCell(2, 1, category);
            if (calculate) btnCalcMouseUp(book, false);
            storeTheDay(book);
        });
    }
    void sumMonth(Date key) {
        form->runCommand([key](Book& book) {
            storeTheMonth(book);
            dispTheMonth(book, key);
            btnSumMonthClick(book);
        });
    }
};

// The values of the "使用額" bars, top row first.
QList<qreal> usedBars(QWidget* chartView) {
    auto* view = qobject_cast<QChartView*>(chartView);
    if (!view || view->chart()->series().isEmpty()) return {};
    auto* series = qobject_cast<QHorizontalBarSeries*>(view->chart()->series().front());
    QList<qreal> values;
    QBarSet* used = series->barSets().at(1);
    for (int i = used->count() - 1; i >= 0; --i) values << used->at(i);
    return values;
}

void wheel(QWidget* view, int notches) {
    QWidget* port = qobject_cast<QChartView*>(view)->viewport();
    const QPointF at(port->width() / 2.0, port->height() / 2.0);
    QWheelEvent event(at, port->mapToGlobal(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(port, &event);
}

}  // namespace

class ChartWindowTest : public QObject {
    Q_OBJECT
private slots:
    void eachSummaryPageOpensItsOwnTabAndTheMenuTheShownOne() {
        Window w;
        const std::pair<SubPage, ChartTab> pages[] = {
            {SubPage::TabWeek, ChartTab::Week}, {SubPage::TabMonth, ChartTab::Month}, {SubPage::TabYear, ChartTab::Year}};
        for (const auto& [subPage, tab] : pages) {
            w.form->showPage(Page::TabStat, subPage);
            w.find<QPushButton>("btnGraph")->click();
            QVERIFY(w.charts());
            QVERIFY(w.charts()->isVisible());
            QCOMPARE(w.charts()->currentTab(), tab);
        }
        // One window, raised again rather than made anew.
        QCOMPARE(w.form->findChildren<ChartWindow*>().size(), qsizetype{1});
        w.find<QTabWidget>("tabGraph")->setCurrentIndex(static_cast<int>(ChartTab::History));
        w.charts()->close();

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
        w.form->showPage(Page::TabStat, SubPage::TabMonth);
        item->trigger();
        QCOMPARE(w.charts()->currentTab(), ChartTab::Month);
    }

    void theMonthTabFollowsThePageAndAgreesWithItsTable() {
        Window w;
        const Date today = w.form->book().today();
        const Ymd ymd = splitDate(today);
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
        w.find<QPushButton>("btnGraph")->click();
        QVERIFY(w.find("pageGraphMonthEmpty")->isVisible());
        QVERIFY(!w.find<QPushButton>("btnGraphSavePng")->isEnabled());

        // The page's own 集計: the chart follows at once.
        w.find<QPushButton>("btnSumMonth")->click();
        QTRY_VERIFY(w.find("chartMonthBudget")->isVisible());
        QVERIFY(w.text("pageGraphMonthHeading").startsWith(QString::fromStdString(w.form->book().pnlYearSum)));
        QVERIFY(w.text("lblGraphMonthTotals").contains(QStringLiteral("支出合計　4,500")));
        const Sheet& sheet = w.form->book().GridMonthShishutu;
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

        // The page's previous record: the chart goes with it.
        w.find<QPushButton>("btnGoPrevMonth")->click();
        QTRY_VERIFY(usedBars(w.find("chartMonthBudget")).contains(1200.0));
        QVERIFY(w.text("pageGraphMonthHeading").contains(QString::fromStdString(w.form->book().pnlMonthStart)));
    }

    void theWeekAndYearTabsShowTheirPagesSums() {
        Window w;
        const Date today = w.form->book().today();
        w.enterCard(today, "食費", 800, false);
        w.form->showPage(Page::TabStat, SubPage::TabWeek);
        w.find<QPushButton>("btnGraph")->click();
        QVERIFY(w.find("pageGraphWeekEmpty")->isVisible());
        w.find<QPushButton>("btnSumWeek")->click();
        QTRY_VERIFY(w.find("chartWeek")->isVisible());
        QCOMPARE(w.text("pageGraphWeekHeading"),
                 QString::fromStdString(w.form->book().pnlYearWeek + " 年　第 " + w.form->book().pnlWeekWeek + " 週"));

        w.charts()->showTab(ChartTab::Year);
        QVERIFY(w.find("pageGraphYearEmpty")->isVisible());
        w.form->showPage(Page::TabStat, SubPage::TabYear);
        w.find<QPushButton>("btnSumYear")->click();
        QTRY_VERIFY(w.find("chartYear")->isVisible());
    }

    void theHistoryZoomsAndPansWithoutReadingTheBookAgain() {
        Window w;
        // 800 calculated days, one uncalculated in the middle.
        w.form->runCommand([](Book& book) {
            const Date first = dayOf(2024, 1, 1);
            for (int i = 0; i < 800; ++i) {
                TIndex& card = book.cards.find(first + i) ? book.cards.at(*book.cards.find(first + i))
                                                          : book.cards.insert(first + i);
                if (i == 400) continue;
                card.budgetList = {TYosan{"食費", 0, 0}};
                card.summaryList.assign(19, TMatome{"", 0});
                card.summaryList[3].amount = 1000.0 + i;
                card.summaryList[4].amount = 50000.0 - i;
            }
            dispTheDay(book, book.cards.last().date);
        });
        w.form->mnuGraphClick();
        w.charts()->showTab(ChartTab::History);
        auto* page = qobject_cast<HistoryChartPage*>(w.charts()->page(ChartTab::History));
        QVERIFY(page->hasChart());
        QCOMPARE(page->span().from, dayOf(2024, 1, 1));
        QVERIFY(w.find<QPushButton>("btnGraphRangeAll")->isChecked());

        w.find<QPushButton>("btnGraphRange1")->click();
        QCOMPARE(page->range(), std::optional(HistoryRange::OneYear));
        QCOMPARE(page->span(), (DateSpan{dayOf(2025, 3, 10), dayOf(2026, 3, 10)}));  // the last card and a year back

        const DateSpan year = page->span();
        const int drawn = page->drawCount();
        wheel(page->view(), 1);
        QVERIFY(page->span().length() < year.length());
        QVERIFY(!page->range());
        QVERIFY(!w.find<QPushButton>("btnGraphRange1")->isChecked());
        QCOMPARE(page->drawCount(), drawn + 1);
        // Panning by the scroll bar draws from the points held.
        auto* scroll = w.find<QScrollBar>("scrGraphHistory");
        scroll->setValue(scroll->minimum());
        QCOMPARE(page->span().from, dayOf(2024, 1, 1));

        // A command that changes no card draws nothing again.
        const int before = page->drawCount();
        w.form->runCommand([](Book&) {});
        QTest::qWait(20);
        QCOMPARE(page->drawCount(), before);
        // A right click goes back to the range last chosen.
        QTest::mouseClick(qobject_cast<QChartView*>(page->view())->viewport(), Qt::RightButton);
        QCOMPARE(page->range(), std::optional(HistoryRange::OneYear));
        QCOMPARE(page->span(), year);
    }

    void thePictureIsSavedWholeAndAFailureIsSaid() {
        Window w;
        w.enterCard(w.form->book().today(), "食費", 800);
        w.form->mnuGraphClick();
        w.charts()->showTab(ChartTab::History);
        const std::string file = w.dir.file("推移");
        w.ui.pushSaveFileName(file);
        w.find<QPushButton>("btnGraphSavePng")->click();
        const std::vector<FileDialogRequest> asked = w.ui.saveRequests();
        QCOMPARE(asked.size(), std::size_t{1});
        QCOMPARE(asked[0].filter, std::string("PNG 画像|*.png"));
        QVERIFY(asked[0].initialFile.ends_with("Graph-History.png"));
        QImage saved(QString::fromStdString(file + ".png"));
        QVERIFY(!saved.isNull());
        QCOMPARE(saved.size() / saved.devicePixelRatio(), w.charts()->page(ChartTab::History)->pictureArea()->size());
        QVERIFY(w.ui.texts().empty());

        w.ui.pushSaveFileName(w.dir.file("no such folder/推移.png"));
        w.find<QPushButton>("btnGraphSavePng")->click();
        QCOMPARE(w.ui.texts().size(), std::size_t{1});
        QVERIFY(w.ui.texts()[0].starts_with("画像を保存できませんでした"));

        // Cancelled: nothing written, nothing said.
        w.ui.clear();
        w.find<QPushButton>("btnGraphSavePng")->click();
        QVERIFY(w.ui.texts().empty());
    }

    void printingGoesOnOnePageOfAPdfWithoutAPrinter() {
        Window w;
        w.enterCard(w.form->book().today(), "食費", 800);
        w.form->mnuGraphClick();
        w.charts()->showTab(ChartTab::History);
        w.charts()->setPrintToPdf(true);
        // "Is the printer ready?" answered Cancel: nothing asked, nothing printed.
        w.ui.pushMessageAnswer(MsgResult::Cancel);
        w.find<QPushButton>("btnGraphPrint")->click();
        QVERIFY(w.ui.saveRequests().empty());

        const std::string file = w.dir.file("推移.pdf");
        w.ui.pushMessageAnswer(MsgResult::Ok);
        w.ui.pushSaveFileName(file);
        w.find<QPushButton>("btnGraphPrint")->click();
        QFile pdf(QString::fromStdString(file));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QVERIFY(bytes.startsWith("%PDF"));
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
    }

    void itsPlaceAndTabAreKeptBesideTheMainWindowsSettings() {
        Window w;
        w.form->mnuGraphClick();
        ChartWindow* charts = w.charts();
        charts->showTab(ChartTab::Year);
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
        Window w;
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
