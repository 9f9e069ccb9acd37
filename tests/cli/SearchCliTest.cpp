// kakeibo-cli search: what a script gets back, and that it only ever reads.

#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "CliRun.h"
#include "model/Dates.h"
#include "storage/DataFile.h"
#include "storage/FolderLock.h"

namespace kakeibo {
namespace {

using nlohmann::json;
using test::cli;
using test::CliRun;

Date on(int year, int month, int day) { return *makeDate(year, month, day); }

void writeHouseholdBook(const TempDir& dir) {
    DataImage data;
    data.startDate = on(2025, 1, 1);
    TIndex first;
    first.date = on(2025, 1, 10);
    first.spendList = {{"", "", 0}, {"ケーキ", "食費", 1200}, {"冷蔵庫", "家電", 98000}};
    first.incomeList = {{"お年玉", "臨時収入", 10000}};
    first.accountList = {{"ATM", "みらい銀行 ＿ 引出", 30000}};
    first.memo = "誕生日\r\nけーきを買った\r\n";
    TIndex second;
    second.date = on(2025, 2, 3);
    second.spendList = {{"ｹｰｷ屋", "食費", 800.5}, {"返品", "家電", -2000}};
    data.cards = {first, second};
    data.credit = {CreditRow{"2025", "1", "10", "冷蔵庫", "98000", "Xカード", "支払済", "2025", "2"}};
    data.note = "買うもの\r\nケーキの型\r\n";
    dir.write("Mirab050.mrb", encodeDataFile(data));
}

// Every file of the folder with its bytes, but the tool's own output.
std::map<std::string, std::string> folderFiles(const TempDir& dir) {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        const std::string name = entry.path().filename().string();
        if (name != "stdout.txt" && name != "stderr.txt") files[name] = *dir.read(name);
    }
    return files;
}

TEST(SearchCli, PrintsEveryKindOfMatchInDateOrderWithTheTotals) {
    TempDir dir;
    writeHouseholdBook(dir);
    const CliRun run = cli(dir, "search けーき");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const json expected = json::parse(R"({
        "count": 4, "spendTotal": 2000.5, "incomeTotal": 0, "accountTotal": 0,
        "matches": [
          {"date": "2025-01-10", "in": "spend", "row": 2, "item": "ケーキ", "category": "食費", "amount": 1200},
          {"date": "2025-01-10", "in": "memo", "line": 2, "text": "けーきを買った"},
          {"date": "2025-02-03", "in": "spend", "row": 1, "item": "ｹｰｷ屋", "category": "食費", "amount": 800.5},
          {"date": null, "in": "notes", "line": 2, "text": "ケーキの型"}]})");
    EXPECT_EQ(run.doc(), expected);

    const json fridge = cli(dir, "search 冷蔵庫").doc();
    EXPECT_EQ(fridge["count"], 2);
    EXPECT_EQ(fridge["matches"][1], json::parse(R"({"date": "2025-01-10", "in": "credit", "row": 1,
        "item": "冷蔵庫", "card": "Xカード", "amount": 98000, "status": "支払済"})"));
    EXPECT_EQ(fridge["spendTotal"], 98000);  // the credit row is the same purchase
}

TEST(SearchCli, PeriodsAmountsAndPlacesNarrowTheSearch) {
    TempDir dir;
    writeHouseholdBook(dir);
    const json all = cli(dir, "search").doc();
    EXPECT_EQ(all["count"], 11);  // the blank line and the memo's empty end are no lines
    EXPECT_EQ(all["incomeTotal"], 10000);
    EXPECT_EQ(all["accountTotal"], 30000);

    const json february = cli(dir, "search --from 2025-02-01 --to 2025-02-28").doc();
    EXPECT_EQ(february["count"], 2);
    const json large = cli(dir, "search --min 10000 --max 98000 --in spend,income").doc();
    EXPECT_EQ(large["count"], 2);
    EXPECT_EQ(large["matches"][0]["item"], "冷蔵庫");
    EXPECT_EQ(large["matches"][1]["item"], "お年玉");
    const json refunds = cli(dir, "search --max -1").doc();
    ASSERT_EQ(refunds["count"], 1);
    EXPECT_EQ(refunds["matches"][0]["amount"], -2000);
    EXPECT_EQ(cli(dir, "search ＡＴＭ --in account").doc()["count"], 1);
    EXPECT_EQ(cli(dir, "search ATM --in spend,memo,notes,credit").doc()["count"], 0);
}

TEST(SearchCli, ReadsWhileTheWindowProgramHasTheFolderAndWritesNothing) {
    TempDir dir;
    writeHouseholdBook(dir);
    FolderLock window(dir.path());
    ASSERT_EQ(window.acquire(), FolderLock::Outcome::Acquired);
    const auto before = folderFiles(dir);
    const CliRun run = cli(dir, "search 冷蔵庫");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.doc()["count"], 2);
    EXPECT_EQ(folderFiles(dir), before);

    TempDir empty;
    const CliRun none = cli(empty, "search 冷蔵庫");
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.doc()["count"], 0);
    EXPECT_TRUE(folderFiles(empty).empty());
}

TEST(SearchCli, ABrokenDataFileIsReportedAndWhatWasReadIsSearched) {
    TempDir dir;
    writeHouseholdBook(dir);
    const std::string bytes = *dir.read("Mirab050.mrb");
    dir.write("Mirab050.mrb", bytes.substr(0, bytes.size() - 20));
    const CliRun run = cli(dir, "search 冷蔵庫");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("error: "), std::string::npos);
    EXPECT_GE(run.doc()["count"], 1);
    EXPECT_EQ(*dir.read("Mirab050.mrb"), bytes.substr(0, bytes.size() - 20));
}

TEST(SearchCli, MalformedOptionsAreUsageErrors) {
    TempDir dir;
    writeHouseholdBook(dir);
    for (const char* args : {"search --from 2025-1-1", "search --to 2025-02-30", "search --from tomorrow",
                             "search --min abc", "search --max 1,0,", "search --min 5 --max 4",
                             "search --from 2025-02-01 --to 2025-01-01", "search --in spend,cash", "search --in ''",
                             "search a b"}) {
        const CliRun run = cli(dir, args);
        EXPECT_EQ(run.status, 2) << args;
        EXPECT_TRUE(run.out.empty()) << args;
        EXPECT_NE(run.err.find("Usage"), std::string::npos) << args << "\n" << run.err;
    }
    const CliRun help = cli(dir, "search --help");
    EXPECT_EQ(help.status, 0);
    for (const char* word : {"TEXT", "--from", "--to", "--min", "--max", "--in",
                             "spend,income,account,memo,notes,credit", "\"count\"", "Exit status"}) {
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
    }
    EXPECT_NE(cli(dir, "--help").out.find("search"), std::string::npos);
}

}  // namespace
}  // namespace kakeibo
