#pragma once
// What every benchmark on a generated book needs: a person who answers every
// box with OK, and settings that know the generated book's categories.

#include <optional>
#include <string>

#include "book/Book.h"
#include "messages/UiPort.h"

namespace kakeibo {

// Answers every box with OK and counts them: a benchmark that shows one has
// categories the settings do not know, or has gone wrong otherwise.
class SilentUi : public UiPort {
public:
    MsgResult showMessage(const Message&) override {
        ++messages;
        return MsgResult::Ok;
    }
    bool askYesNo(const std::string&, int, int) override { return true; }
    CalendarResult pickDate() override { return {}; }
    YearMonthResult askYearMonth(bool) override { return {}; }
    std::optional<std::string> askOpenFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> askSaveFileName(const FileDialogRequest&) override { return std::nullopt; }
    void beep() override {}
    void showWait(const std::string&) override {}
    void hideWait() override {}
    int messages = 0;
};

// Lays out the sheets and fills the settings page with the generated book's
// categories (cash, two banks with debits on the 27th and their cards), then
// applies them.
void applyGeneratedSettings(Book& book);

// Puts the image's cards into the book as a start-up reads them from its
// data file: kept as their bytes, decoded when needed.
void keepCardsAsRead(Book& book, const DataImage& image);

// Writes those settings as the preferences file of folder, so a program
// started there knows the generated book's categories.
bool writeGeneratedPrefs(const std::string& folder);

}  // namespace kakeibo
