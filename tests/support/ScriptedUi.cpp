#include "support/ScriptedUi.h"

#include <sstream>

namespace kakeibo {

namespace {

template <typename T>
T takeOr(std::deque<T>& queue, T fallback) {
    if (queue.empty()) {
        return fallback;
    }
    T front = std::move(queue.front());
    queue.pop_front();
    return front;
}

}  // namespace

const char* toString(MsgKind kind) {
    switch (kind) {
        case MsgKind::Error: return "error";
        case MsgKind::Warning: return "warning";
        case MsgKind::Information: return "information";
        case MsgKind::Confirmation: return "confirmation";
    }
    return "?";
}

const char* toString(MsgButtons buttons) {
    return buttons == MsgButtons::Ok ? "OK" : "OK/Cancel";
}

void ScriptedUi::pushMessageAnswers(std::initializer_list<MsgResult> answers) {
    messageAnswers_.insert(messageAnswers_.end(), answers.begin(), answers.end());
}

bool ScriptedUi::allAnswersUsed() const {
    return messageAnswers_.empty() && yesNoAnswers_.empty() && calendarAnswers_.empty() &&
           yearMonthAnswers_.empty() && openAnswers_.empty() && saveAnswers_.empty();
}

std::vector<Message> ScriptedUi::messages() const {
    std::vector<Message> result;
    for (const UiCall& call : calls_) {
        if (call.kind == UiCallKind::Message) {
            result.push_back(call.message);
        }
    }
    return result;
}

std::vector<std::string> ScriptedUi::texts() const {
    std::vector<std::string> result;
    for (const UiCall& call : calls_) {
        if (call.kind == UiCallKind::Message) {
            result.push_back(call.message.text);
        }
    }
    return result;
}

std::vector<YesNoQuestion> ScriptedUi::questions() const {
    std::vector<YesNoQuestion> result;
    for (const UiCall& call : calls_) {
        if (call.kind == UiCallKind::YesNo) {
            result.push_back({call.text, call.screenX, call.screenY});
        }
    }
    return result;
}

std::vector<FileDialogRequest> ScriptedUi::openRequests() const {
    std::vector<FileDialogRequest> result;
    for (const UiCall& call : calls_) {
        if (call.kind == UiCallKind::OpenFile) {
            result.push_back(call.request);
        }
    }
    return result;
}

std::vector<FileDialogRequest> ScriptedUi::saveRequests() const {
    std::vector<FileDialogRequest> result;
    for (const UiCall& call : calls_) {
        if (call.kind == UiCallKind::SaveFile) {
            result.push_back(call.request);
        }
    }
    return result;
}

std::vector<std::vector<std::string>> ScriptedUi::saveEncodings() const {
    std::vector<std::vector<std::string>> result;
    for (const UiCall& call : calls_) {
        if (call.kind == UiCallKind::SaveFile) result.push_back(call.encodings);
    }
    return result;
}

std::vector<bool> ScriptedUi::yearMonthRequests() const {
    std::vector<bool> result;
    for (const UiCall& call : calls_) {
        if (call.kind == UiCallKind::AskYearMonth) {
            result.push_back(call.showMonth);
        }
    }
    return result;
}

std::vector<std::string> ScriptedUi::waitTexts() const {
    std::vector<std::string> result;
    for (const UiCall& call : calls_) {
        if (call.kind == UiCallKind::ShowWait) {
            result.push_back(call.text);
        }
    }
    return result;
}

int ScriptedUi::countOf(UiCallKind kind) const {
    int count = 0;
    for (const UiCall& call : calls_) {
        count += call.kind == kind ? 1 : 0;
    }
    return count;
}

int ScriptedUi::calendarRequests() const { return countOf(UiCallKind::PickDate); }
int ScriptedUi::beeps() const { return countOf(UiCallKind::Beep); }
int ScriptedUi::waitShows() const { return countOf(UiCallKind::ShowWait); }
int ScriptedUi::waitHides() const { return countOf(UiCallKind::HideWait); }

std::string ScriptedUi::transcript() const {
    std::ostringstream out;
    for (const UiCall& call : calls_) {
        switch (call.kind) {
            case UiCallKind::Message:
                out << "message " << toString(call.message.kind) << ' ' << toString(call.message.buttons)
                    << " (" << call.message.dx << ',' << call.message.dy << "): " << call.message.text;
                break;
            case UiCallKind::YesNo:
                out << "yes/no (" << call.screenX << ',' << call.screenY << "): " << call.text;
                break;
            case UiCallKind::PickDate: out << "calendar"; break;
            case UiCallKind::AskYearMonth: out << "year/month" << (call.showMonth ? "" : " (year only)"); break;
            case UiCallKind::OpenFile: out << "open: " << call.request.title; break;
            case UiCallKind::SaveFile: out << "save: " << call.request.title; break;
            case UiCallKind::Beep: out << "beep"; break;
            case UiCallKind::ShowWait: out << "wait shown: " << call.text; break;
            case UiCallKind::HideWait: out << "wait hidden"; break;
        }
        out << '\n';
    }
    return out.str();
}

void ScriptedUi::clear() {
    calls_.clear();
    waitVisible_ = false;
}

void ScriptedUi::reset() {
    clear();
    messageAnswers_.clear();
    yesNoAnswers_.clear();
    calendarAnswers_.clear();
    yearMonthAnswers_.clear();
    openAnswers_.clear();
    saveAnswers_.clear();
    defaultMessageAnswer_ = MsgResult::Ok;
    defaultYesNo_ = true;
}

MsgResult ScriptedUi::showMessage(const Message& message) {
    UiCall call;
    call.kind = UiCallKind::Message;
    call.message = message;
    calls_.push_back(std::move(call));
    // Only a box with a Cancel button takes an answer from the script; any
    // other box can only be closed with OK.
    if (message.buttons != MsgButtons::OkCancel) {
        return MsgResult::Ok;
    }
    return takeOr(messageAnswers_, defaultMessageAnswer_);
}

bool ScriptedUi::askYesNo(const std::string& text, int screenX, int screenY) {
    UiCall call;
    call.kind = UiCallKind::YesNo;
    call.text = text;
    call.screenX = screenX;
    call.screenY = screenY;
    calls_.push_back(std::move(call));
    return takeOr(yesNoAnswers_, defaultYesNo_);
}

CalendarResult ScriptedUi::pickDate() {
    UiCall call;
    call.kind = UiCallKind::PickDate;
    calls_.push_back(std::move(call));
    return takeOr(calendarAnswers_, CalendarResult{});
}

YearMonthResult ScriptedUi::askYearMonth(bool showMonth) {
    UiCall call;
    call.kind = UiCallKind::AskYearMonth;
    call.showMonth = showMonth;
    calls_.push_back(std::move(call));
    return takeOr(yearMonthAnswers_, YearMonthResult{});
}

std::optional<std::string> ScriptedUi::askOpenFileName(const FileDialogRequest& request) {
    UiCall call;
    call.kind = UiCallKind::OpenFile;
    call.request = request;
    calls_.push_back(std::move(call));
    return takeOr(openAnswers_, std::optional<std::string>{});
}

std::optional<std::string> ScriptedUi::askSaveFileName(const FileDialogRequest& request) {
    auto chosen = askSaveFile(request, {});
    if (!chosen) return std::nullopt;
    return std::move(chosen->path);
}

std::optional<SaveFileChoice> ScriptedUi::askSaveFile(const FileDialogRequest& request,
                                                     const std::vector<std::string>& encodings) {
    UiCall call;
    call.kind = UiCallKind::SaveFile;
    call.request = request;
    call.encodings = encodings;
    calls_.push_back(std::move(call));
    return takeOr(saveAnswers_, std::optional<SaveFileChoice>{});
}

void ScriptedUi::beep() {
    UiCall call;
    call.kind = UiCallKind::Beep;
    calls_.push_back(std::move(call));
}

void ScriptedUi::showWait(const std::string& text) {
    UiCall call;
    call.kind = UiCallKind::ShowWait;
    call.text = text;
    calls_.push_back(std::move(call));
    waitVisible_ = true;
}

void ScriptedUi::hideWait() {
    UiCall call;
    call.kind = UiCallKind::HideWait;
    calls_.push_back(std::move(call));
    waitVisible_ = false;
}

}  // namespace kakeibo
