#pragma once
// The one source of "today". The Book owns a clock; tests and the
// command-line tool set it to any day.

#include <optional>

#include "model/Dates.h"

namespace kakeibo {

class Clock {
public:
    // Today from the system's local time, unless a day was set.
    Date today() const;
    void setToday(Date date) { fixed_ = date; }
    void useSystemTime() { fixed_.reset(); }

private:
    std::optional<Date> fixed_;
};

}  // namespace kakeibo
