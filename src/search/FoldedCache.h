#pragma once
// The folded texts of a book, kept between searches so typing a word does
// not fold the whole book again at every key. A block is folded again as
// soon as the texts it came from differ from what the book holds: each use
// compares the book's texts with the ones the block was folded from, so no
// change of the book, however it was made, is missed.

#include <map>
#include <string>
#include <vector>

#include "model/Records.h"
#include "search/FoldedBlock.h"
#include "storage/DataFile.h"

namespace kakeibo {

class FoldedCache {
public:
    // The folded lines and memo lines of a card. Blocks of dates strictly
    // between previous (a card date visited just before, or nothing) and
    // the card's are of cards that are gone, and are dropped.
    const FoldedBlock& card(const TIndex& card, const Date* previous);
    const FoldedBlock& credit(const std::vector<CreditRow>& rows);
    const FoldedBlock& notes(const std::string& notes);

    // How many card blocks are held (a book's cards, or fewer).
    std::size_t cardBlocks() const { return cards_.size(); }
    // How many blocks were folded since the cache was made.
    std::size_t foldings() const { return foldings_; }

private:
    std::map<Date, FoldedBlock> cards_;
    FoldedBlock credit_;
    FoldedBlock notes_;
    std::string key_;  // reused, so a check allocates nothing once warm
    std::size_t foldings_ = 0;
};

// The lines of a multi-line text ("\n" or CR LF between them; a break at the
// very end closes the last line), numbered from 1.
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

// Whether a text is nothing but spaces (ASCII or full-width) and tabs.
bool isBlankText(std::string_view text);

}  // namespace kakeibo
