#pragma once
// The calendar (TFormCalender): one month as a grid of day buttons; a press
// on a cell picks that day. Created once and reused; every show opens on
// today's month at the main window's corner + (350, 100). It only returns
// the pick: the caller checks the date and moves.

#include <QDialog>

#include "dialogs/CalendarGrid.h"
#include "messages/UiPort.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace kakeibo {
class Book;
}

namespace kakeibo::shell {

class CalendarGridWidget;

class CalendarDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr QPoint kOffset{350, 100};

    // The Book gives today's date and the user's name; mainWindow is the
    // parent and the corner the dialog is placed from.
    CalendarDialog(Book& book, QWidget* mainWindow);

    // Shows the dialog modally and returns the pick (ok false when cancelled).
    CalendarResult run();
    // The answer of the last use, also after open() and a press.
    CalendarResult calendarResult() const;

    YearMonth shownMonth() const { return shown_; }
    CalendarGridWidget* grid() const { return GridCalender; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FormShow();
    void showMonth(YearMonth month);
    void btnGoPrevClick();
    void btnGoNextClick();
    void GridCalenderMouseDown(int column, int row);

    Book& book_;
    YearMonth shown_;
    int pickedDay_ = 0;

    QToolButton* btnGoPrev = nullptr;
    QLabel* pnlYear = nullptr;
    QLabel* pnlMonth = nullptr;
    QToolButton* btnGoNext = nullptr;
    CalendarGridWidget* GridCalender = nullptr;
    QLabel* Label1 = nullptr;
    QPushButton* Button1 = nullptr;
};

}  // namespace kakeibo::shell
