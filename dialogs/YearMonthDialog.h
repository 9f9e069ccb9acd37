#pragma once
// The year/month input (TFormInput): two editable drop-down fields for a
// year and a month. Created once; the fields and the stored year and month
// keep their last values from one use to the next. It only returns the
// values: the caller checks them and moves.

#include <QDialog>

#include "messages/UiPort.h"
#include "model/Dates.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace kakeibo::shell {

class YearMonthDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr QPoint kOffset{360, 120};

    // ui shows the messages of a field that is not a whole number; the
    // fields start on today's year and month; mainWindow is the parent and
    // the corner the dialog is placed from.
    YearMonthDialog(UiPort& ui, Date today, QWidget* mainWindow);

    // Shows or hides the month field and its label, then shows the dialog
    // modally. showMonth false serves the year alone.
    YearMonthResult run(bool showMonth);
    // Shows or hides the month field and its label (run does it itself).
    void setMonthShown(bool showMonth);
    // The answer of the last use, also after open() and a button press.
    YearMonthResult yearMonthResult() const;

    int storedYear() const { return year_; }
    int storedMonth() const { return month_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void btnOKClick();
    void btnCancelClick();

    UiPort& ui_;
    int year_ = 0;
    int month_ = 0;

    QComboBox* cmbYearInput = nullptr;
    QLabel* lblYear = nullptr;
    QComboBox* cmbMonthInput = nullptr;
    QLabel* lblMonth = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnOK = nullptr;
};

}  // namespace kakeibo::shell
