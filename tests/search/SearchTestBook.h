#pragma once
// Small books for the search tests, written line by line.

#include <functional>
#include <initializer_list>
#include <string>

#include "book/Book.h"
#include "book/DayDisplay.h"
#include "book/Stores.h"
#include "model/Dates.h"
#include "search/BookSearchSource.h"
#include "search/SearchRun.h"
#include "storage/DataFile.h"
#include "support/LaidOutBook.h"
#include "support/ScriptedUi.h"

namespace kakeibo::test {

inline Date on(int year, int month, int day) { return *makeDate(year, month, day); }

inline TIndex& addCard(DataImage& image, Date date) {
    image.cards.emplace_back();
    image.cards.back().date = date;
    return image.cards.back();
}

inline void addCredit(DataImage& image, const std::string& year, const std::string& month, const std::string& day,
                      const std::string& item, const std::string& amount, const std::string& card,
                      const std::string& status = "") {
    image.credit.push_back(CreditRow{year, month, day, item, amount, card, status, "", ""});
}

inline SearchQuery textQuery(const std::string& text) {
    SearchQuery query;
    query.text = text;
    return query;
}

inline SearchQuery queryIn(const std::string& text, std::initializer_list<SearchPlace> places) {
    SearchQuery query = textQuery(text);
    query.places = SearchPlaces::none();
    for (SearchPlace place : places) query.places.set(place);
    return query;
}

inline SearchResult searchImage(const DataImage& image, const SearchQuery& query) {
    DataImageSource source(image);
    FoldedCache cache;
    return searchBook(source, cache, query);
}

// One entry line written into a sheet as a person types it.
inline void typeLine(Sheet& sheet, int row, const std::string& item, const std::string& amount,
                     const std::string& category = "") {
    sheet.setCell(0, row, item);
    sheet.setCell(1, row, amount);
    sheet.setCell(2, row, category);
}

// A running book: a card of the first day filled and stored, then the card
// of the shown day on the day sheets.
struct RunningBook {
    ScriptedUi ui;
    Book book{ui};

    RunningBook(Date stored, Date shown, const std::function<void(Book&)>& fill) {
        layOutBookOn(book, stored);
        fill(book);
        storeTheDay(book);
        dispTheDay(book, shown);
    }

    SearchResult search(const std::string& text) {
        BookSearchSource source(book);
        FoldedCache cache;
        return searchBook(source, cache, textQuery(text));
    }
};

}  // namespace kakeibo::test
