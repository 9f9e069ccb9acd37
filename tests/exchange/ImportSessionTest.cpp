// What the import dialog shows and does, without its window: the first
// lines of the file and the first rows as they would land, the counts, the
// mapping it starts from, and the rules and profiles it remembers.

#include <gtest/gtest.h>

#include "ImportFixture.h"
#include "exchange/CsvGuess.h"
#include "exchange/ImportPreview.h"
#include "exchange/ImportSession.h"
#include "storage/Cp932.h"

namespace kakeibo {
namespace {

using namespace test;

const std::string kStatement =
    "お取引明細,みらい銀行\n"
    "日付,内容,金額,残高\n"
    "2026/12/01,\"ｽｰﾊﾟｰ\n本店\",\"-1,200\",98800\n"
    "2026/12/08,昼食,-800,98000\n"
    "2026/12/34,謎,-1,97999\n"
    "2026/12/09,給与,250000,347999\n";

struct Session : ImportFixture {
    Session() {
        spend(1, "昼食", "800", "食費");
        book.chkBoxComma = true;
        storeTheDay(book);
    }
    ImportSession open(const std::string& bytes, const std::string& name = "meisai.csv") {
        return ImportSession(book, ChosenStatement{dir.file(name), bytes});
    }
};

TEST(ImportSession, AStatementNoProfileDescribesIsMappedFromItsFirstLines) {
    Session f;
    const ImportSession session = f.open(*utf8ToCp932(kStatement));
    const StatementOptions& s = session.mapping.statement;
    EXPECT_EQ(s.format, StatementFormat::Csv);
    EXPECT_EQ(s.csv.separator, ',');
    EXPECT_EQ(s.csv.skipLines, 2);
    EXPECT_EQ(s.columns.date, 1);
    EXPECT_EQ(s.columns.text, 2);
    EXPECT_EQ(s.columns.amount, 3);  // not the balance after it

    const StatementOptions tabs = guessCsvOptions("利用日\t利用店\t金額\nR8.12.1\tＡ書店\t１，５００\n", {});
    EXPECT_EQ(tabs.csv.separator, '\t');
    EXPECT_EQ(tabs.csv.skipLines, 1);
    EXPECT_EQ(tabs.columns.amount, 3);
    // Without a line to read it from, the mapping stays as it was.
    StatementOptions asked;
    asked.columns.date = 4;
    EXPECT_EQ(guessCsvOptions("no dates here\n", asked).columns.date, 4);
}

TEST(ImportSession, ThePreviewShowsTheRowsAsTheyLandInTheOrderOfTheFile) {
    Session f;
    ImportSession session = f.open(*utf8ToCp932(kStatement));
    session.mapping.defaultOut = "食費";
    session.mapping.defaultIn = "雑収入";
    const SessionPreview shown = session.preview();

    EXPECT_EQ(shown.sample.encoding, StatementEncoding::Cp932);
    ASSERT_EQ(shown.sample.lines.size(), 6u);
    EXPECT_TRUE(shown.sample.lines[1].header);
    EXPECT_FALSE(shown.sample.lines[2].header);
    EXPECT_EQ(shown.sample.lines[2].fields[1], "ｽｰﾊﾟｰ 本店");  // one line in a cell
    EXPECT_EQ(shown.sample.lines[3].line, 5);  // the quoted line break counted
    EXPECT_EQ(shown.sample.columns, 4);

    ASSERT_EQ(shown.rows.size(), 4u);
    EXPECT_EQ(shown.rows[0].line, 3);
    EXPECT_EQ(shown.rows[0].date, "2026/12/1");
    EXPECT_EQ(shown.rows[0].sheet, "支出");
    EXPECT_EQ(shown.rows[0].amount, "1,200");
    EXPECT_EQ(shown.rows[0].note, kNewCardNote);
    EXPECT_EQ(shown.rows[1].state, PreviewState::Duplicate);
    EXPECT_EQ(shown.rows[1].note, kDuplicateNote);
    EXPECT_EQ(shown.rows[2].state, PreviewState::Bad);
    EXPECT_EQ(shown.rows[2].line, 6);
    EXPECT_NE(shown.rows[2].note.find("2026/12/34"), std::string::npos);
    EXPECT_EQ(shown.rows[3].sheet, "収入");
    EXPECT_EQ(shown.rows[3].item, "給与");

    EXPECT_TRUE(shown.counts.stopped);
    EXPECT_EQ(shown.counts.text, "不正な行があるので、このままでは何も取り込みません。不正な行を飛ばすと："
                                 "追加 2 行　重複 1 行　不正 1 行　新しいカード 2 枚");
    session.skipBad = true;
    EXPECT_FALSE(session.preview().counts.stopped);
}

TEST(ImportSession, HalfARuleStopsTheImportAndTheSavingButNotThePreview) {
    Session f;
    ImportSession session = f.open("2026/12/05,東京電力,-8000\n");
    session.mapping.defaultOut = "食費";
    session.ruleRows = {{"電力", "電気代"}, {"ATM", ""}};
    EXPECT_EQ(session.preview().rows.at(0).category, "電気代");
    const std::vector<TIndex> before = f.cards();
    EXPECT_FALSE(session.import());
    EXPECT_FALSE(session.saveProfile("みらい銀行"));
    EXPECT_EQ(f.ui.texts(), (std::vector<std::string>(2, "規則の 2 行めは、文字か分類が空です")));
    EXPECT_EQ(f.cards(), before);
    EXPECT_FALSE(f.dir.exists("Mirab050.rules"));
}

TEST(ImportSession, AnImportRemembersItsRulesAndTheProfileUsedForTheNextFile) {
    Session f;
    {
        ImportSession session = f.open("x\n2026/12/05\tｶ)ﾄｳｷﾖｳﾃﾞﾝﾘﾖｸ\t\t8000\n");
        session.mapping.statement.csv = CsvFormat{'\t', 1};
        session.mapping.statement.columns = CsvColumns{1, 2, 0, AmountSign::OutNegative, 4, 3, DateForm::Slash};
        session.ruleRows = {{"ﾃﾞﾝﾘﾖｸ", "電気代"}, {"", ""}};
        ASSERT_TRUE(session.saveProfile("みらい銀行"));
        ASSERT_TRUE(session.import());
        EXPECT_EQ(f.card(5).spendList, (std::vector<TKiroku>{{"ｶ)ﾄｳｷﾖｳﾃﾞﾝﾘﾖｸ", "電気代", 8000}}));
    }
    const ImportMemory memory = loadImportMemory(f.dir.path()).memory;
    EXPECT_EQ(memory.rules, (std::vector<Rule>{{"ﾃﾞﾝﾘﾖｸ", "電気代"}}));
    EXPECT_EQ(memory.lastProfile, "みらい銀行");

    ImportSession next = f.open("anything\n");
    EXPECT_EQ(next.mapping.name, "みらい銀行");
    EXPECT_EQ(next.mapping.statement.columns.out, 4);
    EXPECT_EQ(next.ruleRows, memory.rules);
    // The bank's CSV profile does not read a QIF file.
    EXPECT_EQ(f.open("!Type:Bank\n", "old.QIF").mapping.statement.format, StatementFormat::Qif);

    ASSERT_TRUE(next.deleteProfile("みらい銀行"));
    EXPECT_TRUE(loadImportMemory(f.dir.path()).memory.profiles.empty());
    EXPECT_TRUE(loadImportMemory(f.dir.path()).memory.lastProfile.empty());
}

TEST(ImportSession, ABrokenSettingsFileIsKeptAsideBeforeAnythingIsSavedOverIt) {
    Session f;
    f.dir.write("Mirab050.rules", "{\"version\": 1, \"rules\": [");
    ImportSession session = f.open("2026/12/05,本,-100\n");
    EXPECT_EQ(f.ui.texts().size(), 1u);
    EXPECT_NE(f.ui.texts()[0].find("Mirab050.rules.broken"), std::string::npos);
    EXPECT_EQ(f.dir.read("Mirab050.rules.broken"), "{\"version\": 1, \"rules\": [");
    EXPECT_TRUE(session.ruleRows.empty());
    EXPECT_TRUE(session.saveProfile("本屋"));
    EXPECT_FALSE(loadImportMemory(f.dir.path()).broken);
}

}  // namespace
}  // namespace kakeibo
