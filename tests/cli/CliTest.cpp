// kakeibo-cli run as a person's script would run it, on folders built here.

#include <gtest/gtest.h>

#include "CliRun.h"
#include "SettingsSheet.h"
#include "model/Dates.h"
#include "storage/Cp932.h"
#include "storage/DataFile.h"
#include "storage/FolderLock.h"
#include "storage/PrefFile.h"

namespace kakeibo {
namespace {

using nlohmann::json;
using test::cli;
using test::CliRun;

// A book with one cash category and one card for 8 December 2026.
void writeSmallBook(const TempDir& dir) {
    PrefImage prefs;
    prefs.version = 50;
    prefs.genkinOut = test::settingsSheet(35, 2, {{"食費", "30000"}, {"日用品", "5000"}});
    dir.write("Mirab050.prf", encodePrefFile(prefs));

    DataImage data;
    data.startDate = *makeDate(2026, 12, 1);
    for (int day : {1, 8}) {
        TIndex card;
        card.date = *makeDate(2026, 12, day);
        card.spendList.push_back({"昼食", "食費", 800.0 * day});
        card.memo = "メモ" + std::to_string(day) + "\r\n";
        data.cards.push_back(card);
    }
    dir.write("Mirab050.mrb", encodeDataFile(data));
}

TEST(Cli, StartOnAnEmptyFolderWelcomesAndWritesTheFourFiles) {
    TempDir dir;
    const CliRun run = cli(dir, "--today 2026-12-08 start");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "{}\n");
    EXPECT_EQ(run.err.rfind("information: 「みらぶの家計簿 Ver.0.50」 にようこそ！！　\\n\\n\\n", 0), 0u) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    for (const char* name : {"Mirab050.mrb", "Mirab050.prf", "Mirab050.mmm", "Mirab050.ini"}) {
        EXPECT_TRUE(dir.exists(name)) << name;
    }
    const json dump = cli(dir, "dump").doc();
    EXPECT_EQ(dump["data"]["startDate"], "2026-12-08");
    ASSERT_EQ(dump["data"]["cards"].size(), 1u);
    EXPECT_EQ(dump["window"]["Form"]["Left"], "100");
    EXPECT_EQ(dump["window"]["Calc"].size(), 1u);
}

TEST(Cli, DumpOfAnEmptyFolderIsNullsAndWritesNothing) {
    TempDir dir;
    const CliRun run = cli(dir, "dump");
    EXPECT_EQ(run.status, 0);
    const json doc = run.doc();
    EXPECT_TRUE(doc["data"].is_null());
    EXPECT_TRUE(doc["prefs"].is_null());
    EXPECT_TRUE(doc["months"].is_null());
    EXPECT_TRUE(doc["window"].is_null());
    EXPECT_FALSE(dir.exists("Mirab050.mrb"));
}

TEST(Cli, ShowPrintsTheDayPageAndCreatesTheCard) {
    TempDir dir;
    writeSmallBook(dir);
    const CliRun run = cli(dir, "--today 2026-12-08 show 2026-12-05");
    ASSERT_EQ(run.status, 0) << run.err;
    const json page = run.doc();
    EXPECT_EQ(page["panels"]["pnlDay"], "2026/12/5");
    EXPECT_EQ(page["panels"]["pnlYobi"], "土");
    EXPECT_EQ(page["panels"]["pnlPage"], "2 / 3");
    EXPECT_EQ(page["sheets"]["GridShishutu"].size(), 1u);  // the header row alone
    EXPECT_EQ(page["memo"], "");
    EXPECT_EQ(cli(dir, "dump").doc()["data"]["cards"].size(), 3u);

    const json eighth = cli(dir, "--today 2026-12-08 show 2026-12-08").doc();
    EXPECT_EQ(eighth["sheets"]["GridShishutu"][1], json::array({"昼食", "6400", "食費"}));
    EXPECT_EQ(eighth["memo"], "メモ8");
}

TEST(Cli, CalcTalliesTheCardAndLeavesThePreviousFileAsBackup) {
    TempDir dir;
    writeSmallBook(dir);
    const std::string before = *dir.read("Mirab050.mrb");
    const CliRun run = cli(dir, "--today 2026-12-08 calc 2026-12-01");
    ASSERT_EQ(run.status, 0) << run.err;
    const json page = run.doc();
    EXPECT_EQ(page["sheets"]["GridYosan"][1], json::array({"食費", "800", "29200"}));
    EXPECT_EQ(page["sheets"]["GridMatome"][1][1], "800");
    EXPECT_EQ(dir.read("Mirab050.bak"), before);

    // Recalculating the following cards carries the budget on.
    const json following = cli(dir, "--today 2026-12-08 calc 2026-12-01 --following").doc();
    EXPECT_EQ(following["panels"]["pnlDay"], "2026/12/1");
    const json eighth = cli(dir, "--today 2026-12-08 show 2026-12-08").doc();
    EXPECT_EQ(eighth["sheets"]["GridYosan"][1], json::array({"食費", "6400", "22800"}));
    EXPECT_EQ(eighth["sheets"]["GridMatome"][10][1], "7200");
}

TEST(Cli, SummariesPrintTheirPages) {
    TempDir dir;
    writeSmallBook(dir);
    const json month = cli(dir, "--today 2026-12-08 sum-month 2026-12").doc();
    EXPECT_EQ(month["panels"]["pnlYearSum"], "2026");
    EXPECT_EQ(month["panels"]["pnlMonthStart"], "2026/12/1");
    EXPECT_EQ(month["panels"]["pnlMonthLast"], "2026/12/31");
    EXPECT_EQ(month["sheets"]["GridMonthShishutu"][1], json::array({"食費", "7200", "30000"}));
    EXPECT_EQ(month["sheets"]["GridMonthSum"][1][1], "7200");

    const json week = cli(dir, "--today 2026-12-08 sum-week 2026-12-08").doc();
    EXPECT_EQ(week["panels"]["pnlYearWeek"], "2026");
    EXPECT_EQ(week["sheets"]["GridWeekShishutsu"][1][1], "6400");

    const json year = cli(dir, "--today 2026-12-08 sum-year 2026").doc();
    EXPECT_EQ(year["panels"]["pnlYearYear"], "2026");
    EXPECT_EQ(year["sheets"]["GridYearShishutsu"][1][1], "7200");  // from the month record summed above

    EXPECT_EQ(cli(dir, "dump").doc()["months"].size(), 1u);
}

TEST(Cli, ExportsWriteCp932TextFiles) {
    TempDir dir;
    writeSmallBook(dir);
    ASSERT_EQ(cli(dir, "--today 2026-12-08 export hibi 2026-12-01 2026-12-31 '" + dir.file("hibi.txt") + "'").status,
              0);
    const std::string hibi = *dir.read("hibi.txt");
    EXPECT_EQ(hibi.rfind(*utf8ToCp932("2026/12/1\r\n支出\r\n昼食,食費,800\r\n"), 0), 0u);

    EXPECT_EQ(cli(dir, "--today 2026-12-08 export memo 2026-12 '" + dir.file("memo.txt") + "'").status, 0);
    EXPECT_NE(dir.read("memo.txt")->find(*utf8ToCp932("メモ1")), std::string::npos);

    EXPECT_EQ(cli(dir, "--today 2026-12-08 export week 2026-12-08 '" + dir.file("w.txt") + "'").status, 0);
    EXPECT_EQ(dir.read("w.txt")->rfind(*utf8ToCp932("2026年　第50週\r\n"), 0), 0u);

    for (const char* what : {"month 2026-12", "year 2026", "notes"}) {
        const std::string file = dir.file(std::string("x-") + what[0] + ".txt");
        EXPECT_EQ(cli(dir, std::string("--today 2026-12-08 export ") + what + " '" + file + "'").status, 0) << what;
        EXPECT_TRUE(fileExists(file)) << what;
    }
}

TEST(Cli, AFolderOpenInAnotherProgramIsLeftAlone) {
    TempDir dir;
    writeSmallBook(dir);
    const auto before = dir.read("Mirab050.mrb");
    {
        FolderLock window(dir.path());  // the window program has the book open
        ASSERT_EQ(window.acquire(), FolderLock::Outcome::Acquired);
        const CliRun run = cli(dir, "--today 2026-12-08 calc 2026-12-08");
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err.rfind("error: みらぶの家計簿はすでに起動しています。", 0), 0u) << run.err;
        EXPECT_EQ(dir.read("Mirab050.mrb"), before);
        EXPECT_FALSE(dir.exists("Mirab050.bak"));
        // Reading alone is harmless.
        EXPECT_EQ(cli(dir, "dump").status, 0);
    }
    EXPECT_EQ(cli(dir, "--today 2026-12-08 calc 2026-12-08").status, 0);
    EXPECT_TRUE(dir.exists("Mirab050.bak"));
}

