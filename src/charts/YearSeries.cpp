#include "charts/YearSeries.h"

#include <charconv>

#include "charts/TopCategories.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

constexpr int kJanuaryCol = 3;  // January 3 .. December 14
constexpr int kFirstCategoryRow = 2;

TwelveMonths monthsOfRow(const Sheet& sheet, int row) {
    TwelveMonths months{};
    for (int m = 0; m < 12; ++m) months[static_cast<std::size_t>(m)] = textToAmount(sheet.cell(kJanuaryCol + m, row));
    return months;
}

}  // namespace

YearSeries yearSeries(const Book& book) {
    YearSeries year;
    const std::string& yearText = book.pnlYearYear;
    std::from_chars(yearText.data(), yearText.data() + yearText.size(), year.year);
    const Sheet& spend = book.GridYearShishutsu;
    year.summed = !spend.cell(0, 1).empty();
    year.spending = monthsOfRow(spend, 1);
    year.income = monthsOfRow(book.GridYearShuNyu, 1);
    const int last = lastUsedRow(spend);
    for (int row = kFirstCategoryRow; row <= last; ++row) {
        const std::string& name = spend.cell(0, row);
        if (name.empty()) continue;
        year.categories.push_back(YearCategory{name, textToAmount(spend.cell(1, row)), monthsOfRow(spend, row)});
    }
    return year;
}

std::vector<YearStack> yearStacks(const YearSeries& year) {
    std::vector<NamedAmount> totals;
    for (const YearCategory& category : year.categories) totals.push_back(NamedAmount{category.name, category.total});
    const std::vector<std::size_t> largest = largestCategories(totals);
    std::vector<bool> named(year.categories.size(), false);
    std::vector<YearStack> stacks;
    for (std::size_t i : largest) {
        named[i] = true;
        stacks.push_back(YearStack{year.categories[i].name, year.categories[i].months});
    }
    YearStack rest{std::string(kOthersLabel), {}};
    bool anyRest = false;
    for (std::size_t i = 0; i < year.categories.size(); ++i) {
        if (named[i]) continue;
        for (std::size_t m = 0; m < 12; ++m) {
            rest.months[m] += year.categories[i].months[m];
            anyRest = anyRest || year.categories[i].months[m] != 0;
        }
    }
    if (anyRest) stacks.push_back(std::move(rest));
    return stacks;
}

}  // namespace kakeibo
