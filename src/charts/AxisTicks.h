#pragma once
// Where a chart's axes put their ticks and what the ticks say: amounts at
// round steps (1, 2 or 5 times a power of ten) written as the program
// writes amounts, dates at whole days, months or years.

#include <string>
#include <vector>

#include "charts/HistorySpan.h"
#include "sheets/AmountText.h"

namespace kakeibo {

struct Tick {
    double value = 0;
    std::string label;
    bool operator==(const Tick&) const = default;
};

struct AxisScale {
    double min = 0;
    double max = 1;
    std::vector<Tick> ticks;  // from min to max, both included
};

// An amount axis from below low to above high (each rounded out to a step)
// with at most maxTicks + 1 ticks; a range of one value is widened around it.
// Labels follow the program's amount display.
AxisScale amountScale(double low, double high, int maxTicks, AmountDisplay display);

// Date ticks within span, at most about maxTicks of them, at the first of
// the coarsest unit that gives enough: years ("2019年"), months
// ("2019/4"), or days ("4/15").
std::vector<Tick> dateTicks(const DateSpan& span, int maxTicks);

}  // namespace kakeibo
