#include "charts/AxisTicks.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "model/Dates.h"

namespace kakeibo {

namespace {

double niceStep(double range, int maxTicks) {
    const double rough = range / std::max(maxTicks, 1);
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (const double multiple : {1.0, 2.0, 5.0, 10.0}) {
        if (multiple * power >= rough) return multiple * power;
    }
    return 10 * power;
}

// The steps a date axis may take, finest first: days, then months (12 and
// more are whole years).
struct DateStep {
    int days = 0;
    int months = 0;
    double approximateDays() const { return days > 0 ? days : months * 30.44; }
};
constexpr std::array<DateStep, 13> kDateSteps = {{{1, 0}, {2, 0}, {7, 0}, {14, 0}, {0, 1}, {0, 2}, {0, 3},
                                                  {0, 6}, {0, 12}, {0, 24}, {0, 60}, {0, 120}, {0, 240}}};

std::vector<Tick> dayTicks(const DateSpan& span, int step) {
    std::vector<Tick> ticks;
    for (Date day = std::ceil(span.from); day <= span.to; day += step) {
        const Ymd ymd = splitDate(day);
        ticks.push_back(Tick{day, std::to_string(ymd.month) + "/" + std::to_string(ymd.day)});
    }
    return ticks;
}

std::vector<Tick> monthTicks(const DateSpan& span, int step) {
    std::vector<Tick> ticks;
    const Ymd start = splitDate(std::ceil(span.from));
    // From the first month boundary on or after the start that is a whole
    // number of steps from January (quarters start in January, April, ...).
    int index = start.year * 12 + (start.month - 1);
    if (start.day != 1) ++index;
    index = (index + step - 1) / step * step;
    for (;; index += step) {
        const int year = index / 12;
        const int month = index % 12 + 1;
        const std::optional<Date> day = makeDate(year, month, 1);
        if (!day || *day > span.to) break;
        const std::string label =
            step % 12 == 0 ? std::to_string(year) + "年" : std::to_string(year) + "/" + std::to_string(month);
        ticks.push_back(Tick{*day, label});
    }
    return ticks;
}

}  // namespace

AxisScale amountScale(double low, double high, int maxTicks, AmountDisplay display) {
    if (!std::isfinite(low) || !std::isfinite(high)) low = high = 0;
    if (low > high) std::swap(low, high);
    if (high - low < 1) {
        // One value (or none): a band around it, 0 included when it is near.
        const double pad = std::max(std::abs(high) * 0.1, 1000.0);
        low -= pad;
        high += pad;
    }
    const double step = niceStep(high - low, maxTicks);
    AxisScale scale;
    scale.min = std::floor(low / step) * step;
    scale.max = std::ceil(high / step) * step;
    const long count = std::lround((scale.max - scale.min) / step);
    for (long i = 0; i <= count; ++i) {
        double value = scale.min + static_cast<double>(i) * step;
        if (std::abs(value) < step * 1e-9) value = 0;  // no "-0"
        scale.ticks.push_back(Tick{value, formatAmount(value, display)});
    }
    return scale;
}

std::vector<Tick> dateTicks(const DateSpan& span, int maxTicks) {
    maxTicks = std::max(maxTicks, 2);
    for (const DateStep& step : kDateSteps) {
        if (span.length() / step.approximateDays() > maxTicks) continue;
        return step.days > 0 ? dayTicks(span, step.days) : monthTicks(span, step.months);
    }
    return monthTicks(span, kDateSteps.back().months);
}

}  // namespace kakeibo
