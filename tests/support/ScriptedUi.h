#pragma once
// A UiPort for tests: records every call in order and answers from queues
// the test fills beforehand. When a queue runs dry the settable default
// answers (OK, Yes, cancelled dialogs, no file name). Only boxes with OK and
// Cancel take a message answer from the queue; the others always give OK.

#include <deque>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "messages/UiPort.h"

namespace kakeibo {

enum class UiCallKind { Message, YesNo, PickDate, AskYearMonth, OpenFile, SaveFile, Beep, ShowWait, HideWait };

// One call made by the logic; only the fields of its kind are filled.
struct UiCall {
    UiCallKind kind = UiCallKind::Message;
    Message message;            // Message
    std::string text;           // YesNo question, ShowWait text
    int screenX = 0;            // YesNo
    int screenY = 0;            // YesNo
    bool showMonth = false;     // AskYearMonth
    FileDialogRequest request;  // OpenFile, SaveFile
    std::vector<std::string> encodings;  // SaveFile: the character sets offered
};

struct YesNoQuestion {
    std::string text;
    int screenX = 0;
    int screenY = 0;
};

class ScriptedUi : public UiPort {
public:
    // --- the script ---
    void pushMessageAnswer(MsgResult answer) { messageAnswers_.push_back(answer); }
    void pushMessageAnswers(std::initializer_list<MsgResult> answers);
    void setDefaultMessageAnswer(MsgResult answer) { defaultMessageAnswer_ = answer; }
    void pushYesNo(bool answer) { yesNoAnswers_.push_back(answer); }
    void setDefaultYesNo(bool answer) { defaultYesNo_ = answer; }
    void pushCalendar(CalendarResult answer) { calendarAnswers_.push_back(answer); }
    void pushYearMonth(YearMonthResult answer) { yearMonthAnswers_.push_back(answer); }
    void pushYearMonth(int year, int month) { pushYearMonth(YearMonthResult{true, year, month}); }
    // nothing = the dialog was cancelled
    void pushOpenFileName(std::optional<std::string> name) { openAnswers_.push_back(std::move(name)); }
    void pushSaveFileName(std::optional<std::string> name) {
        saveAnswers_.push_back(name ? std::optional(SaveFileChoice{std::move(*name), 0}) : std::nullopt);
    }
    // A save dialog confirmed with the request's encoding of that index.
    void pushSaveFile(std::string name, int encoding) {
        saveAnswers_.push_back(SaveFileChoice{std::move(name), encoding});
    }

    // True when every scripted answer was asked for; a test that expects a
    // question the logic never asked fails on this.
    bool allAnswersUsed() const;

    // --- what happened ---
    const std::vector<UiCall>& calls() const { return calls_; }
    std::vector<Message> messages() const;
    std::vector<std::string> texts() const;  // the message texts in order
    std::vector<YesNoQuestion> questions() const;
    std::vector<FileDialogRequest> openRequests() const;
    std::vector<FileDialogRequest> saveRequests() const;
    // The character sets each save dialog offered, in order.
    std::vector<std::vector<std::string>> saveEncodings() const;
    std::vector<bool> yearMonthRequests() const;  // showMonth of each
    int calendarRequests() const;
    int beeps() const;
    std::vector<std::string> waitTexts() const;  // text of each show
    int waitShows() const;
    int waitHides() const;
    bool waitVisible() const { return waitVisible_; }
    // A readable listing of the calls, for failure output.
    std::string transcript() const;

    // Forgets what happened; the script stays.
    void clear();
    // Forgets the script and the defaults as well.
    void reset();

    // --- UiPort ---
    MsgResult showMessage(const Message& message) override;
    bool askYesNo(const std::string& text, int screenX, int screenY) override;
    CalendarResult pickDate() override;
    YearMonthResult askYearMonth(bool showMonth) override;
    std::optional<std::string> askOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> askSaveFileName(const FileDialogRequest& request) override;
    std::optional<SaveFileChoice> askSaveFile(const FileDialogRequest& request,
                                              const std::vector<std::string>& encodings) override;
    void beep() override;
    void showWait(const std::string& text) override;
    void hideWait() override;

private:
    int countOf(UiCallKind kind) const;

    std::vector<UiCall> calls_;
    bool waitVisible_ = false;

    std::deque<MsgResult> messageAnswers_;
    std::deque<bool> yesNoAnswers_;
    std::deque<CalendarResult> calendarAnswers_;
    std::deque<YearMonthResult> yearMonthAnswers_;
    std::deque<std::optional<std::string>> openAnswers_;
    std::deque<std::optional<SaveFileChoice>> saveAnswers_;
    MsgResult defaultMessageAnswer_ = MsgResult::Ok;
    bool defaultYesNo_ = true;
};

const char* toString(MsgKind kind);
const char* toString(MsgButtons buttons);

}  // namespace kakeibo
