#include "exchange/BookCards.h"

#include <algorithm>

#include "book/DayDisplay.h"

namespace kakeibo {
namespace {

const TIndex* card(const Book& book, Date date) {
    const auto index = findCardIndex(book, date);
    return index ? &book.cards.read(*index) : nullptr;
}

// Changes the card of date through change (a copy of its content, stored
// back when change says so); false when there is no such card.
template <class Change>
bool changeCard(Book& book, Date date, Change change) {
    const auto index = findCardIndex(book, date);
    if (!index) return false;
    TIndex content = book.cards.read(*index);
    if (!change(content)) return false;
    book.cards.store(*index, std::move(content));
    return true;
}

template <class CardT>
auto& linesOf(CardT& card, LandingSheet sheet) {
    switch (sheet) {
        case LandingSheet::Income: return card.incomeList;
        case LandingSheet::Account: return card.accountList;
        case LandingSheet::Spend: break;
    }
    return card.spendList;
}

constexpr std::string_view kCrLf = "\r\n";

// The position of the last memo line equal to line, or npos.
std::size_t lastMemoLine(const std::string& memo, const std::string& line) {
    const std::string wanted = line + std::string(kCrLf);
    for (std::size_t at = memo.rfind(wanted); at != std::string::npos; at = memo.rfind(wanted, at - 1)) {
        if (at == 0 || memo.compare(at - kCrLf.size(), kCrLf.size(), kCrLf) == 0) return at;
    }
    return std::string::npos;
}

}  // namespace

const std::vector<TKiroku>* cardLines(const Book& book, Date date, LandingSheet sheet) {
    const TIndex* c = card(book, date);
    return c ? &linesOf(*c, sheet) : nullptr;
}

const std::string* cardMemo(const Book& book, Date date) {
    const TIndex* c = card(book, date);
    return c ? &c->memo : nullptr;
}

bool hasCard(const Book& book, Date date) { return card(book, date) != nullptr; }

std::optional<Date> firstCardFrom(const Book& book, Date date) {
    const int index = book.cards.lowerBound(date);
    if (index >= book.cards.size()) return std::nullopt;
    return book.cards.date(index);
}

std::optional<Date> nearestCard(const Book& book, Date date) {
    if (book.cards.empty()) return std::nullopt;
    // The first card after date, then the one before it when there is one.
    int after = book.cards.lowerBound(date);
    if (after < book.cards.size() && book.cards.date(after) == date) ++after;
    if (after == 0) return book.cards.date(0);
    return book.cards.date(after - 1);
}

std::vector<Date> createCards(Book& book, std::vector<Date> dates) {
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    std::erase_if(dates, [&book](Date d) { return hasCard(book, d); });
    if (dates.empty()) return dates;

    const std::optional<Date> current = book.cards.empty() ? std::nullopt : std::optional(book.cards.curDate());
    // Cards kept as read stay so; only the new ones are made.
    for (Date d : dates) book.cards.insert(d);
    book.cards.setCurIndex(current ? *findCardIndex(book, *current) : 0);
    return dates;
}

void appendLine(Book& book, Date date, LandingSheet sheet, TKiroku line) {
    changeCard(book, date, [&](TIndex& c) {
        linesOf(c, sheet).push_back(std::move(line));
        return true;
    });
}

void appendMemoLine(Book& book, Date date, const std::string& line) {
    changeCard(book, date, [&](TIndex& c) {
        // A memo that does not end its last line gets the line end first.
        if (!c.memo.empty() && c.memo.back() != '\n' && c.memo.back() != '\r') c.memo += kCrLf;
        c.memo += line;
        c.memo += kCrLf;
        return true;
    });
}

bool removeLine(Book& book, Date date, LandingSheet sheet, int row, const TKiroku& line) {
    return changeCard(book, date, [&](TIndex& c) {
        std::vector<TKiroku>& lines = linesOf(c, sheet);
        const auto index = static_cast<std::size_t>(row - 1);
        if (row >= 1 && index < lines.size() && lines[index] == line) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
            return true;
        }
        const auto found = std::find(lines.rbegin(), lines.rend(), line);
        if (found == lines.rend()) return false;
        lines.erase(std::next(found).base());
        return true;
    });
}

bool removeMemoLine(Book& book, Date date, const std::string& line) {
    return changeCard(book, date, [&](TIndex& c) {
        const std::size_t at = lastMemoLine(c.memo, line);
        if (at == std::string::npos) return false;
        c.memo.erase(at, line.size() + kCrLf.size());
        return true;
    });
}

bool removeCardIfEmpty(Book& book, Date date) {
    const auto index = findCardIndex(book, date);
    if (!index || book.cards.size() <= 1) return false;
    const TIndex& c = book.cards.read(*index);
    if (!c.spendList.empty() || !c.incomeList.empty() || !c.accountList.empty() || !c.memo.empty()) return false;
    const Date current = book.cards.curDate();
    book.cards.setCurIndex(*index);
    book.cards.deleteCurrent();
    if (current != date) book.cards.setCurIndex(*findCardIndex(book, current));
    return true;
}

}  // namespace kakeibo
