#pragma once
// Where a search reads the book: its day cards, the rows of its credit
// record and its notes. Everything a search knows of the book comes through
// here, so how the book keeps its cards (decoded, or as the bytes read until
// something needs them) stays the source's business.

#include <string>
#include <vector>

#include "model/Records.h"
#include "storage/DataFile.h"

namespace kakeibo {

// What the columns of a credit row hold.
inline constexpr std::size_t kCreditYearCol = 0, kCreditMonthCol = 1, kCreditDayCol = 2, kCreditItemCol = 3,
                             kCreditAmountCol = 4, kCreditCardCol = 5, kCreditStateCol = 6;

class SearchSource {
public:
    virtual ~SearchSource() = default;

    virtual int cardCount() = 0;
    // Dates strictly ascend with the index.
    virtual Date cardDate(int index) = 0;
    // The card's content; valid until the next call of any member.
    virtual const TIndex& card(int index) = 0;
    // The credit record's rows 1..n, columns 0..8; valid until the next call.
    virtual const std::vector<CreditRow>& creditRows() = 0;
    // The notes page, lines joined by "\n" or CR LF.
    virtual const std::string& notes() = 0;
};

// A book as the data file holds it (the command-line tool reads one without
// starting the book).
class DataImageSource : public SearchSource {
public:
    explicit DataImageSource(const DataImage& image) : image_(image) {}

    int cardCount() override { return static_cast<int>(image_.cards.size()); }
    Date cardDate(int index) override { return card(index).date; }
    const TIndex& card(int index) override { return image_.cards[static_cast<std::size_t>(index)]; }
    const std::vector<CreditRow>& creditRows() override { return image_.credit; }
    const std::string& notes() override { return image_.note; }

private:
    const DataImage& image_;
};

}  // namespace kakeibo
