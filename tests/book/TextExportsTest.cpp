#include <gtest/gtest.h>

#include "SummaryFixture.h"
#include "book/DayDisplay.h"
#include "book/MemoList.h"
#include "book/MonthSummary.h"
#include "book/TextExports.h"
#include "book/WeekYearSummary.h"
#include "storage/Cp932.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

// The CP932 bytes of a UTF-8 text; the test fails on a text CP932 lacks.
std::string cp932(const std::string& utf8) {
    const auto bytes = utf8ToCp932(utf8);
    EXPECT_TRUE(bytes.has_value());
    return bytes.value_or("");
}

class TextExportsTest : public SummaryFixture {
protected:
    TempDir dir;
};

TEST(Output1Click, EnablesTheExportOfTheVisiblePage) {
    EXPECT_EQ(Output1Click(Page::TabSetting, SubPage::TabOthers), OutputMenuItems{});
    EXPECT_EQ(Output1Click(Page::TabCredit, SubPage::None), OutputMenuItems{});
    OutputMenuItems hibi;
    hibi.mnuSaveTabSepHibi = true;
    EXPECT_EQ(Output1Click(Page::TabInput, SubPage::None), hibi);
    OutputMenuItems oboe;
    oboe.mnuSaveTextOboe = true;
    EXPECT_EQ(Output1Click(Page::TabMemo, SubPage::TabOboe), oboe);
    OutputMenuItems memo;
    memo.mnuSaveTextMemo = true;
    EXPECT_EQ(Output1Click(Page::TabMemo, SubPage::TabMemoIchiran), memo);
    OutputMenuItems year;
    year.mnuSaveTabSepYear = true;
    EXPECT_EQ(Output1Click(Page::TabStat, SubPage::TabYear), year);
    EXPECT_TRUE(Output1Click(Page::TabStat, SubPage::TabMonth).mnuSaveTabSepMonth);
    EXPECT_TRUE(Output1Click(Page::TabStat, SubPage::TabWeek).mnuSaveTabSepWeek);
}

TEST_F(TextExportsTest, DailyRecordsOfARangeBetweenCards) {
    card(2000, 1, 5).spendList = {line("食費", 1, "朝食")};
    card(2000, 1, 10);
    card(2000, 1, 20).spendList = {line("食費", 2)};
    // The shown card's unsaved edits count: 10 January is on the day sheets.
    book.cards.setCurIndex(*book.cards.find(dayOf(2000, 1, 10)));
    book.GridShishutu.setCell(0, 1, "昼食");
    book.GridShishutu.setCell(1, 1, "800");
    book.GridShishutu.setCell(2, 1, "食費");
    book.GridShishutu.setCell(0, 2, "本");
    book.GridShishutu.setCell(1, 2, "1500.5");
    book.GridShishutu.setCell(2, 2, "書籍,雑誌");
    book.GridKoza.setCell(1, 1, "10000");
    book.GridKoza.setCell(2, 1, "A銀行 ＿ 引出");

    const std::string path = dir.file("hibi.txt");
    ui.pushSaveFileName(path);
    EXPECT_EQ(btnSaveHibiClick(book, HibiFields{"2000", "1", " 6", "2000", "1", "15"}),
              HibiDialogOutcome::Close);
    EXPECT_EQ(ui.saveRequests().at(0).title, "日々の記録を保存");
    EXPECT_EQ(ui.saveRequests().at(0).initialFile, "HibiKiro.txt");
    EXPECT_EQ(ui.saveRequests().at(0).filterIndex, 3);
    EXPECT_EQ(
        ui.saveRequests().at(0).filter,
        "みらぶの家計簿データファイル|*.mrb|みらぶの家計簿データ設定ファイル|*.prf|テキストファイル|*.txt");
    // A card without income lines: "収入" is followed by "口座管理" at once;
    // the comma inside the category is written as it stands.
    const std::string expected = cp932(
        "2000/1/10\r\n"
        "支出\r\n昼食,食費,800\r\n本,書籍,雑誌,1500.5\r\n\r\n"
        "収入\r\n"
        "口座管理\r\n,A銀行 ＿ 引出,10000\r\n\r\n"
        "\r\n\r\n"
        "\r\n\r\n");
    EXPECT_EQ(dir.read("hibi.txt"), expected);
    EXPECT_EQ(expected.substr(11, 6), "\x8e\x78\x8f\x6f\r\n");  // 支出, no byte-order mark before
}

