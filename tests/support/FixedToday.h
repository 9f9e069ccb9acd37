#pragma once
// A clock standing still on one day, for tests that depend on "today".

#include <stdexcept>

#include "model/Clock.h"
#include "model/Dates.h"

namespace kakeibo {

inline Date dayOf(int year, int month, int day) {
    const auto date = makeDate(year, month, day);
    if (!date) {
        throw std::invalid_argument("no such day in a test");
    }
    return *date;
}

inline Clock fixedToday(int year, int month, int day) {
    Clock clock;
    clock.setToday(dayOf(year, month, day));
    return clock;
}

}  // namespace kakeibo
