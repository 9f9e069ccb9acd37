#include "TerminalUi.h"

#include "messages/Messages.h"

namespace kakeibo::cli {

namespace {

const char* kindName(MsgKind kind) {
    switch (kind) {
        case MsgKind::Error: return "error";
        case MsgKind::Warning: return "warning";
        case MsgKind::Information: return "information";
        case MsgKind::Confirmation: return "confirmation";
    }
    return "information";
}

// A UiPort that only remembers the last message, to learn the texts of the
// file failure messages from their own routines.
class Capture : public UiPort {
public:
    Message last;
    MsgResult showMessage(const Message& m) override {
        last = m;
        return MsgResult::Ok;
    }
    bool askYesNo(const std::string&, int, int) override { return false; }
    CalendarResult pickDate() override { return {}; }
    YearMonthResult askYearMonth(bool) override { return {}; }
    std::optional<std::string> askOpenFileName(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> askSaveFileName(const FileDialogRequest&) override { return {}; }
    void beep() override {}
    void showWait(const std::string&) override {}
    void hideWait() override {}
};

template <class F>
std::string textOf(F routine) {
    Capture capture;
    routine(capture);
    return capture.last.text;
}

// The messages that open every failed read or write of a file.
bool isFileFailure(const Message& message) {
    static const std::string texts[] = {
        textOf([](UiPort& ui) { msgNotDataFile(ui); }),
        textOf([](UiPort& ui) { msgNotPrefFile(ui); }),
        textOf([](UiPort& ui) { msgMonthFileBroken(ui); }),
        textOf([](UiPort& ui) { msgWriteFailed(ui); }),
    };
    for (const auto& t : texts) {
        if (message.text == t) return true;
    }
    // The version message names the file's version; a rejected file is a
    // failed read too.
    Capture capture;
    msgVersion(capture, 60);
    return message.kind == capture.last.kind && message.dx == capture.last.dx &&
           message.dy == capture.last.dy && message.text.rfind("Ver.", 0) == 0;
}

}  // namespace

std::string messageLine(const Message& message) {
    std::string line = kindName(message.kind);
    line += ": ";
    for (std::size_t i = 0; i < message.text.size(); ++i) {
        const char c = message.text[i];
        if (c == '\r' && i + 1 < message.text.size() && message.text[i + 1] == '\n') {
            line += "\\n";
            ++i;
        } else if (c == '\n') {
            line += "\\n";
        } else {
            line += c;
        }
    }
    return line;
}

MsgResult TerminalUi::showMessage(const Message& message) {
    err_ << messageLine(message) << '\n';
    err_.flush();
    if (isFileFailure(message)) fileFailureShown_ = true;
    if (message.buttons == MsgButtons::OkCancel) return answerYes_ ? MsgResult::Ok : MsgResult::Cancel;
    return MsgResult::Ok;
}

bool TerminalUi::askYesNo(const std::string& text, int, int) {
    err_ << messageLine(Message{text, MsgKind::Confirmation, MsgButtons::OkCancel, 0, 0}) << '\n';
    err_.flush();
    return answerYes_;
}

}  // namespace kakeibo::cli