TEST_F(TextExportsTest, DailyRecordsOfEveryCardOldestFirst) {
    card(2000, 1, 5).spendList = {line("食費", 1)};
    ASSERT_TRUE(saveHibiText(book, dir.file("all.txt"), dayOf(1999, 1, 1), dayOf(2001, 1, 1)));
    EXPECT_EQ(dir.read("all.txt"), cp932("2000/1/5\r\n支出\r\n,食費,1\r\n\r\n収入\r\n口座管理\r\n\r\n\r\n"
                                         "2000/12/10\r\n支出\r\n収入\r\n口座管理\r\n\r\n\r\n"
                                         "\r\n\r\n"));
}

TEST_F(TextExportsTest, DailyRecordsWithNothingToWrite) {
    card(2000, 1, 5);
    EXPECT_FALSE(saveHibiText(book, dir.file("a.txt"), dayOf(2000, 1, 6), dayOf(2000, 1, 9)));
    EXPECT_TRUE(ui.texts().empty());  // between two cards: silence
    EXPECT_FALSE(saveHibiText(book, dir.file("a.txt"), dayOf(2001, 1, 6), dayOf(2001, 1, 9)));
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"この期間の日々の記録はありません"});
    EXPECT_FALSE(saveHibiText(book, dir.file("a.txt"), dayOf(2000, 12, 11), dayOf(2000, 1, 1)));
    EXPECT_FALSE(dir.exists("a.txt"));
}

TEST_F(TextExportsTest, DailyRecordsDialogChecksItsFields) {
    EXPECT_EQ(putCurrToCombo(dayOf(2000, 1, 5)), (HibiFields{"2000", "1", "5", "2000", "1", "5"}));
    EXPECT_EQ(mnuSaveTabSepHibiClick(book), (HibiFields{"2000", "12", "10", "2000", "12", "10"}));
    EXPECT_EQ(hibiYearItems().front(), "1999");
    EXPECT_EQ(hibiYearItems().back(), "2005");
    EXPECT_EQ(hibiDayItems().size(), 31u);

    EXPECT_EQ(btnSaveHibiClick(book, HibiFields{"2000", "1.5", "5", "2000", "1", "5"}),
              HibiDialogOutcome::KeepOpen);
    EXPECT_EQ(btnSaveHibiClick(book, HibiFields{"2000", "1", "5", "2000", "2", "30"}),
              HibiDialogOutcome::KeepOpen);
    EXPECT_EQ(btnSaveHibiClick(book, HibiFields{"", "1", "5", "2000", "1", "5"}),
              HibiDialogOutcome::KeepOpen);
    EXPECT_EQ(ui.texts(), std::vector<std::string>(3, "日付が正しく処理されませんでした"));
    EXPECT_TRUE(ui.saveRequests().empty());

    // The file dialog cancelled: the dialog closes, nothing is written.
    EXPECT_EQ(btnSaveHibiClick(book, putCurrToCombo(book.today())), HibiDialogOutcome::Close);
    EXPECT_EQ(ui.saveRequests().size(), 1u);
}

TEST_F(TextExportsTest, WeeklyExportOfAnEmptyWeek) {
    dispTheWY(book, kWeekMode, dayOf(2000, 12, 10));
    const std::string path = dir.file("week.txt");
    ui.pushSaveFileName(path);
    mnuSaveTabSepWeekClick(book);
    EXPECT_EQ(ui.saveRequests().at(0).title, "表示中の週間集計を保存");
    EXPECT_EQ(ui.saveRequests().at(0).initialFile, "W2000-51.txt");
    EXPECT_EQ(
        dir.read("week.txt"),
        cp932(
            "2000年　第51週\r\n"
            "支　　　出,12/10（日）,12/11（月）,12/12（火）,12/13（水）,12/14（木）,12/15（金）,12/16（土）,\r\n"
            "\r\n\r\n"
            "収　　　入,12/10（日）,12/11（月）,12/12（火）,12/13（水）,12/14（木）,12/15（金）,12/16（土）,\r\n"));
}

TEST_F(TextExportsTest, YearlyExportSkipsTotalAndAverageColumns) {
    setCashSpending({{"食費", ""}});
    apply();
    book.months.cur().spendList = {TYosan{"食費", 1200, 0}};
    dispTheWY(book, kYearMode, book.today());
    btnSumYearClick(book);
    const std::string text =
        sumTableText(yearExportHeading(book), book.GridYearShishutsu, book.GridYearShuNyu);
    EXPECT_EQ(yearExportName(book), "Y2000.txt");
    const std::string head =
        "2000年\r\n支　　　出,1 月 ,2 月 ,3 月 ,4 月 ,5 月 ,6 月 ,7 月 ,8 月 ,9 月 ,10 月 ,"
        "11 月 ,12 月 ,\r\n";
    EXPECT_EQ(text.substr(0, head.size()), head);
    EXPECT_NE(text.find("\r\n食費,,,,,,,,,,,,1200,\r\n"), std::string::npos);
}

