#pragma once
// The memo list: the day cards' memos month by month, the month in
// pnlMemoYear/pnlMemoMonth on the left and the following month on the right.
// A read-only view, rebuilt when the memo page is entered and by its three
// move buttons.

#include <string>
#include <string_view>
#include <vector>

#include "book/Book.h"

namespace kakeibo {

enum class MemoPane { Left, Right };

// Shows month (year, month) in the left pane and the month after it in the
// right pane.
void dispMemoIchiran(Book& book, int year, int month);
// Fills one pane with the memos of the cards of a calendar month.
void dispMemoBody(Book& book, int year, int month, MemoPane pane);

void btnGoPrevMemoClick(Book& book);
void btnGoNextMemoClick(Book& book);
void btnGoThisMemoClick(Book& book);

// The lines of a multi-line text as an editor holds it ("\n" or CR LF
// between lines). A line break at the very end closes the last line rather
// than opening an empty one, so "a\r\nb\r\n" and "a\nb" are both a and b.
std::vector<std::string> splitTextLines(const std::string& text);

// The same lines, each given to line(number from 1, text) without copying.
template <class Line>
void forEachTextLine(std::string_view text, Line&& line) {
    int number = 0;
    std::size_t begin = 0;
    while (begin < text.size()) {
        std::size_t end = text.find('\n', begin);
        const bool last = end == std::string_view::npos;
        if (last) end = text.size();
        std::size_t stop = end;
        if (stop > begin && text[stop - 1] == '\r') --stop;
        line(++number, text.substr(begin, stop - begin));
        if (last) break;
        begin = end + 1;
    }
}

}  // namespace kakeibo
