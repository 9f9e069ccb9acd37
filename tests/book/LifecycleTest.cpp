// Start-up and shutdown of a whole book in a temporary program folder, the
// page change, and the File menu's commands.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "book/Book.h"
#include "book/DataPrefetch.h"
#include "book/FileCommands.h"
#include "book/Lifecycle.h"
#include "book/MemoList.h"
#include "book/PageChange.h"
#include "book/Stores.h"
#include "messages/Messages.h"
#include "model/Dates.h"
#include "storage/DataFile.h"
#include "storage/FileLayer.h"
#include "storage/FileNames.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

const Date kToday = *makeDate(2026, 12, 8);

struct Session {
    ScriptedUi ui;
    Book book{ui};
    StartupReport report;

    explicit Session(const TempDir& dir, Date today = kToday) {
        book.folder = dir.path();
        book.clock().setToday(today);
        report = formCreate(book);
    }
    bool close() { return formClose(book, WindowSizes{}); }
};

// Cards for 1 to 3 November with one spending line each.
DataImage threeNovemberCards() {
    DataImage image;
    for (int d = 1; d <= 3; ++d) {
        TIndex card;
        card.date = *makeDate(2026, 11, d);
        card.spendList.push_back({"item" + std::to_string(d), "食費", 100.0 * d});
        card.memo = "memo\r\n";
        image.cards.push_back(card);
    }
    return image;
}

std::string welcomeText() {
    ScriptedUi ui;
    msgWelcome(ui);
    return ui.texts().at(0);
}

TEST(Lifecycle, FirstStartMakesOneOfEverythingAndWelcomes) {
    TempDir dir;
    Session s(dir);
    EXPECT_TRUE(s.report.firstStart);
    ASSERT_EQ(s.ui.texts(), std::vector<std::string>{welcomeText()});
    EXPECT_EQ(s.book.cards.size(), 1);
    EXPECT_EQ(s.book.cards.cur().date, kToday);
    EXPECT_EQ(s.book.startDate, kToday);
    EXPECT_EQ(s.book.months.size(), 1);
    EXPECT_EQ(s.book.months.cur().key, *makeDate(2026, 12, 1));
    EXPECT_EQ(s.book.years.size(), 1);
    EXPECT_EQ(s.book.years.cur().start, *makeDate(2026, 1, 1));
    EXPECT_EQ(s.book.weeks.size(), 1);
    EXPECT_EQ(s.book.weeks.cur().start, *makeDate(2026, 12, 6));  // the Sunday
    EXPECT_EQ(s.book.GridShishutu.currentCol(), 0);
    EXPECT_EQ(s.book.GridShishutu.currentRow(), 1);
    EXPECT_EQ(s.book.pnlToday, "2026/12/8");
    EXPECT_EQ(s.book.pnlTodaySum, "2026/12/8");
    EXPECT_EQ(s.book.pnlTodayWeek, "2026/12/8");
    EXPECT_EQ(s.report.layout.left, 100);
    EXPECT_EQ(s.report.layout.top, 120);
}

TEST(Lifecycle, ClosingWritesEveryFileAndTheNextStartFindsTheLines) {
    TempDir dir;
    {
        Session s(dir);
        s.book.GridShishutu.setCell(0, 1, "昼食");
        s.book.GridShishutu.setCell(1, 1, "800");
        s.book.GridShishutu.setCell(2, 1, "食費");
        s.book.Memo1 = "今日は晴れ\n二行目";
        EXPECT_TRUE(s.close());
        EXPECT_TRUE(s.book.cards.empty());
    }
    for (const char* ext : {".mrb", ".prf", ".mmm", ".ini"}) {
        struct stat st{};
        ASSERT_EQ(::stat(makeFileName(dir.path(), ext).c_str(), &st), 0) << ext;
        EXPECT_EQ(st.st_mode & 0777, 0600u) << ext;
    }
    EXPECT_FALSE(dir.exists("Mirab050.bak"));

    Session again(dir);
    EXPECT_FALSE(again.report.firstStart);
    EXPECT_TRUE(again.ui.texts().empty());
    EXPECT_EQ(again.book.GridShishutu.cell(0, 1), "昼食");
    EXPECT_EQ(again.book.GridShishutu.cell(1, 1), "800");
    EXPECT_EQ(again.book.GridShishutu.cell(2, 1), "食費");
    EXPECT_EQ(again.book.Memo1, "今日は晴れ\n二行目");
    const auto before = dir.read("Mirab050.mrb");
    EXPECT_TRUE(again.close());
    EXPECT_EQ(dir.read("Mirab050.bak"), before);
}

