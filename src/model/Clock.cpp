#include "model/Clock.h"

#include <ctime>

namespace kakeibo {

Date Clock::today() const {
    if (fixed_) return *fixed_;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    if (localtime_r(&now, &local) == nullptr) return 0;
    // The local calendar day always exists; the fallback only guards a
    // broken clock far outside the kept calendar.
    return makeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday).value_or(0);
}

}  // namespace kakeibo
