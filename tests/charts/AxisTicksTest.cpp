#include <gtest/gtest.h>

#include <cmath>

#include "charts/AxisTicks.h"
#include "support/FixedToday.h"

namespace kakeibo {
namespace {

std::vector<std::string> labels(const std::vector<Tick>& ticks) {
    std::vector<std::string> texts;
    for (const Tick& tick : ticks) texts.push_back(tick.label);
    return texts;
}

TEST(AmountScale, RoundStepsWrittenAsTheProgramWritesAmounts) {
    const AxisScale scale = amountScale(-1234, 48765, 5, AmountDisplay{true, false});
    EXPECT_EQ(scale.min, -10000);
    EXPECT_EQ(scale.max, 50000);
    EXPECT_EQ(labels(scale.ticks),
              (std::vector<std::string>{"-10,000", "0", "10,000", "20,000", "30,000", "40,000", "50,000"}));
    EXPECT_EQ(labels(amountScale(0, 3000, 4, AmountDisplay{false, true}).ticks),
              (std::vector<std::string>{"0.00", "1000.00", "2000.00", "3000.00"}));
    // Steps of 2 and 5 as well; no tick reads "-0".
    EXPECT_EQ(labels(amountScale(-0.3, 7, 4, AmountDisplay{}).ticks),
              (std::vector<std::string>{"-2", "0", "2", "4", "6", "8"}));
}

TEST(AmountScale, OneValueOrNoneGetsABandAroundIt) {
    const AxisScale zero = amountScale(0, 0, 5, AmountDisplay{});
    EXPECT_LT(zero.min, 0);
    EXPECT_GT(zero.max, 0);
    const AxisScale one = amountScale(250000, 250000, 5, AmountDisplay{});
    EXPECT_LT(one.min, 250000);
    EXPECT_GT(one.max, 250000);
    EXPECT_LE(one.ticks.size(), 12u);
    const AxisScale broken = amountScale(std::nan(""), 5, 5, AmountDisplay{});
    EXPECT_FALSE(broken.ticks.empty());
}

TEST(DateTicks, YearsMonthsOrDaysByTheLengthShown) {
    EXPECT_EQ(labels(dateTicks(DateSpan{dayOf(2006, 1, 1), dayOf(2025, 12, 31)}, 8)),
              (std::vector<std::string>{"2010年", "2015年", "2020年", "2025年"}));
    EXPECT_EQ(labels(dateTicks(DateSpan{dayOf(2024, 12, 20), dayOf(2025, 12, 20)}, 8)),
              (std::vector<std::string>{"2025/1", "2025/3", "2025/5", "2025/7", "2025/9", "2025/11"}));
    EXPECT_EQ(labels(dateTicks(DateSpan{dayOf(2025, 3, 1), dayOf(2025, 3, 8)}, 4)),
              (std::vector<std::string>{"3/1", "3/3", "3/5", "3/7"}));
    const std::vector<Tick> ticks = dateTicks(DateSpan{dayOf(2024, 12, 20), dayOf(2025, 12, 20)}, 8);
    EXPECT_EQ(ticks.front().value, dayOf(2025, 1, 1));
}

}  // namespace
}  // namespace kakeibo