TEST(Cli, AFailedWriteGivesStatusOne) {
    TempDir dir;
    writeSmallBook(dir);
    const CliRun run = cli(dir, "--today 2026-12-08 export notes '" + dir.file("missing/notes.txt") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("error: ファイル書き込みに失敗しました"), std::string::npos) << run.err;
}

TEST(Cli, ABrokenFileIsReportedWithStatusOne) {
    TempDir dir;
    dir.write("Mirab050.mrb", std::string("\x32\x00\x00\x00", 4));
    const CliRun dump = cli(dir, "dump");
    EXPECT_EQ(dump.status, 1);
    EXPECT_NE(dump.err.find("error: みらぶの家計簿のデータではないか、ファイルが壊れています"), std::string::npos);
    EXPECT_NE(dump.err.find("warning: 動作が不安定になるので、いったん終了してください"), std::string::npos);
    EXPECT_EQ(dump.doc()["data"]["version"], 50);
}

TEST(Cli, TheWindowSettingsGoBackAsTheyWere) {
    TempDir dir;
    dir.write("Mirab050.ini", "; mine\r\n[Form]\r\nLeft=300\r\nTop=40\r\n[Other]\r\nx=1\r\n");
    ASSERT_EQ(cli(dir, "--today 2026-12-08 start").status, 0);
    const std::string ini = *dir.read("Mirab050.ini");
    EXPECT_EQ(ini.rfind("; mine\r\n[Form]\r\nLeft=300\r\nTop=40\r\n", 0), 0u) << ini;
    EXPECT_NE(ini.find("Height=480"), std::string::npos);
    EXPECT_NE(ini.find("[Other]\r\nx=1\r\n"), std::string::npos);
    EXPECT_NE(ini.find("MonthSummary=88"), std::string::npos);
}

TEST(Cli, UsageErrorsGiveStatusTwoAndTheUsage) {
    TempDir dir;
    for (const char* args : {"", "fly", "show", "show 2026-13-01", "--today 12/8 start", "sum-month 2026-1",
                             "export", "export hibi 2026-01-01 2026-02-01"}) {
        const CliRun run = cli(dir, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_NE(run.err.find("Usage"), std::string::npos) << args << "\n" << run.err;
        EXPECT_TRUE(run.out.empty()) << args;
    }
    EXPECT_FALSE(dir.exists("Mirab050.mrb"));
    const CliRun help = cli(dir, "--help");
    EXPECT_EQ(help.status, 0);
    for (const char* word : {"dump", "start", "show", "calc", "sum-month", "sum-week", "sum-year", "export",
                             "--following", "--today", "--yes", "Exit status"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
}

}  // namespace
}  // namespace kakeibo
