#include "search/SearchRun.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "sheets/AmountText.h"
#include "text/TextFolding.h"

namespace kakeibo {

namespace {

bool placesOnCards(const SearchPlaces& places) {
    return places.has(SearchPlace::Spend) || places.has(SearchPlace::Income) || places.has(SearchPlace::Account) ||
           places.has(SearchPlace::Memo);
}

std::string foldedNeedle(const std::string& text) {
    const std::string folded = foldForMatching(text);
    // NFKC has made full-width spaces ASCII ones.
    const std::size_t first = folded.find_first_not_of(" \t\r\n");
    if (first == std::string::npos) return {};
    const std::size_t last = folded.find_last_not_of(" \t\r\n");
    return folded.substr(first, last - first + 1);
}

bool inAmountRange(const SearchQuery& query, double amount) {
    return (!query.min || amount >= *query.min) && (!query.max || amount <= *query.max);
}

bool inDateRange(const SearchQuery& query, Date date) {
    return (!query.from || date >= *query.from) && (!query.to || date <= *query.to);
}

const std::vector<TKiroku>& linesOf(const TIndex& card, SearchPlace place) {
    switch (place) {
        case SearchPlace::Income: return card.incomeList;
        case SearchPlace::Account: return card.accountList;
        default: return card.spendList;
    }
}

std::string lineOfText(std::string_view text, int wanted) {
    std::string_view found;
    forEachTextLine(text, [&](int number, std::string_view line) {
        if (number == wanted) found = line;
    });
    return std::string(found);
}

std::optional<int> cellNumber(const std::string& text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The purchase date of a credit row, from its year, month and day cells.
std::optional<Date> purchaseDate(const CreditRow& row) {
    const auto year = cellNumber(row[kCreditYearCol]);
    const auto month = cellNumber(row[kCreditMonthCol]);
    const auto day = cellNumber(row[kCreditDayCol]);
    if (!year || !month || !day) return std::nullopt;
    return makeDate(*year, *month, *day);
}

}  // namespace

SearchRun::SearchRun(SearchSource& source, FoldedCache& cache, SearchQuery query)
    : source_(source), cache_(cache), query_(std::move(query)), needle_(foldedNeedle(query_.text)) {
    if (queryProblem(query_) != QueryProblem::None) {
        stage_ = Stage::Done;
        return;
    }
    startCards();
}

void SearchRun::startCards() {
    if (!placesOnCards(query_.places)) {
        nextCard_ = source_.cardCount();
        return;
    }
    // Dates ascend with the index: the period is one run of cards.
    int low = 0;
    int high = source_.cardCount();
    if (query_.from) {
        while (low < high) {
            const int middle = low + (high - low) / 2;
            if (source_.cardDate(middle) < *query_.from) low = middle + 1;
            else high = middle;
        }
    }
    nextCard_ = low;
}

template <class Take>
void SearchRun::forEachFound(const FoldedBlock& block, Take&& take) const {
    if (needle_.empty()) {
        for (const FoldedEntry& entry : block.entries()) take(entry);
    } else {
        block.forEachHolding(needle_, take);
    }
}

void SearchRun::searchCard(int index) {
    const TIndex& card = source_.card(index);
    const FoldedBlock& block = cache_.card(card, cardVisited_ ? &lastCardDate_ : nullptr);
    cardVisited_ = true;
    lastCardDate_ = card.date;

    forEachFound(block, [&](const FoldedEntry& entry) {
        if (!query_.places.has(entry.place)) return;
        SearchMatch match;
        match.place = entry.place;
        match.date = card.date;
        match.row = entry.row;
        if (entry.place == SearchPlace::Memo) {
            if (query_.hasAmountRange()) return;
            match.text = lineOfText(card.memo, entry.row);
            if (match.text.empty()) return;
        } else {
            const std::vector<TKiroku>& lines = linesOf(card, entry.place);
            if (static_cast<std::size_t>(entry.row) > lines.size()) return;
            const TKiroku& line = lines[static_cast<std::size_t>(entry.row - 1)];
            // A damaged file may hold an amount that is no number; the sheets
            // show it as nothing, and a total must not become one.
            const double amount = std::isfinite(line.amount) ? line.amount : 0;
            // A blank line is a gap between lines, not an entry.
            if (amount == 0 && isBlankText(line.item) && isBlankText(line.category)) return;
            if (!inAmountRange(query_, amount)) return;
            match.text = line.item;
            match.category = line.category;
            match.amount = amount;
            double& total = entry.place == SearchPlace::Spend    ? result_.spendTotal
                            : entry.place == SearchPlace::Income ? result_.incomeTotal
                                                                 : result_.accountTotal;
            total += amount;
        }
        constexpr std::size_t kChunk = 1024;
        if (cardChunks_.empty() || cardChunks_.back().size() == kChunk) {
            cardChunks_.emplace_back();
            cardChunks_.back().reserve(kChunk);
        }
        cardChunks_.back().push_back(std::move(match));
    });
}

void SearchRun::searchCredit() {
    if (!query_.places.has(SearchPlace::Credit)) return;
    const std::vector<CreditRow>& rows = source_.creditRows();
    forEachFound(cache_.credit(rows), [&](const FoldedEntry& entry) {
        if (static_cast<std::size_t>(entry.row) > rows.size()) return;
        const CreditRow& row = rows[static_cast<std::size_t>(entry.row - 1)];
        const double amount = textToAmount(row[kCreditAmountCol]);
        if (amount == 0 && isBlankText(row[kCreditItemCol]) && isBlankText(row[kCreditCardCol])) return;
        const std::optional<Date> date = purchaseDate(row);
        // A row whose date cells make no date is outside every period.
        if (query_.hasDateRange() && (!date || !inDateRange(query_, *date))) return;
        if (!inAmountRange(query_, amount)) return;
        credit_.push_back(SearchMatch{SearchPlace::Credit, date, entry.row, row[kCreditItemCol],
                                      row[kCreditCardCol], amount, row[kCreditStateCol]});
    });
}

void SearchRun::searchNotes() {
    // The notes have neither dates nor amounts.
    if (!query_.places.has(SearchPlace::Notes) || query_.hasDateRange() || query_.hasAmountRange()) return;
    const std::string& notes = source_.notes();
    forEachFound(cache_.notes(notes), [&](const FoldedEntry& entry) {
        std::string line = lineOfText(notes, entry.row);
        if (line.empty()) return;
        SearchMatch match;
        match.place = SearchPlace::Notes;
        match.row = entry.row;
        match.text = std::move(line);
        notes_.push_back(std::move(match));
    });
}

// Credit rows go among the cards by their purchase dates, after the card
// lines of the same day; rows without a date, then the notes, come last.
bool SearchRun::assemble(Clock::time_point deadline) {
    std::vector<SearchMatch>& out = result_.matches;
    if (nextChunk_ == 0 && nextCredit_ == 0) {
        std::stable_sort(credit_.begin(), credit_.end(), [](const SearchMatch& a, const SearchMatch& b) {
            if (!a.date || !b.date) return a.date.has_value() && !b.date.has_value();
            return *a.date < *b.date;
        });
        std::size_t total = credit_.size() + notes_.size();
        for (const auto& chunk : cardChunks_) total += chunk.size();
        out.reserve(total);
    }
    while (nextChunk_ < cardChunks_.size()) {
        for (SearchMatch& card : cardChunks_[nextChunk_]) {
            while (nextCredit_ < credit_.size() && credit_[nextCredit_].date &&
                   *credit_[nextCredit_].date < *card.date) {
                out.push_back(std::move(credit_[nextCredit_++]));
            }
            out.push_back(std::move(card));
        }
        std::vector<SearchMatch>().swap(cardChunks_[nextChunk_++]);
        if (Clock::now() >= deadline) return false;
    }
    while (nextCredit_ < credit_.size()) out.push_back(std::move(credit_[nextCredit_++]));
    std::move(notes_.begin(), notes_.end(), std::back_inserter(out));
    cardChunks_.clear();
    credit_.clear();
    notes_.clear();
    stage_ = Stage::Done;
    return true;
}

bool SearchRun::advance(Clock::time_point deadline) {
    if (stage_ == Stage::Cards) {
        // The clock is read every few cards: a card takes microseconds.
        constexpr int kCardsBetweenClockReads = 16;
        int sinceClockRead = 0;
        while (nextCard_ < source_.cardCount()) {
            if (query_.to && source_.cardDate(nextCard_) > *query_.to) break;
            searchCard(nextCard_++);
            if (++sinceClockRead == kCardsBetweenClockReads) {
                sinceClockRead = 0;
                if (Clock::now() >= deadline) return false;
            }
        }
        searchCredit();
        searchNotes();
        stage_ = Stage::Assembling;
    }
    if (stage_ == Stage::Assembling) return assemble(deadline);
    return true;
}

SearchResult SearchRun::takeResult() {
    SearchResult out = std::move(result_);
    result_ = SearchResult{};
    return out;
}

SearchResult searchBook(SearchSource& source, FoldedCache& cache, const SearchQuery& query) {
    SearchRun run(source, cache, query);
    run.advance(SearchRun::Clock::time_point::max());
    return run.takeResult();
}

}  // namespace kakeibo
