#pragma once
// What the household book's logic needs from a person: message boxes,
// questions, the two picker dialogs, file names, the beep and the wait box.
// The window program answers with real dialogs, the command-line tool with
// the terminal, the tests with a scripted fake.

#include <optional>
#include <string>
#include <vector>

namespace kakeibo {

enum class MsgKind { Error, Warning, Information, Confirmation };
enum class MsgButtons { Ok, OkCancel };
enum class MsgResult { Ok, Cancel };

// A message box; its top-left corner goes to the main window's top-left
// corner plus (dx, dy).
struct Message {
    std::string text;  // UTF-8; line breaks are CR LF
    MsgKind kind = MsgKind::Information;
    MsgButtons buttons = MsgButtons::Ok;
    int dx = 0;
    int dy = 0;
    // A question whose OK could lose work has Cancel as its default button.
    bool cancelIsDefault = false;
};

// The calendar's answer: cancelled, or a shown year and month with the
// picked day (0 when the clicked cell held no day).
struct CalendarResult {
    bool ok = false;
    int year = 0;
    int month = 0;
    int day = 0;
};

// The year/month input's answer.
struct YearMonthResult {
    bool ok = false;
    int year = 0;
    int month = 0;
};

// An open or save dialog: title, the "|"-separated filter list, the
// 1-based filter entry chosen, and the initial file (a full path or a name).
struct FileDialogRequest {
    std::string title;
    std::string filter;
    int filterIndex = 1;
    std::string initialFile;
};

// A save dialog's answer: the file, and the index of the character set
// chosen among those offered (0 when none were).
struct SaveFileChoice {
    std::string path;
    int encoding = 0;
};

class UiPort {
public:
    virtual ~UiPort() = default;

    virtual MsgResult showMessage(const Message& message) = 0;
    // A Yes/No question with its top-left corner at a screen point.
    virtual bool askYesNo(const std::string& text, int screenX, int screenY) = 0;
    virtual CalendarResult pickDate() = 0;
    // showMonth false: the month field and its label are hidden.
    virtual YearMonthResult askYearMonth(bool showMonth) = 0;
    virtual std::optional<std::string> askOpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> askSaveFileName(const FileDialogRequest& request) = 0;
    // A save dialog that also offers the character sets named in encodings,
    // the first chosen at the start. A port whose dialog offers none
    // answers with the first.
    virtual std::optional<SaveFileChoice> askSaveFile(const FileDialogRequest& request,
                                                      const std::vector<std::string>& encodings) {
        (void)encodings;
        auto path = askSaveFileName(request);
        if (!path) return std::nullopt;
        return SaveFileChoice{std::move(*path), 0};
    }
    virtual void beep() = 0;
    virtual void showWait(const std::string& text) = 0;
    virtual void hideWait() = 0;
};

}  // namespace kakeibo
