#include "exchange/Landing.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <map>
#include <set>
#include <tuple>
#include <unordered_map>
#include <variant>

#include "exchange/BookCards.h"
#include "exchange/ItemText.h"
#include "sheets/AmountText.h"
#include "storage/Cp932.h"

namespace kakeibo {
namespace {

struct LandingError {
    std::string text;
};

std::string notInLists(const std::string& category, const std::string& why) {
    return "分類「" + category + "」はどの分類の一覧にもありません（" + why + "）";
}

// The category of a row, or the reason there is none.
std::variant<LandingCategory, LandingError> categoryOf(const StatementRow& row, const BookCategories& categories,
                                                       const ImportChoices& choices) {
    const bool moneyIn = row.amount > 0;
    const std::string& own = row.category;
    if (own.size() > 2 && own.front() == '[' && own.back() == ']') {
        if (auto label = categories.transferLabel(own.substr(1, own.size() - 2), moneyIn)) {
            return LandingCategory{LandingSheet::Account, std::move(*label)};
        }
    } else if (auto found = categories.find(own, moneyIn)) {
        return std::move(*found);
    }
    if (const std::string* ruled = choices.rules.match(row.description)) {
        if (auto found = categories.find(*ruled, moneyIn)) return std::move(*found);
        return LandingError{notInLists(*ruled, "規則の分類")};
    }
    const std::string& fallback = moneyIn ? choices.defaultIn : choices.defaultOut;
    if (fallback.empty()) {
        return LandingError{moneyIn ? "分類が決まりません（規則に当てはまらず、収入の既定の分類もありません）"
                                    : "分類が決まりません（規則に当てはまらず、支出の既定の分類もありません）"};
    }
    if (auto found = categories.find(fallback, moneyIn)) return std::move(*found);
    return LandingError{notInLists(fallback, moneyIn ? "収入の既定の分類" : "支出の既定の分類")};
}

double sheetAmount(LandingSheet sheet, double amount) {
    switch (sheet) {
        case LandingSheet::Spend: return -amount;
        case LandingSheet::Income: return amount;
        case LandingSheet::Account: return std::fabs(amount);
    }
    return amount;
}

// The lines already on the cards, counted by their contents, each able to
// answer for one row of the statement.
class ExistingLines {
public:
    explicit ExistingLines(const Book& book) : book_(book) {}

    // True when an unclaimed equal line is on the card; claims it.
    bool claim(Date date, LandingSheet sheet, const TKiroku& line) {
        auto& counts = countsOf(date, sheet);
        const auto it = counts.find(keyOf(line));
        if (it == counts.end() || it->second == 0) return false;
        --it->second;
        return true;
    }

private:
    using Key = std::tuple<std::string, std::string, std::uint64_t>;
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            return std::hash<std::string>{}(std::get<0>(k)) * 31 ^ std::hash<std::string>{}(std::get<1>(k)) ^
                   std::hash<std::uint64_t>{}(std::get<2>(k));
        }
    };
    using Counts = std::unordered_map<Key, int, KeyHash>;

    static Key keyOf(const TKiroku& line) {
        // 0 and -0 are one amount.
        const double amount = line.amount == 0 ? 0.0 : line.amount;
        std::uint64_t bits = 0;
        std::memcpy(&bits, &amount, sizeof bits);
        return {line.item, line.category, bits};
    }

    Counts& countsOf(Date date, LandingSheet sheet) {
        auto [it, fresh] = cards_.try_emplace({date, sheet});
        if (fresh) {
            if (const auto* lines = cardLines(book_, date, sheet)) {
                for (const TKiroku& line : *lines) ++it->second[keyOf(line)];
            }
        }
        return it->second;
    }

    const Book& book_;
    std::map<std::pair<Date, LandingSheet>, Counts> cards_;
};

// The memo lines of each card, with those the import adds, and their room.
class MemoRoom {
public:
    explicit MemoRoom(const Book& book) : book_(book) {}