TEST(Lifecycle, SavingEverythingKeepsTheBookOpenForMoreWork) {
    TempDir dir;
    Session s(dir);
    s.book.GridShishutu.setCell(0, 1, "昼食");
    s.book.GridShishutu.setCell(1, 1, "800");
    ASSERT_TRUE(saveAllFiles(s.book, WindowSizes{}));
    for (const char* name : {"Mirab050.mrb", "Mirab050.prf", "Mirab050.mmm", "Mirab050.ini"})
        EXPECT_TRUE(dir.exists(name)) << name;
    // The session may go on after all: the book still has its records and
    // the close writes what came after the save.
    ASSERT_EQ(s.book.cards.size(), 1);
    s.book.GridShishutu.setCell(0, 2, "夕食");
    EXPECT_TRUE(s.close());
    Session again(dir);
    EXPECT_EQ(again.book.GridShishutu.cell(0, 1), "昼食");
    EXPECT_EQ(again.book.GridShishutu.cell(0, 2), "夕食");
}

TEST(Lifecycle, ADayWithoutACardGetsOneInDateOrder) {
    TempDir dir;
    { Session s(dir, *makeDate(2026, 12, 1)); s.close(); }
    { Session s(dir, *makeDate(2026, 12, 10)); s.close(); }
    Session s(dir, *makeDate(2026, 12, 5));
    ASSERT_EQ(s.book.cards.size(), 3);
    EXPECT_EQ(s.book.cards.read(1).date, *makeDate(2026, 12, 5));
    EXPECT_EQ(s.book.pnlPage, "2 / 3");
}

TEST(Lifecycle, AFileOfALaterVersionIsKeptAndTheBookGoesOn) {
    TempDir dir;
    DataImage later;
    later.cards.push_back(TIndex{});
    later.cards[0].date = *makeDate(2020, 1, 1);
    std::string bytes = encodeDataFile(later);
    bytes[0] = 60;  // version 60
    dir.write("Mirab050.mrb", bytes);

    Session s(dir);
    ASSERT_EQ(s.ui.texts().size(), 1u);
    EXPECT_NE(s.ui.texts()[0].find("Ver.0.6"), std::string::npos);
    EXPECT_EQ(s.report.dataOutcome, ReadOutcome::VersionTooNew);
    ASSERT_EQ(s.book.cards.size(), 1);
    EXPECT_EQ(s.book.cards.cur().date, kToday);
    EXPECT_EQ(s.book.startDate, kToday);
    // The unreadable file survives the shutdown's writes whole.
    EXPECT_EQ(dir.read("Mirab050.mrb.unreadable"), bytes);
    s.close();
    EXPECT_EQ(dir.read("Mirab050.mrb.unreadable"), bytes);
}

TEST(Lifecycle, ABrokenDataFileKeepsWhatWasReadAndACopyOfItself) {
    TempDir dir;
    const std::string whole = encodeDataFile(threeNovemberCards());
    const std::string cut = whole.substr(0, whole.size() - 10);  // inside the last card
    dir.write("Mirab050.mrb", cut);

    Session s(dir);
    EXPECT_EQ(s.report.dataOutcome, ReadOutcome::Broken);
    ASSERT_GE(s.ui.texts().size(), 3u);
    // The two complete cards, what was read of the third, and today's.
    ASSERT_GE(s.book.cards.size(), 3);
    EXPECT_EQ(s.book.cards.read(0).spendList.at(0).item, "item1");
    EXPECT_EQ(s.book.cards.read(1).spendList.at(0).item, "item2");
    EXPECT_EQ(s.book.cards.last().date, kToday);
    EXPECT_EQ(dir.read("Mirab050.mrb.unreadable"), cut);
    s.close();
    // What shutdown wrote reads back completely.
    DataImage again;
    EXPECT_EQ(decodeDataFile(*dir.read("Mirab050.mrb"), again), ReadOutcome::Ok);
}

