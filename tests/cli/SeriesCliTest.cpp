// kakeibo-cli series: the charts' data after the summary pages' own 集計,
// checked against what the summary commands print for the same book.

#include <gtest/gtest.h>

#include "CliRun.h"
#include "SettingsSheet.h"

#include "model/Dates.h"
#include "storage/DataFile.h"
#include "storage/PrefFile.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

using nlohmann::json;
using test::cli;
using test::CliRun;

// Every run on 20 December 2026.
CliRun series(const TempDir& dir, const std::string& args) { return cli(dir, "--today 2026-12-20 " + args); }

// Two cash categories (食費 over its budget in December) and one income;
// cards on 28 November and 1, 8 and 15 December 2026.
void writeBook(const TempDir& dir) {
    PrefImage prefs;
    prefs.version = 50;
    prefs.genkinOut = test::settingsSheet(35, 2, {{"食費", "3000"}, {"日用品", "5000"}});
    prefs.genkinIn = test::settingsSheet(20, 1, {{"お小遣い"}});
    prefs.shokiGenkin = "10000";
    prefs.shokichiUse = true;
    dir.write("Mirab050.prf", encodePrefFile(prefs));

    DataImage data;
    data.startDate = *makeDate(2026, 11, 28);
    for (const auto& [month, day] : {std::pair{11, 28}, {12, 1}, {12, 8}, {12, 15}}) {
        TIndex card;
        card.date = *makeDate(2026, month, day);
        card.spendList.push_back({"昼食", "食費", 400.0 * day});
        card.spendList.push_back({"洗剤", "日用品", 250.5});
        if (day == 8) card.incomeList.push_back({"お駄賃", "お小遣い", 1000});
        data.cards.push_back(card);
    }
    dir.write("Mirab050.mrb", encodeDataFile(data));
}

TEST(CliSeries, MonthWeekAndYearAreTheSummarySheetsAfterTheirSum) {
    TempDir dir;
    writeBook(dir);

    const CliRun month = series(dir, "series month 2026-12");
    ASSERT_EQ(month.status, 0) << month.err;
    const json m = month.doc();
    EXPECT_EQ(m["month"], "2026-12");
    EXPECT_EQ(m["first"], "2026-12-01");
    EXPECT_EQ(m["last"], "2026-12-31");
    ASSERT_GE(m["spending"].size(), 3u);
    EXPECT_EQ(m["spending"][0], (json{{"category", "食費"}, {"used", 400.0 * (1 + 8 + 15)}, {"budget", 3000.0}}));
    EXPECT_EQ(m["spending"][1], (json{{"category", "日用品"}, {"used", 751.5}, {"budget", 5000.0}}));
    EXPECT_EQ(m["spending"][2]["category"], "現金から貯金");
    EXPECT_EQ(m["spendingTotal"], 9600 + 751.5);
    EXPECT_EQ(m["incomeTotal"], 1000.0);
    // The table of the same 集計 says the same.
    const json page = series(dir, "sum-month 2026-12").doc();
    EXPECT_EQ(page["sheets"]["GridMonthSum"][1][1], "10351.5");
    EXPECT_EQ(page["sheets"]["GridMonthSum"][1][2], "1000");

    const json week = series(dir, "series week 2026-12-10").doc();
    ASSERT_EQ(week["days"].size(), 7u);
    EXPECT_EQ(week["days"][0], (json{{"date", "2026-12-06"}, {"spending", 0.0}, {"income", 0.0}}));
    EXPECT_EQ(week["days"][2], (json{{"date", "2026-12-08"}, {"spending", 3450.5}, {"income", 1000.0}}));

    ASSERT_EQ(series(dir, "sum-month 2026-11").status, 0);
    const json year = series(dir, "series year 2026").doc();
    EXPECT_EQ(year["year"], 2026);
    ASSERT_EQ(year["months"].size(), 12u);
    EXPECT_EQ(year["months"][0], (json{{"month", 1}, {"spending", 0.0}, {"income", 0.0}}));
    EXPECT_EQ(year["months"][10]["spending"], 11200 + 250.5);
    EXPECT_EQ(year["months"][11]["spending"], 10351.5);
    EXPECT_EQ(year["months"][11]["income"], 1000.0);
}

TEST(CliSeries, HistoryHasThePointsOfTheCalculatedCardsOnly) {
    TempDir dir;
    writeBook(dir);
    EXPECT_EQ(series(dir, "series history").doc(), (json{{"points", json::array()}}));

    ASSERT_EQ(series(dir, "calc 2026-11-28").status, 0);
    ASSERT_EQ(series(dir, "calc 2026-12-01").status, 0);
    const json calculated = series(dir, "calc 2026-12-15").doc();  // the 8th stays uncalculated

    const json history = series(dir, "series history").doc();
    ASSERT_EQ(history["points"].size(), 3u);
    EXPECT_EQ(history["points"][0],
              (json{{"date", "2026-11-28"}, {"cash", 10000 - 11200 - 250.5}, {"accounts", 0.0},
                    {"household", 10000 - 11200 - 250.5}, {"savings", 0.0}}));
    EXPECT_EQ(history["points"][2]["date"], "2026-12-15");
    // The balances are the day summary's rows 4 to 7.
    const json& matome = calculated["sheets"]["GridMatome"];
    EXPECT_EQ(json(std::stod(matome[4][1].get<std::string>())), history["points"][2]["cash"]);
    EXPECT_EQ(json(std::stod(matome[6][1].get<std::string>())), history["points"][2]["household"]);

    const json bounded = series(dir, "series history --from 2026-12-01 --to 2026-12-15").doc();
    ASSERT_EQ(bounded["points"].size(), 2u);
    EXPECT_EQ(bounded["points"][0]["date"], "2026-12-01");
}

TEST(CliSeries, BadArgumentsAreUsageErrorsThatTouchNoFile) {
    TempDir dir;
    writeBook(dir);
    const std::optional<std::string> before = dir.read("Mirab050.mrb");
    for (const char* args : {"series month 2026-13", "series year 26", "series week 2026-02-30",
                             "series history --from 2026-12-15 --to 2026-12-01", "series history --to soon",
                             "series", "series day 2026-12-01"}) {
        const CliRun run = series(dir, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_NE(run.err.find("Usage"), std::string::npos) << args << ": " << run.err;
    }
    EXPECT_EQ(dir.read("Mirab050.mrb"), before);
    EXPECT_FALSE(dir.exists("Mirab050.ini"));
    const CliRun help = series(dir, "series --help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("\"spendingTotal\""), std::string::npos);
}

}  // namespace
}  // namespace kakeibo
