// kakeibo-cli import and export --encoding, run on folders built here, with
// Shift-JIS and UTF-8 statements.

#include <gtest/gtest.h>

#include "CliRun.h"
#include "model/Dates.h"
#include "storage/Cp932.h"
#include "storage/DataFile.h"
#include "storage/PrefFile.h"
#include "support/SampleBooks.h"
#include "support/SmallFileSystem.h"

namespace kakeibo {
namespace {

using nlohmann::json;
using test::cli;
using test::CliRun;

SheetRecord settingsSheet(int rows, int cols, const std::vector<std::vector<std::string>>& filled) {
    SheetRecord sheet;
    sheet.rows = rows;
    sheet.cols = cols;
    sheet.cells.assign(static_cast<std::size_t>(rows - 1), std::vector<std::string>(static_cast<std::size_t>(cols)));
    for (std::size_t r = 0; r < filled.size(); ++r) {
        for (std::size_t c = 0; c < filled[r].size(); ++c) sheet.cells[r][c] = filled[r][c];
    }
    return sheet;
}

// Cash categories 食費 and 日用品, cash income お小遣い, the bank みらい銀行
// with the debit 電気代 and the income 給料.
void writeSettings(const TempDir& dir) {
    PrefImage prefs;
    prefs.version = 50;
    prefs.genkinOut = settingsSheet(35, 2, {{"食費", "30000"}, {"日用品", "5000"}});
    prefs.genkinIn = settingsSheet(20, 1, {{"お小遣い"}});
    prefs.bankNames = std::array<std::string, 4>{"みらい銀行", "", "", ""};
    prefs.koza[0] = settingsSheet(9, 7, {{"電気代", "8000", "27", "", "", "", "給料"}});
    dir.write("Mirab050.prf", encodePrefFile(prefs));
}

// The settings above, and cards for 1 and 8 December 2026.
void writeBook(const TempDir& dir) {
    writeSettings(dir);
    DataImage data;
    data.startDate = *makeDate(2026, 12, 1);
    for (int day : {1, 8}) {
        TIndex card;
        card.date = *makeDate(2026, 12, day);
        card.spendList.push_back({"昼食", "食費", 800});
        data.cards.push_back(card);
    }
    dir.write("Mirab050.mrb", encodeDataFile(data));
}

json cardsOf(const TempDir& dir) { return cli(dir, "dump").doc()["data"]["cards"]; }

// What a person wrote on the cards: the dates, lines and memos, without
// what calculations put there.
json entriesOf(const json& cards) {
    json entries = json::array();
    for (const json& card : cards) {
        entries.push_back({card["date"], card["spend"], card["income"], card["account"], card["memo"]});
    }
    return entries;
}

// The cards as any command leaves them: its start-up and shutdown store
// today's card with the summary labels the start-up wrote.
json cardsAfterAStart(const TempDir& dir) {
    EXPECT_EQ(cli(dir, "--today 2026-12-08 start").status, 0);
    return cardsOf(dir);
}

const char* kCsvArgs = "--date 1 --text 2 --amount 3 --skip 1 --default-out 食費 --default-in お小遣い";

TEST(CliImport, AShiftJisStatementLandsOnTheCardsAndTwiceAddsNothing) {
    TempDir dir;
    writeBook(dir);
    dir.write("rules.txt", "電力\t電気代\nATM\tみらい銀行 ＿ 引出\n");
    dir.write("meisai.csv", *utf8ToCp932("日付,お取引内容,金額\r\n"
                                          "2026/12/01,昼食,-800\r\n"  // typed already
                                          "2026/12/03,\"ｾﾌﾞﾝ-ｲﾚﾌﾞﾝ, 駅前\",\"-1,234\"\r\n"
                                          "2026/12/05,ﾄｳｷﾖｳ電力,-7800\r\n"
                                          "2026/12/08,ATM,-20000\r\n"
                                          "2026/12/08,給与,\"250,000\"\r\n"));
    const std::string args =
        std::string("--today 2026-12-08 import csv '") + dir.file("meisai.csv") + "' " + kCsvArgs +
        " --rules '" + dir.file("rules.txt") + "'";
    const CliRun run = cli(dir, args);
    ASSERT_EQ(run.status, 0) << run.err;
    const json doc = run.doc();
    EXPECT_EQ(doc["added"], 4);
    EXPECT_EQ(doc["duplicates"], 1);
    EXPECT_EQ(doc["bad"], json::array());
    EXPECT_EQ(doc["cardsCreated"], 2);
    EXPECT_EQ(doc["first"], "2026-12-03");
    EXPECT_EQ(doc["last"], "2026-12-08");
    ASSERT_EQ(doc["lines"].size(), 5u);
    EXPECT_EQ(doc["lines"][0]["duplicate"], true);
    EXPECT_EQ(doc["lines"][1], (json{{"date", "2026-12-03"}, {"in", "spend"}, {"item", "ｾﾌﾞﾝ-ｲﾚﾌﾞﾝ, 駅前"},
                                     {"category", "食費"}, {"amount", 1234}, {"duplicate", false}}));
    EXPECT_EQ(doc["lines"][2]["category"], "電気代");
    EXPECT_EQ(doc["lines"][3]["in"], "account");
    EXPECT_EQ(doc["lines"][3]["category"], "みらい銀行 ＿ 引出");
    EXPECT_EQ(doc["lines"][4]["in"], "income");
    EXPECT_TRUE(dir.exists("Mirab050.import"));

    const json cards = cardsOf(dir);
    ASSERT_EQ(cards.size(), 4u);
    EXPECT_EQ(cards[1]["date"], "2026-12-03");
    EXPECT_EQ(cards[3]["spend"].size(), 1u);
    EXPECT_EQ(cards[3]["account"][0]["amount"], 20000);
    // Recalculated from the 3rd on: the 8th's cash holds everything since.
    const json eighth = cli(dir, "--today 2026-12-08 show 2026-12-08").doc();
    // Cash: -1234 on the 3rd; -800 + 20000 + 250000 on the 8th (the 1st was never calculated).
    EXPECT_EQ(eighth["sheets"]["GridMatome"][4][1], "267966");

    const CliRun again = cli(dir, args);
    EXPECT_EQ(again.status, 0);
    EXPECT_EQ(again.doc()["added"], 0);
    EXPECT_EQ(again.doc()["duplicates"], 5);
    EXPECT_EQ(cardsOf(dir), cards);
}

TEST(CliImport, AUtf8StatementWithOutAndInColumnsSeparatedByTabs) {
    TempDir dir;
    writeBook(dir);
    dir.write("bank.tsv", "\xEF\xBB\xBF" "年月日\t摘要\t支払金額\t預入金額\n"
                          "令和8年12月2日\tカ）ヤオヤ\t１，５００\t\n"
                          "R8.12.4\tリシ\t\t３円\n");
    const CliRun run = cli(dir, "--today 2026-12-08 import csv '" + dir.file("bank.tsv") +
                                    "' --date 1 --text 2 --out 3 --in 4 --sep tab --skip 1 --encoding utf-8 "
                                    "--default-out 日用品 --default-in お小遣い");
    ASSERT_EQ(run.status, 0) << run.err;
    const json lines = run.doc()["lines"];
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0]["date"], "2026-12-02");
    EXPECT_EQ(lines[0]["amount"], 1500);
    EXPECT_EQ(lines[0]["category"], "日用品");
    EXPECT_EQ(lines[1]["in"], "income");
    EXPECT_EQ(lines[1]["amount"], 3);
}

