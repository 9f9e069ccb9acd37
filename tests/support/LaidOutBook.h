#pragma once
// A book laid out as the start-up leaves it on a set day: the sheets set
// up, the settings applied and one record in each list for that day.

#include "book/Book.h"
#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "model/Dates.h"

namespace kakeibo {

inline void layOutBookOn(Book& book, Date today) {
    book.clock().setToday(today);
    setupAllGrids(book);
    settingAll(book);
    book.cards.init(today);
    book.months.init(getMonthKey(today, book.shonichi()));
    book.weeks.init(getWeekStart(today));
    book.years.init(getYearStart(today));
}

}  // namespace kakeibo
