#include "app/ToolWindows.h"

#include "app/QtUiPort.h"
#include "app/TForm1.h"
#include "book/PrintLayout.h"
#include "dialogs/CalendarDialog.h"
#include "dialogs/DentakuWindow.h"
#include "dialogs/HibiOutDialog.h"
#include "dialogs/PrintDialog.h"
#include "dialogs/YearMonthDialog.h"

namespace kakeibo::shell {

ToolWindows::ToolWindows(TForm1& form)
    : form_(form),
      calendar_(std::make_unique<CalendarDialog>(form.book(), &form)),
      calculator_(std::make_unique<DentakuWindow>(form.book(), form.startupReport().layout.calcLeft, &form)),
      yearMonth_(std::make_unique<YearMonthDialog>(form.book().ui(), form.book().today(), &form)) {
    if (QtUiPort* ui = form.qtUi()) {
        ui->pickDateHook = [this] { return calendar_->run(); };
        ui->askYearMonthHook = [this](bool showMonth) { return yearMonth_->run(showMonth); };
    }
    form.showCalculator = [this] {
        calculator_->show();
        calculator_->raise();
        calculator_->activateWindow();
    };
    form.calculatorLeft = [this] { return calculator_->leftForSettings(); };
    form.showHibiDialog = [this](const HibiFields&) {
        HibiOutDialog dialog(form_.book(), &form_);
        dialog.run();
    };
    form.printSummary = [this](PrintKind kind) {
        const Book& book = form_.book();
        PrintJob job = kind == PrintKind::Week    ? makeWeekPrintJob(book)
                       : kind == PrintKind::Month ? makeMonthPrintJob(book)
                                                  : makeYearPrintJob(book);
        PrintDialog dialog(form_.book(), std::move(job), &form_);
        dialog.run();
    };
}

ToolWindows::~ToolWindows() {
    // The main window may still call its hooks while it closes.
    form_.showCalculator = nullptr;
    form_.showHibiDialog = nullptr;
    form_.printSummary = nullptr;
    form_.calculatorLeft = nullptr;
    if (QtUiPort* ui = form_.qtUi()) {
        ui->pickDateHook = nullptr;
        ui->askYearMonthHook = nullptr;
    }
}

}  // namespace kakeibo::shell
