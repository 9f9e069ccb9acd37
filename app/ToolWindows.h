#pragma once
// The windows that live beside the main window for the whole run — the
// calendar, the calculator and the year/month input — and the dialogs made
// for one use (the daily-records export, printing), hooked into the main
// window's commands and its dialogs.

#include <memory>

namespace kakeibo::shell {

class CalendarDialog;
class DentakuWindow;
class TForm1;
class YearMonthDialog;

class ToolWindows {
public:
    // Creates the tool windows in the order of the program entry (calendar,
    // calculator, year/month input) and connects them to form.
    explicit ToolWindows(TForm1& form);
    ~ToolWindows();
    ToolWindows(const ToolWindows&) = delete;
    ToolWindows& operator=(const ToolWindows&) = delete;

private:
    TForm1& form_;
    std::unique_ptr<CalendarDialog> calendar_;
    std::unique_ptr<DentakuWindow> calculator_;
    std::unique_ptr<YearMonthDialog> yearMonth_;
};

}  // namespace kakeibo::shell
