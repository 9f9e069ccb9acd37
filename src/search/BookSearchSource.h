#pragma once
// The running book as a search sees it: what the person sees. The current
// card is read from the day sheets and the day memo, which hold it while it
// is shown (typed lines count before they are stored); the credit record
// from its sheet; the notes from the notes page. Reading never stores
// anything into the book.

#include "book/Book.h"
#include "search/SearchSource.h"

namespace kakeibo {

class BookSearchSource : public SearchSource {
public:
    explicit BookSearchSource(const Book& book) : book_(book) {}

    int cardCount() override;
    Date cardDate(int index) override;
    const TIndex& card(int index) override;
    const std::vector<CreditRow>& creditRows() override;
    const std::string& notes() override;

private:
    const Book& book_;
    TIndex shownCard_;
    std::vector<CreditRow> creditRows_;
};

}  // namespace kakeibo