TEST(Lifecycle, ADataFileReadBeforehandStartsTheBookAsOneReadThen) {
    TempDir dir;
    const std::string whole = encodeDataFile(threeNovemberCards());
    // Enough cards for the reading thread and the start-up to share them.
    DataImage years;
    for (int d = 0; d < 1500; ++d) {
        TIndex card;
        card.date = *makeDate(2020, 1, 1) + d;
        card.spendList.push_back({"品" + std::to_string(d), "食費", 10.5 * d});
        card.memo = d % 7 == 0 ? "メモ" : "";
        years.cards.push_back(card);
    }
    dir.write("Mirab050.prf", "not a settings file");
    // Read on a thread of its own too, its message comes after the data file's.
    dir.write("Mirab050.mmm", std::string("\x02\0\0\0", 4));
    for (const std::string& bytes : {whole, whole.substr(0, whole.size() - 10), encodeDataFile(years)}) {
        dir.write("Mirab050.mrb", bytes);
        ScriptedUi plainUi;
        Book plain(plainUi);
        plain.folder = dir.path();
        plain.clock().setToday(kToday);
        const StartupReport plainReport = formCreate(plain);

        ScriptedUi earlyUi;
        Book early(earlyUi);
        early.folder = dir.path();
        early.clock().setToday(kToday);
        DataPrefetch prefetch(dataFileName(dir.path()), monthFileName(dir.path()));
        const StartupReport earlyReport = formCreate(early, &prefetch);

        // The same messages in the same order (the settings file's first,
        // the month file's last), the same cards and months.
        EXPECT_EQ(earlyUi.texts(), plainUi.texts());
        EXPECT_FALSE(earlyUi.texts().empty());
        EXPECT_EQ(earlyReport.dataOutcome, plainReport.dataOutcome);
        EXPECT_EQ(earlyReport.monthOutcome, ReadOutcome::Broken);
        EXPECT_EQ(plainReport.monthOutcome, ReadOutcome::Broken);
        EXPECT_EQ(early.months.size(), plain.months.size());
        ASSERT_EQ(early.cards.size(), plain.cards.size());
        for (int i = 0; i < plain.cards.size(); ++i) EXPECT_EQ(early.cards.read(i), plain.cards.read(i)) << i;
        // A read is taken once, and only for its own file.
        EXPECT_FALSE(prefetch.take(dataFileName(dir.path())));
        EXPECT_FALSE(prefetch.takeMonths(monthFileName(dir.path())));
    }
    DataPrefetch other(dir.file("elsewhere.mrb"));
    EXPECT_FALSE(other.take(dataFileName(dir.path())));
    // A read let go of is gone, even for its own file.
    DataPrefetch dropped(dataFileName(dir.path()), monthFileName(dir.path()));
    dropped.dropUntaken();
    EXPECT_FALSE(dropped.take(dataFileName(dir.path())));
    EXPECT_FALSE(dropped.takeMonths(monthFileName(dir.path())));
}

TEST(Lifecycle, AFailedSettingsWriteIsReportedAndTheDataIsStillWritten) {
    TempDir dir;
    Session s(dir);
    s.ui.clear();
    // A folder where the settings file should be: no file can be written there.
    ASSERT_EQ(::mkdir(dir.file("Mirab050.prf").c_str(), 0700), 0);
    EXPECT_FALSE(s.close());
    EXPECT_FALSE(s.ui.texts().empty());
    EXPECT_TRUE(dir.exists("Mirab050.mrb"));
    EXPECT_TRUE(dir.exists("Mirab050.mmm"));
}

TEST(Lifecycle, TheMonthRecordReadAtStartIsNotOverwrittenByTheFirstPageChange) {
    TempDir dir;
    {
        Session s(dir);
        s.book.GridMonthSum.setCell(1, 1, "12345");
        s.book.GridMonthShishutu.setCell(0, 1, "食費");
        s.book.GridMonthShishutu.setCell(1, 1, "12345");
        s.close();
    }
    Session s(dir);
    pageTopChange(s.book, Page::TabSetting);
    EXPECT_EQ(s.book.months.cur().totalSpend, 12345);
    ASSERT_FALSE(s.book.months.cur().spendList.empty());
    EXPECT_EQ(s.book.months.cur().spendList[0].name, "食費");
}

TEST(PageChange, AMemoTypedOnTheDayPageShowsInTheMemoList) {
    TempDir dir;
    Session s(dir);
    s.book.Memo1 = "牛乳を買う";
    pageTopChange(s.book, Page::TabMemo);
    EXPECT_EQ(s.book.pnlMemoYear, "2026");
    EXPECT_EQ(s.book.pnlMemoMonth, "12");
    EXPECT_NE(s.book.MemoLeft.find("牛乳を買う"), std::string::npos);
}

TEST(PageChange, TheSummariesOpenOnThePeriodsOfTheCardShown) {
    TempDir dir;
    Session s(dir);
    pageTopChange(s.book, Page::TabStat);
    EXPECT_EQ(s.book.pnlYearSum, "2026");
    EXPECT_EQ(s.book.pnlMonthSum, "12");
    EXPECT_EQ(s.book.pnlYearYear, "2026");
    EXPECT_EQ(s.book.pnlYearWeek, "2026");
}

TEST(FileCommands, TheExtensionDecidesWhatMayBeOpenedOrSaved) {
    EXPECT_EQ(lowerExtension("/a/b/Mirab050.MRB"), ".mrb");
    EXPECT_EQ(lowerExtension("/a.b/name"), "");
    EXPECT_EQ(lowerExtension("name."), ".");
    EXPECT_TRUE(extensionFits("x.Mrb", FileKind::Data));
    EXPECT_FALSE(extensionFits("x.prf", FileKind::Data));
    EXPECT_TRUE(extensionFits("x.PRF", FileKind::Settings));
    EXPECT_FALSE(extensionFits("x.txt", FileKind::Settings));
    EXPECT_FALSE(extensionFits("mrb", FileKind::Data));
}

