#include "SeriesCommand.h"

#include <ostream>

#include "book/MonthSummary.h"
#include "book/WeekYearSummary.h"
#include "charts/HistorySeries.h"
#include "charts/MonthSeries.h"
#include "charts/WeekSeries.h"
#include "charts/YearSeries.h"

namespace kakeibo::cli {

namespace {

const char* kSeriesFooter = R"(
Each prints one JSON document; amounts are numbers, dates "YYYY-MM-DD".
  month YYYY-MM  the fiscal month named YYYY-MM, after its 集計:
      {"month": "YYYY-MM", "first": DATE, "last": DATE,
       "spending": [{"category": TEXT, "used": A, "budget": A}, ...],
       "spendingTotal": A, "incomeTotal": A}
      spending: every row of the month's spending sheet with a name, in
      sheet order; the totals are the summary line's 支出合計 and 収入合計.
  year YYYY      the year, after its 集計 (which adds up the month records
                 as last summed):
      {"year": Y, "months": [{"month": 1..12, "spending": A, "income": A}, ...]}
  week DATE      the week (Sunday to Saturday) holding DATE, after its 集計:
      {"days": [{"date": DATE, "spending": A, "income": A}, ...7]}
  history [--from DATE] [--to DATE]
      {"points": [{"date": DATE, "cash": A, "accounts": A, "household": A,
                   "savings": A}, ...]}
      one point per calculated card in date order (現金残高, 口座残高合計,
      家計合計額, 貯金合計額); a card never calculated has no balances and
      is left out.
)";

enum class What { Month, Year, Week, History };

Json monthJson(Book& book, const Ymd& ym) {
    showMonth(book, ym);
    btnSumMonthClick(book);
    const MonthSeries month = monthSeries(book);
    Json spending = Json::array();
    for (const MonthCategory& row : month.spending)
        spending.push_back({{"category", row.category}, {"used", row.used}, {"budget", row.budget}});
    return {{"month", dateToIso(month.key).substr(0, 7)},
            {"first", dateToIso(month.first)},
            {"last", dateToIso(month.last)},
            {"spending", spending},
            {"spendingTotal", month.spendingTotal},
            {"incomeTotal", month.incomeTotal}};
}

Json yearJson(Book& book, int yearNumber) {
    showYear(book, yearNumber);
    btnSumYearClick(book);
    const YearSeries year = yearSeries(book);
    Json months = Json::array();
    for (std::size_t m = 0; m < 12; ++m)
        months.push_back({{"month", m + 1}, {"spending", year.spending[m]}, {"income", year.income[m]}});
    return {{"year", year.year}, {"months", months}};
}

Json weekJson(Book& book, Date date) {
    showWeek(book, date);
    btnSumWeekClick(book);
    Json days = Json::array();
    for (const WeekDay& day : weekSeries(book).days)
        days.push_back({{"date", dateToIso(day.date)}, {"spending", day.spending}, {"income", day.income}});
    return {{"days", days}};
}

Json historyJson(Book& book, std::optional<Date> from, std::optional<Date> to) {
    leaveDayPage(book);
    Json points = Json::array();
    for (const HistoryPoint& point : historySeries(book.cards, from, to)) {
        const Balances& b = point.balances;
        points.push_back({{"date", dateToIso(point.date)},
                          {"cash", b.cash},
                          {"accounts", b.accounts},
                          {"household", b.household},
                          {"savings", b.savings}});
    }
    return {{"points", points}};
}

class SeriesCommand : public CommandModule {
public:
    CLI::App* addTo(CLI::App& app) override {
        CLI::App* series = app.add_subcommand("series", "the data of the graph window's charts, as JSON");
        series->require_subcommand(1);
        series->footer(kSeriesFooter);
        monthCommand_ = series->add_subcommand(
            "month", "show the month record YYYY-MM, press 集計, print its spending rows and totals");
        monthCommand_->add_option("YYYY-MM", monthText_)->required();
        yearCommand_ = series->add_subcommand("year", "show year YYYY, press 集計, print its twelve months");
        yearCommand_->add_option("YYYY", yearText_)->required();
        weekCommand_ = series->add_subcommand("week", "show the week of DATE, press 集計, print its seven days");
        weekCommand_->add_option("DATE", weekText_, "YYYY-MM-DD")->required();
        historyCommand_ = series->add_subcommand(
            "history", "print the balances of every calculated card, in date order");
        historyCommand_->add_option("--from", fromText_, "the first day (default: the first card)")
            ->type_name("DATE");
        historyCommand_->add_option("--to", toText_, "the last day (default: the last card)")->type_name("DATE");
        return series;
    }

    std::optional<std::string> check() override {
        auto expected = [](const char* form, const std::string& text) {
            return std::string("expected ") + form + ", got \"" + text + "\"";
        };
        if (monthCommand_->parsed()) {
            what_ = What::Month;
            month_ = parseYearMonth(monthText_);
            if (!month_) return expected("YYYY-MM", monthText_);
        } else if (yearCommand_->parsed()) {
            what_ = What::Year;
            year_ = parseYear(yearText_);
            if (!year_) return expected("YYYY", yearText_);
        } else if (weekCommand_->parsed()) {
            what_ = What::Week;
            week_ = isoToDate(weekText_);
            if (!week_) return expected("DATE", weekText_);
        } else {
            what_ = What::History;
            if (!fromText_.empty() && !(from_ = isoToDate(fromText_))) return expected("--from DATE", fromText_);
            if (!toText_.empty() && !(to_ = isoToDate(toText_))) return expected("--to DATE", toText_);
            if (from_ && to_ && *from_ > *to_) return "--from " + fromText_ + " is after --to " + toText_;
        }
        return std::nullopt;
    }

    int run(const Options& options, std::ostream& out, std::ostream& err) override {
        return runOnStartedBook(options, out, err, [this](Book& book) {
            switch (what_) {
            case What::Month: return monthJson(book, *month_);
            case What::Year: return yearJson(book, *year_);
            case What::Week: return weekJson(book, *week_);
            case What::History: return historyJson(book, from_, to_);
            }
            return Json::object();
        });
    }

private:
    CLI::App* monthCommand_ = nullptr;
    CLI::App* yearCommand_ = nullptr;
    CLI::App* weekCommand_ = nullptr;
    CLI::App* historyCommand_ = nullptr;
    std::string monthText_, yearText_, weekText_, fromText_, toText_;
    What what_ = What::History;
    std::optional<Ymd> month_;
    std::optional<int> year_;
    std::optional<Date> week_, from_, to_;
};

}  // namespace

std::shared_ptr<CommandModule> makeSeriesCommand() { return std::make_shared<SeriesCommand>(); }

}  // namespace kakeibo::cli
