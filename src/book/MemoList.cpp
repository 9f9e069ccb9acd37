#include "book/MemoList.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "model/Dates.h"

namespace kakeibo {

namespace {

std::string monthCaption(int year, int month) {
    return std::to_string(year) + " 年 " + std::to_string(month) + " 月 ";
}

// The month after (year, month).
std::pair<int, int> nextMonth(int year, int month) {
    return month >= 12 ? std::pair{year + 1, 1} : std::pair{year, month + 1};
}

std::pair<int, int> previousMonth(int year, int month) {
    return month <= 1 ? std::pair{year - 1, 12} : std::pair{year, month - 1};
}

std::optional<int> wholeNumber(std::string_view text) {
    int value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec != std::errc() || result.ptr != text.data() + text.size()) return std::nullopt;
    return value;
}

// The month the list shows on the left; today's month if the panels were
// never filled.
std::pair<int, int> shownMonth(Book& book) {
    const auto year = wholeNumber(book.pnlMemoYear);
    const auto month = wholeNumber(book.pnlMemoMonth);
    if (year && month && *month >= 1 && *month <= 12) return {*year, *month};
    const Ymd today = splitDate(book.today());
    return {today.year, today.month};
}

// The pane's text from its lines, as the editor holds it.
std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text += '\n';
        text += lines[i];
    }
    return text;
}

}  // namespace

std::vector<std::string> splitTextLines(const std::string& text) {
    std::vector<std::string> lines;
    forEachTextLine(text, [&lines](int, std::string_view line) { lines.emplace_back(line); });
    return lines;
}

void dispMemoIchiran(Book& book, int year, int month) {
    book.pnlMemoYear = std::to_string(year);
    book.pnlMemoMonth = std::to_string(month);
    book.pnlMemoLeft = monthCaption(year, month);
    dispMemoBody(book, year, month, MemoPane::Left);
    const auto [nextYear, next] = nextMonth(year, month);
    book.pnlMemoRight = monthCaption(nextYear, next);
    dispMemoBody(book, nextYear, next, MemoPane::Right);
}

void dispMemoBody(Book& book, int year, int month, MemoPane pane) {
    std::string& text = pane == MemoPane::Left ? book.MemoLeft : book.MemoRight;
    text.clear();
    std::vector<std::string> paneLines;
    const auto firstDay = (month >= 1 && month <= 12) ? makeDate(year, month, 1) : std::nullopt;
    const auto lastDay = firstDay ? makeDate(year, month, getDaysInMonth(year, month)) : std::nullopt;
    if (!lastDay) return;

    const auto [first, past] = book.cards.within(*firstDay, *lastDay);
    for (int i = first; i < past; ++i) {
        const TIndex* card = &book.cards.read(i);
        if (card->memo.empty()) continue;
        // The heading is added as one text framed by line breaks: an empty
        // line, the heading line and an empty line before the memo.
        paneLines.emplace_back();
        paneLines.push_back("**** " + dateToText(2, card->date) + " ******* ");
        paneLines.emplace_back();
        const auto lines = splitTextLines(card->memo);
        paneLines.insert(paneLines.end(), lines.begin(), lines.end());
    }
    text = joinLines(paneLines);
}

void btnGoPrevMemoClick(Book& book) {
    const auto [year, month] = shownMonth(book);
    const auto [y, m] = previousMonth(year, month);
    dispMemoIchiran(book, y, m);
}

void btnGoNextMemoClick(Book& book) {
    const auto [year, month] = shownMonth(book);
    const auto [y, m] = nextMonth(year, month);
    dispMemoIchiran(book, y, m);
}

void btnGoThisMemoClick(Book& book) {
    const Ymd today = splitDate(book.today());
    dispMemoIchiran(book, today.year, today.month);
}

}  // namespace kakeibo
