#pragma once
// The person at a terminal: every message box becomes one line on standard
// error, "KIND: TEXT", and every confirmation is answered as --yes says.
// The tool asks for nothing else: dates and file names come as arguments.

#include <ostream>

#include "messages/UiPort.h"

namespace kakeibo::cli {

class TerminalUi : public UiPort {
public:
    TerminalUi(std::ostream& err, bool answerYes) : err_(err), answerYes_(answerYes) {}

    MsgResult showMessage(const Message& message) override;
    bool askYesNo(const std::string& text, int screenX, int screenY) override;
    CalendarResult pickDate() override { return {}; }
    YearMonthResult askYearMonth(bool) override { return {}; }
    std::optional<std::string> askOpenFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> askSaveFileName(const FileDialogRequest&) override { return std::nullopt; }
    void beep() override {}
    void showWait(const std::string&) override {}
    void hideWait() override {}

    // Whether a message that reports a failed file read or write was shown.
    bool fileFailureShown() const { return fileFailureShown_; }

private:
    std::ostream& err_;
    bool answerYes_;
    bool fileFailureShown_ = false;
};

// One message as its line: CR LF (and a lone LF) written as the two
// characters "\n".
std::string messageLine(const Message& message);

}  // namespace kakeibo::cli