    // The lines of memos not on the card yet, or nothing when they do not fit.
    std::optional<std::vector<std::string>> take(Date date, const std::vector<std::string>& memos) {
        Memo& memo = memoOf(date);
        std::vector<std::string> fresh;
        std::size_t bytes = memo.bytes;
        for (const std::string& line : memos) {
            if (memo.lines.count(line) || std::find(fresh.begin(), fresh.end(), line) != fresh.end()) continue;
            bytes += cp932Length(line).value_or(line.size()) + 2;
            fresh.push_back(line);
        }
        if (bytes > kLongTextMaxBytes) return std::nullopt;
        memo.bytes = bytes;
        memo.lines.insert(fresh.begin(), fresh.end());
        return fresh;
    }

private:
    struct Memo {
        std::set<std::string> lines;
        std::size_t bytes = 0;
    };

    Memo& memoOf(Date date) {
        auto [it, fresh] = memos_.try_emplace(date);
        if (fresh) {
            if (const std::string* text = cardMemo(book_, date)) {
                it->second.bytes = cp932Length(*text).value_or(text->size());
                std::size_t begin = 0;
                for (std::size_t end = text->find("\r\n"); end != std::string::npos; end = text->find("\r\n", begin)) {
                    it->second.lines.insert(text->substr(begin, end - begin));
                    begin = end + 2;
                }
            }
        }
        return it->second;
    }

    const Book& book_;
    std::map<Date, Memo> memos_;
};

}  // namespace

ImportPlan planImport(const Book& book, const StatementRows& rows, const ImportChoices& choices) {
    ImportPlan plan;
    plan.bad = rows.bad;
    const BookCategories categories(book);
    ExistingLines existing(book);
    MemoRoom memoRoom(book);
    std::set<Date> newCards;

    for (const StatementRow& row : rows.rows) {
        auto bad = [&](std::string error) { plan.bad.push_back(ReadProblem{row.line, std::move(error)}); };
        if (row.amount == 0) {
            ++plan.zeroRows;
            continue;
        }
        auto category = categoryOf(row, categories, choices);
        if (const auto* error = std::get_if<LandingError>(&category)) {
            bad(error->text);
            continue;
        }
        const LandingCategory& landing = std::get<LandingCategory>(category);
        FittedText item = fitItemText(row.description, kShortTextMaxBytes);
        if (!item.text) {
            bad(item.error);
            continue;
        }
        std::vector<std::string> memos;
        std::string memoError;
        for (const std::string& memo : row.memos) {
            FittedText fitted = fitMemoLine(memo);
            if (!fitted.text) {
                memoError = "メモの" + fitted.error;
                break;
            }
            if (!fitted.text->empty()) memos.push_back(std::move(*fitted.text));
        }
        if (!memoError.empty()) {
            bad(memoError);
            continue;
        }

        PlannedLine planned;
        planned.line = row.line;
        planned.date = row.date;
        planned.sheet = landing.sheet;
        planned.item = std::move(*item.text);
        planned.category = landing.category;
        // The amount as the card will hold it once written into a cell.
        planned.amount = textToAmount(amountToText(sheetAmount(landing.sheet, row.amount)));
        planned.duplicate =
            existing.claim(row.date, landing.sheet, TKiroku{planned.item, planned.category, planned.amount});
        if (!planned.duplicate) {
            auto room = memoRoom.take(row.date, memos);
            if (!room) {
                bad("メモが長すぎてカードに入りません");
                continue;
            }
            planned.memos = std::move(*room);
            ++plan.added;
            planned.newCard = !hasCard(book, row.date);
            if (planned.newCard) newCards.insert(row.date);
            if (!plan.first || row.date < *plan.first) plan.first = row.date;
            if (!plan.last || row.date > *plan.last) plan.last = row.date;
        } else {
            ++plan.duplicates;
        }
        plan.lines.push_back(std::move(planned));
    }
    plan.cardsCreated = static_cast<int>(newCards.size());
    sortByLine(plan.bad);
    return plan;
}

}  // namespace kakeibo
