// The calendar: the filling of a month into the grid, the month buttons and
// the pick by a real mouse press on a cell.

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "book/Book.h"
#include "dialogs/CalendarDialog.h"
#include "dialogs/CalendarGrid.h"
#include "dialogs/CalendarGridWidget.h"
#include "support/FixedToday.h"
#include "support/ScriptedUi.h"
#include "TestRegistry.h"

using namespace kakeibo;
using namespace kakeibo::shell;

namespace {

bool rowEmpty(const CalendarTexts& texts, int row) {
    for (const std::string& text : texts[row]) {
        if (!text.empty()) return false;
    }
    return true;
}

// The cell holding a text, as (column, row); (-1, -1) when none does.
QPoint cellOf(const CalendarTexts& texts, const std::string& text) {
    for (int row = 0; row < kCalendarRows; ++row) {
        for (int column = 0; column < kCalendarColumns; ++column) {
            if (texts[row][column] == text) return {column, row};
        }
    }
    return {-1, -1};
}

}  // namespace

class CalendarDialogTest : public QObject {
    Q_OBJECT

    ScriptedUi ui;

    // Presses the cell with the mouse, as a person would.
    static void press(CalendarDialog& dialog, int column, int row) {
        CalendarGridWidget* grid = dialog.grid();
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(column, row).center());
    }

private slots:
    void fillsAMonthIntoItsWeeks() {
        CalendarTexts texts;
        setYobiHeader(texts);
        QCOMPARE(texts[0][0], std::string("日"));
        QCOMPARE(texts[0][6], std::string("土"));

        fillCalender(texts, 2000, 10);  // 1 October 2000 is a Sunday
        QCOMPARE(texts[1][0], std::string("1"));
        QCOMPARE(texts[1][6], std::string("7"));
        QCOMPARE(texts[5][2], std::string("31"));
        QCOMPARE(texts[0][0], std::string("日"));  // the header is left alone

        fillCalender(texts, 2000, 1);  // a Saturday, 31 days: the month reaches row 6
        for (int column = 0; column <= 5; ++column) QVERIFY(texts[1][column].empty());
        QCOMPARE(texts[1][6], std::string("1"));
        QCOMPARE(texts[6][0], std::string("30"));
        QCOMPARE(texts[6][1], std::string("31"));

        fillCalender(texts, 2009, 2);  // 28 days from a Sunday: four full weeks
        QCOMPARE(texts[1][0], std::string("1"));
        QCOMPARE(texts[4][6], std::string("28"));
        QVERIFY(rowEmpty(texts, 5));
        QVERIFY(rowEmpty(texts, 6));
    }

    void fillsTheTwentyNinthOfFebruaryInLeapYearsOnly() {
        CalendarTexts texts;
        fillCalender(texts, 2004, 2);
        QVERIFY(cellOf(texts, "29").x() >= 0);
        fillCalender(texts, 2001, 2);
        QCOMPARE(cellOf(texts, "29"), QPoint(-1, -1));
        fillCalender(texts, 1900, 2);  // a century that is not a leap year
        QCOMPARE(cellOf(texts, "29"), QPoint(-1, -1));
        fillCalender(texts, 2000, 2);
        QVERIFY(cellOf(texts, "29").x() >= 0);
    }

    void readsThePressedCell() {
        QCOMPARE(pickedDay("17"), 17);
        QCOMPARE(pickedDay(""), 0);
        QCOMPARE(pickedDay("日"), 0);
        QCOMPARE(pickedDay("1x"), 0);
        QCOMPARE(previousMonth({2000, 1}).year, 1999);
        QCOMPARE(previousMonth({2000, 1}).month, 12);
        QCOMPARE(nextMonth({2000, 12}).year, 2001);
        QCOMPARE(nextMonth({2000, 12}).month, 1);
    }

    void opensOnTodayAndPicksTheClickedDay() {
        Book book(ui);
        book.clock().setToday(dayOf(2000, 10, 15));
        book.GridSetSonota.setCell(1, 2, "花子");
        QWidget mainWindow;
        mainWindow.setGeometry(40, 30, 700, 480);
        mainWindow.show();
        CalendarDialog dialog(book, &mainWindow);

        dialog.open();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("花子　のカレンダー"));
        QCOMPARE(dialog.frameGeometry().topLeft(), mainWindow.frameGeometry().topLeft() + QPoint(350, 100));
        QCOMPARE(dialog.findChild<QLabel*>("pnlYear")->text(), QStringLiteral("2000"));
        QCOMPARE(dialog.findChild<QLabel*>("pnlMonth")->text(), QStringLiteral("10"));
        QCOMPARE(dialog.findChild<QToolButton*>("btnGoPrev")->toolTip(), QStringLiteral("前の月に移動"));
        QCOMPARE(dialog.findChild<QToolButton*>("btnGoNext")->toolTip(), QStringLiteral("次の月に移動"));
        QCOMPARE(dialog.size(), QSize(183, 243));

        press(dialog, 3, 3);  // Wednesday of the third week: 18 October
        QVERIFY(!dialog.isVisible());
        CalendarResult picked = dialog.calendarResult();
        QVERIFY(picked.ok);
        QCOMPARE(picked.year, 2000);
        QCOMPARE(picked.month, 10);
        QCOMPARE(picked.day, 18);

        // The month buttons move across the year's end; the next show forgets them.
        dialog.open();
        auto* next = dialog.findChild<QToolButton*>("btnGoNext");
        auto* prev = dialog.findChild<QToolButton*>("btnGoPrev");
        for (int i = 0; i < 3; ++i) QTest::mouseClick(next, Qt::LeftButton);
        QCOMPARE(dialog.findChild<QLabel*>("pnlYear")->text(), QStringLiteral("2001"));
        QCOMPARE(dialog.findChild<QLabel*>("pnlMonth")->text(), QStringLiteral("1"));
        QCOMPARE(dialog.grid()->texts()[1][1], std::string("1"));  // 1 January 2001 is a Monday
        QTest::mouseClick(prev, Qt::LeftButton);
        QCOMPARE(dialog.shownMonth().year, 2000);
        QCOMPARE(dialog.shownMonth().month, 12);
        press(dialog, 5, 1);
        QCOMPARE(dialog.calendarResult().day, 1);  // 1 December 2000 is a Friday
        QCOMPARE(dialog.calendarResult().month, 12);

        dialog.open();
        QCOMPARE(dialog.shownMonth().month, 10);
        mainWindow.close();
    }

    void givesDayZeroForAnEmptyCellOrAWeekdayName() {
        Book book(ui);
        book.clock().setToday(dayOf(2000, 10, 15));
        CalendarDialog dialog(book, nullptr);

        dialog.open();
        press(dialog, 2, 0);  // "火"
        QVERIFY(dialog.calendarResult().ok);
        QCOMPARE(dialog.calendarResult().day, 0);

        dialog.open();
        press(dialog, 4, 6);  // October 2000 ends in row 5
        QVERIFY(dialog.calendarResult().ok);
        QCOMPARE(dialog.calendarResult().day, 0);

        dialog.open();
        QTest::mouseClick(dialog.findChild<QPushButton*>("Button1"), Qt::LeftButton);
        QVERIFY(!dialog.calendarResult().ok);
    }
};

KAKEIBO_REGISTER_TEST(CalendarDialogTest);

#include "CalendarDialogTest.moc"