TEST(CliImport, BadRowsStopTheImportAndDryRunsWriteNothing) {
    TempDir dir;
    writeBook(dir);
    dir.write("card.csv", "利用日,利用店名,利用金額\n2026/12/02,書店,1500\n2026/12/31,合計,\n2026/12/04,\"文具,300\n");
    const std::string file = " '" + dir.file("card.csv") + "' ";
    const json before = cardsAfterAStart(dir);
    const CliRun stopped = cli(dir, "--today 2026-12-08 import csv" + file + kCsvArgs + " --in-negative");
    EXPECT_EQ(stopped.status, 1);
    const json bad = stopped.doc()["bad"];
    ASSERT_EQ(bad.size(), 2u);
    EXPECT_EQ(bad[0], (json{{"line", 3}, {"error", "金額が数字ではありません（）"}}));
    EXPECT_EQ(bad[1]["line"], 4);
    EXPECT_EQ(stopped.doc()["added"], 0);
    EXPECT_EQ(cardsOf(dir), before);
    EXPECT_FALSE(dir.exists("Mirab050.import"));

    const std::string data = *dir.read("Mirab050.mrb");
    const std::string backup = *dir.read("Mirab050.bak");
    const CliRun dry =
        cli(dir, "--today 2026-12-08 import csv" + file + kCsvArgs + " --in-negative --skip-bad --dry-run");
    EXPECT_EQ(dry.status, 0) << dry.err;
    EXPECT_EQ(dry.doc()["added"], 1);
    EXPECT_EQ(dry.doc()["lines"][0]["amount"], 1500);  // a card statement: purchases positive
    EXPECT_EQ(dir.read("Mirab050.mrb"), data);
    EXPECT_EQ(dir.read("Mirab050.bak"), backup);
    EXPECT_FALSE(dir.exists("Mirab050.import"));
}

