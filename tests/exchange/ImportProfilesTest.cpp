#include <gtest/gtest.h>

#include <sys/stat.h>

#include "exchange/ImportProfiles.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

ImportProfile cardCompany() {
    ImportProfile p;
    p.name = "ＡＢＣカード";
    p.statement.format = StatementFormat::Csv;
    p.statement.encoding = StatementEncoding::Cp932;
    p.statement.csv = CsvFormat{'\t', 1};
    p.statement.columns = CsvColumns{2, 3, 6, AmountSign::InNegative, 0, 0, DateForm::Era};
    p.defaultOut = "Xカード";
    p.defaultIn = "雑収入";
    return p;
}

bool sameProfile(const ImportProfile& a, const ImportProfile& b) {
    const StatementOptions &x = a.statement, &y = b.statement;
    return a.name == b.name && x.format == y.format && x.encoding == y.encoding &&
           x.csv.separator == y.csv.separator && x.csv.skipLines == y.csv.skipLines &&
           x.columns.date == y.columns.date && x.columns.text == y.columns.text &&
           x.columns.amount == y.columns.amount && x.columns.sign == y.columns.sign && x.columns.out == y.columns.out &&
           x.columns.in == y.columns.in && x.columns.dateForm == y.columns.dateForm && a.defaultOut == b.defaultOut &&
           a.defaultIn == b.defaultIn;
}

TEST(ImportProfiles, RulesAndProfilesComeBackAsTheyWereSaved) {
    TempDir dir;
    ImportMemory memory;
    memory.rules = {{"ｾﾌﾞﾝ", "食費"}, {"電力", "電気代"}};
    putProfile(memory, cardCompany());
    ImportProfile bank;
    bank.name = "みらい銀行";
    bank.statement.columns = CsvColumns{1, 2, 0, AmountSign::OutNegative, 4, 5, DateForm::Slash};
    putProfile(memory, bank);
    memory.lastProfile = "みらい銀行";
    ASSERT_TRUE(saveImportMemory(dir.path(), memory));

    struct stat info {};
    ASSERT_EQ(::stat(dir.file("Mirab050.rules").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    const LoadedMemory loaded = loadImportMemory(dir.path());
    EXPECT_FALSE(loaded.broken);
    EXPECT_EQ(loaded.memory.rules, memory.rules);
    ASSERT_EQ(loaded.memory.profiles.size(), 2u);
    EXPECT_TRUE(sameProfile(loaded.memory.profiles[0], cardCompany()));
    EXPECT_TRUE(sameProfile(loaded.memory.profiles[1], bank));
    EXPECT_EQ(loaded.memory.lastProfile, "みらい銀行");
    EXPECT_NE(dir.read("Mirab050.rules")->find("\"ｾﾌﾞﾝ\""), std::string::npos);  // UTF-8, readable
}

TEST(ImportProfiles, SavingUnderANameReplacesThatProfile) {
    ImportMemory memory;
    putProfile(memory, cardCompany());
    ImportProfile changed = cardCompany();
    changed.defaultOut = "食費";
    putProfile(memory, changed);
    ASSERT_EQ(memory.profiles.size(), 1u);
    EXPECT_EQ(findProfile(memory, "ＡＢＣカード")->defaultOut, "食費");
    EXPECT_TRUE(removeProfile(memory, "ＡＢＣカード"));
    EXPECT_FALSE(removeProfile(memory, "ＡＢＣカード"));
    EXPECT_EQ(findProfile(memory, "ＡＢＣカード"), nullptr);
}

TEST(ImportProfiles, AMissingFileIsEmptyAndABrokenOneSaysSo) {
    TempDir dir;
    const LoadedMemory none = loadImportMemory(dir.path());
    EXPECT_FALSE(none.broken);
    EXPECT_TRUE(none.memory.profiles.empty());
    dir.write("Mirab050.rules", "{\"version\": 1, \"rules\": [");
    EXPECT_TRUE(loadImportMemory(dir.path()).broken);
    // What this program does not know reads as its default; rules without a text are dropped.
    const auto odd = decodeImportMemory(
        R"({"version": 2, "rules": [{"text": "", "category": "食費"}, 5], "profiles": [{"name": "x", "skip": "many",
            "encoding": "latin1", "date": -4}], "future": true})");
    ASSERT_TRUE(odd);
    EXPECT_TRUE(odd->rules.empty());
    ASSERT_EQ(odd->profiles.size(), 1u);
    EXPECT_EQ(odd->profiles[0].statement.csv.skipLines, 0);
    EXPECT_EQ(odd->profiles[0].statement.encoding, StatementEncoding::Auto);
    EXPECT_EQ(odd->profiles[0].statement.columns.date, 0);
    // Numbers past every range are held at the edge, not wrapped round.
    const auto huge = decodeImportMemory(
        R"({"version": 1, "profiles": [{"name": "y", "skip": 18446744073709551615, "date": 4294967298}]})");
    ASSERT_TRUE(huge);
    ASSERT_EQ(huge->profiles.size(), 1u);
    EXPECT_GT(huge->profiles[0].statement.csv.skipLines, 0);
    EXPECT_GT(huge->profiles[0].statement.columns.date, 0);
}

}  // namespace
}  // namespace kakeibo