TEST_F(TextExportsTest, MonthlyExportWritesItsThreeSheets) {
    setCashSpending({{"食費", "30000"}});
    apply();
    card(2000, 12, 3).spendList = {line("食費", 2300)};
    dispTheMonth(book, dayOf(2000, 12, 1));
    btnSumMonthClick(book);

    const std::string path = dir.file("month.txt");
    ui.pushSaveFileName(path);
    mnuSaveTabSepMonthClick(book);
    EXPECT_EQ(ui.saveRequests().at(0).title, "表示中の月間集計を保存");
    EXPECT_EQ(ui.saveRequests().at(0).initialFile, "M2000-12.txt");
    EXPECT_EQ(dir.read("month.txt"),
              cp932("2000年 12月\r\n\r\n\r\n"
                    "支 出 項 目,使用額,予算額,\r\n食費,2300,30000,\r\n,,,\r\n現金から貯金,,,\r\n\r\n\r\n"
                    "収 入 項 目,収入額,\r\n貯金とりくずし,,\r\n\r\n\r\n"
                    "ま　と　め,金 額,\r\n今月の現金支出合計,2300,\r\n今月の口座支出合計,0,\r\n\r\n\r\n"));
}

TEST_F(TextExportsTest, NotesAndMemoListLineByLine) {
    book.MemoOboe = "買い物リスト\n牛乳、卵\n";
    const std::string notes = dir.file("oboe.txt");
    ui.pushSaveFileName(notes);
    mnuSaveTextOboeClick(book);
    EXPECT_EQ(ui.saveRequests().at(0).initialFile, "Oboegaki.txt");
    EXPECT_EQ(ui.saveRequests().at(0).title, "覚え書きを保存");
    const auto bytes = dir.read("oboe.txt");
    EXPECT_EQ(bytes, cp932("買い物リスト\r\n牛乳、卵\r\n"));
    EXPECT_NE(bytes->find("\x97\x91\r\n"), std::string::npos);  // 卵 in CP932

    card(2000, 12, 5).memo = "メモ\r\n";
    dispMemoIchiran(book, 2000, 12);
    ui.pushSaveFileName(dir.file("memo.txt"));
    mnuSaveTextMemoClick(book);
    EXPECT_EQ(ui.saveRequests().at(1).initialFile, "Memo12月.txt");
    EXPECT_EQ(dir.read("memo.txt"), cp932("\r\n**** 12/5（火） ******* \r\n\r\nメモ\r\n"));
}

TEST_F(TextExportsTest, TheSaveDialogOffersUtf8WithAByteOrderMark) {
    book.MemoOboe = "買い物リスト\n☃の置物\n";  // UTF-8 holds what CP932 lacks
    ui.pushSaveFile(dir.file("oboe.txt"), 1);
    mnuSaveTextOboeClick(book);
    EXPECT_EQ(ui.saveEncodings().at(0), (std::vector<std::string>{"Shift-JIS（CP932）", "UTF-8（BOM付き）"}));
    EXPECT_EQ(ui.saveRequests().at(0).filterIndex, 3);
    EXPECT_EQ(dir.read("oboe.txt"), "\xEF\xBB\xBF買い物リスト\r\n☃の置物\r\n");

    // The first choice, as before: CP932 without a mark.
    card(2000, 1, 5).spendList = {line("食費", 1, "朝食")};
    dispTheDay(book, dayOf(2000, 1, 5));
    ui.pushSaveFile(dir.file("hibi.txt"), 0);
    btnSaveHibiClick(book, HibiFields{"2000", "1", "5", "2000", "1", "5"});
    EXPECT_EQ(dir.read("hibi.txt")->substr(0, 10), "2000/1/5\r\n");
}

TEST_F(TextExportsTest, AFailedWriteIsReportedAndLeavesNoFile) {
    book.MemoOboe = "x";
    EXPECT_FALSE(writeExportFile(book, dir.file("missing/oboe.txt"), linesText(book.MemoOboe)));
    EXPECT_EQ(ui.texts(), std::vector<std::string>{"ファイル書き込みに失敗しました"});
    // A text CP932 cannot hold is refused whole.
    EXPECT_FALSE(writeExportFile(book, dir.file("emoji.txt"), "\xF0\x9F\x98\x80"));
    EXPECT_FALSE(dir.exists("emoji.txt"));
}

}  // namespace
}  // namespace kakeibo