TEST(CliImport, QifWithSplitsAndATransferThenUndo) {
    TempDir dir;
    writeBook(dir);
    const json before = cardsAfterAStart(dir);
    dir.write("wallet.qif",
              "!Type:Cash\n"
              "D12/6'26\nT-2,000\nPデパート\nS食費\n$-1,500\nS日用品\nE洗剤\n$-500\n^\n"
              "D12/7/2026\nT10000\nPATM\nL[みらい銀行]\n^\n");
    const CliRun run = cli(dir, "--today 2026-12-08 import qif '" + dir.file("wallet.qif") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    const json lines = run.doc()["lines"];
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], (json{{"date", "2026-12-06"}, {"in", "spend"}, {"item", "デパート"}, {"category", "日用品"},
                              {"amount", 500}, {"duplicate", false}}));
    EXPECT_EQ(lines[2]["category"], "みらい銀行 ＿ 引出");
    EXPECT_EQ(cardsOf(dir)[1]["memo"], "洗剤\r\n");

    const CliRun undo = cli(dir, "--today 2026-12-08 import --undo");
    ASSERT_EQ(undo.status, 0) << undo.err;
    EXPECT_EQ(undo.doc(), (json{{"removed", 3}, {"kept", json::array()}, {"cardsRemoved", 2},
                                {"first", "2026-12-06"}, {"last", "2026-12-07"}}));
    EXPECT_EQ(entriesOf(cardsOf(dir)), entriesOf(before));
    const CliRun nothing = cli(dir, "--today 2026-12-08 import --undo");
    EXPECT_EQ(nothing.status, 1);
    EXPECT_NE(nothing.err.find("information: 元に戻せる取り込みはありません"), std::string::npos);
}

TEST(CliImport, ABookThatCannotBeWrittenSaysSoAndKeepsTheRecordOfTheImportBefore) {
    SmallFileSystem disk("500k");
    if (!disk.mounted()) GTEST_SKIP() << disk.refusal();
    const TempDir& dir = disk.dir();
    writeSettings(dir);
    const std::string book = encodeDataFile(bookOfDays(*makeDate(2025, 12, 9), 365));
    ASSERT_GT(book.size(), 250'000u);  // more than the room left after it
    dir.write("Mirab050.mrb", book);
    const std::string earlier = R"({"version": 1, "source": "last.csv", "lines": [], "memos": [], "cardsCreated": []})";
    dir.write("Mirab050.import", earlier);
    dir.write("s.csv", "2026/12/03,本屋,-1500\n");

    const CliRun run = cli(dir, "--today 2026-12-08 import csv '" + dir.file("s.csv") +
                                    "' --date 1 --text 2 --amount 3 --default-out 食費");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("error: ファイル書き込みに失敗しました"), std::string::npos) << run.err;
    EXPECT_EQ(dir.read("Mirab050.mrb"), book);
    // The next undo takes back the import the file holds, not this one.
    EXPECT_EQ(dir.read("Mirab050.import"), earlier);
}

TEST(CliImport, MistakesInTheCommandAreUsageErrors) {
    TempDir dir;
    dir.write("s.csv", "2026/12/01,a,-1\n");
    dir.write("bad-rules.txt", "no tab\n");
    const std::string file = " '" + dir.file("s.csv") + "' ";
    for (const std::string& args : {std::string("import"), "import csv" + file + "--date 1 --text 2",
                                   "import csv" + file + "--date 1 --text 2 --amount 3 --out 4 --in 5",
                                   "import csv" + file + "--date 0 --text 2 --amount 3",
                                   "import csv" + file + "--date 1 --text 2 --out 4",
                                   "import csv" + file + "--date 1 --text 2 --amount 3 --sep ';'",
                                   "import csv" + file + "--date 1 --text 2 --amount 3 --encoding sjis",
                                   "import csv" + file + "--date 1 --text 2 --amount 3 --rules '" +
                                       dir.file("bad-rules.txt") + "'",
                                   "import --undo qif" + file}) {
        const CliRun run = cli(dir, args);
        EXPECT_EQ(run.status, 2) << args << "\n" << run.err;
        EXPECT_TRUE(run.out.empty()) << args;
    }
    EXPECT_FALSE(dir.exists("Mirab050.mrb"));
    const CliRun missing = cli(dir, "import qif '" + dir.file("none.qif") + "'");
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("error: そのファイルは読み込めません"), std::string::npos);
    EXPECT_NE(cli(dir, "--help").out.find("import"), std::string::npos);
}

TEST(CliExport, Utf8WithAByteOrderMarkWhenAsked) {
    TempDir dir;
    writeBook(dir);
    ASSERT_EQ(cli(dir, "--today 2026-12-08 export --encoding utf-8 hibi 2026-12-01 2026-12-01 '" +
                           dir.file("hibi.txt") + "'")
                  .status,
              0);
    EXPECT_EQ(dir.read("hibi.txt")->rfind("\xEF\xBB\xBF" "2026/12/1\r\n支出\r\n昼食,食費,800\r\n", 0), 0u);
    EXPECT_EQ(cli(dir, "export --encoding latin1 notes x.txt").status, 2);
}

}  // namespace
}  // namespace kakeibo