TEST(FileCommands, OpeningTheWrongKindOfFileChangesNothing) {
    TempDir dir;
    Session s(dir);
    s.close();
    Session t(dir);
    t.book.GridShishutu.setCell(0, 1, "未保存");
    t.ui.clear();
    t.ui.pushOpenFileName(prefFileName(dir.path()));
    mnuOpenDataClick(t.book);
    ASSERT_EQ(t.ui.openRequests().size(), 1u);
    EXPECT_EQ(t.ui.openRequests()[0].title, "データを開く");
    EXPECT_EQ(t.ui.openRequests()[0].filterIndex, 1);
    EXPECT_EQ(t.ui.openRequests()[0].initialFile, dataFileName(dir.path()));
    ASSERT_EQ(t.ui.texts().size(), 1u);
    EXPECT_EQ(t.ui.texts()[0], "そのファイルは開けません");
    EXPECT_EQ(t.book.GridShishutu.cell(0, 1), "未保存");
}

TEST(FileCommands, OpeningACapitalisedDataFileShowsItsCardOfTheShownDate) {
    TempDir dir;
    DataImage other;
    TIndex card;
    card.date = kToday;
    card.spendList.push_back({"別の帳簿", "食費", 500});
    other.cards.push_back(card);
    dir.write("OTHER.MRB", encodeDataFile(other));

    Session s(dir);
    s.book.GridShishutu.setCell(0, 1, "捨てられる編集");
    openByExt(s.book, dir.file("OTHER.MRB"), FileKind::Data);
    EXPECT_EQ(s.book.cards.size(), 1);
    EXPECT_EQ(s.book.GridShishutu.cell(0, 1), "別の帳簿");
}

TEST(FileCommands, OpeningABrokenDataFileKeepsTheCardsInMemory) {
    TempDir dir;
    dir.write("broken.mrb", std::string("\x32\x00\x00\x00\x01", 5));
    Session s(dir);
    s.book.GridShishutu.setCell(0, 1, "残る");
    storeTheDay(s.book);
    s.ui.clear();
    openByExt(s.book, dir.file("broken.mrb"), FileKind::Data);
    EXPECT_EQ(s.ui.texts().size(), 3u);
    ASSERT_EQ(s.book.cards.size(), 1);
    EXPECT_EQ(s.book.cards.cur().spendList.at(0).item, "残る");
}

TEST(FileCommands, SavingKeepsThePreviousFileAsBackupAndShowsTheSameDate) {
    TempDir dir;
    { Session s(dir); s.close(); }
    Session s(dir);
    const auto previous = dir.read("Mirab050.mrb");
    s.book.GridShishutu.setCell(0, 1, "保存する");
    mnuSaveDataClick(s.book);
    EXPECT_EQ(dir.read("Mirab050.bak"), previous);
    EXPECT_EQ(s.book.pnlDay, "2026/12/8");
    EXPECT_EQ(s.book.GridShishutu.cell(0, 1), "保存する");
    DataImage saved;
    ASSERT_EQ(decodeDataFile(*dir.read("Mirab050.mrb"), saved), ReadOutcome::Ok);
    EXPECT_EQ(saved.cards.at(0).spendList.at(0).item, "保存する");
}

TEST(FileCommands, AFailedSaveKeepsTheCardsInMemory) {
    TempDir dir;
    Session s(dir);
    s.book.GridShishutu.setCell(0, 1, "失わない");
    s.ui.clear();
    saveByExt(s.book, dir.file("no-such-folder/x.mrb"), FileKind::Data);
    EXPECT_EQ(s.ui.texts().size(), 2u);
    EXPECT_EQ(s.book.cards.cur().spendList.at(0).item, "失わない");
    EXPECT_EQ(s.book.GridShishutu.cell(0, 1), "失わない");
}

TEST(FileCommands, SettingsAreSavedOnlyUnderTheirExtension) {
    TempDir dir;
    Session s(dir);
    s.ui.clear();
    s.ui.pushSaveFileName(dir.file("settings.txt"));
    mnuSaveAsPrefClick(s.book);
    EXPECT_EQ(s.ui.saveRequests().at(0).title, "設定を保存");
    EXPECT_EQ(s.ui.saveRequests().at(0).filterIndex, 2);
    EXPECT_EQ(s.ui.texts(), std::vector<std::string>{"拡張子が違います"});
    EXPECT_FALSE(dir.exists("settings.txt"));

    s.ui.pushSaveFileName(dir.file("settings.prf"));
    mnuSaveAsPrefClick(s.book);
    EXPECT_TRUE(dir.exists("settings.prf"));
}

}  // namespace
}  // namespace kakeibo
