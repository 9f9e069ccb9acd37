#include "storage/CardBlock.h"
#include "storage/DataFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <bit>
#include <cmath>
#include <cstring>
#include <optional>

#include "storage/FileIdentity.h"
#include "support/FailingFileLayer.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

std::string le32(std::uint32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

std::string le64(double d) {
    auto v = std::bit_cast<std::uint64_t>(d);
    std::string s;
    for (int i = 0; i < 8; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

const std::string kEmptyText = le32(1) + std::string(1, '\0');

const std::vector<std::string> kReadFailureTexts = {
    "みらぶの家計簿のデータではないか、ファイルが壊れています",
    "動作が不安定になるので、いったん終了してください",
    "エラーが続くようならデータファイル（Mirab0.50.mrb）を削除してください",
};
const std::vector<std::string> kWriteFailureTexts = {
    "ファイル書き込みに失敗しました",
    "動作が不安定になるので、いったん終了してください",
};

// A book with every kind of text the files must keep.
DataImage sampleBook() {
    DataImage image;
    image.startDate = 45000;
    image.credit = {
        {"2024/01/05", "ＡＢＣカード", "①電気代", "3500", "", "", "", "", "～＼￢"},
        {},  // a blank row between used rows
        {"2024/01/07", "髙島屋", "服", "12000.5", "1", "2", "3", "4", "備考"},
    };
    image.note = "年間の目標：貯金①\r\n\r\n～＼￢ done\r\n";
    TIndex first;
    first.date = 45001;
    first.spendList = {{"お米", "食費", 2480}, {"", "", 0}, {"電車＼バス", "交通費", 320.25}};
    first.incomeList = {{"給料", "給与", 250000}};
    first.accountList = {{"ATM", "銀行 ＿ 引出", 30000}};
    first.budgetList = {{"食費", 2480, 27520}, {"交通費", 320.25, -20.25}};
    first.summaryList = {{"現金残高", 12345}, {"", 0}, {"貯金", 1e9}};
    first.memo = "一行目\r\n②～\r\n";
    TIndex second;  // every list and the memo empty
    second.date = 45002;
    TIndex third;
    third.date = 45010;
    third.spendList = {{"￢テスト", "雑費", -5}};
    image.cards = {first, second, third};
    return image;
}

TEST(DataFile, TheSmallestFileIsFiftyNineBytesLaidOutFieldByField) {
    DataImage image;
    image.startDate = 45000;
    image.headerFlag = 1;  // read into memory, always written as 0
    image.cards.resize(1);
    image.cards[0].date = 45123;
    const std::string expected = le32(50) + le64(45000) + std::string(1, '\0') + le32(0) + kEmptyText +
                                 le32(1) + le64(45123) + le32(0) + le32(0) + le32(0) + le32(0) + le32(0) +
                                 kEmptyText;
    ASSERT_EQ(expected.size(), 59u);
    EXPECT_EQ(encodeDataFile(image), expected);

    DataImage back;
    ASSERT_EQ(decodeDataFile(expected, back), ReadOutcome::Ok);
    EXPECT_EQ(back.startDate, 45000);
    EXPECT_EQ(back.headerFlag, 0);
    ASSERT_EQ(back.cards.size(), 1u);
    EXPECT_EQ(back.cards[0], image.cards[0]);
    EXPECT_TRUE(back.credit.empty());
    EXPECT_EQ(back.note, "");
}

TEST(DataFile, EverythingWrittenIsReadBackUnchanged) {
    const DataImage image = sampleBook();
    const std::string bytes = encodeDataFile(image);
    DataImage back;
    ASSERT_EQ(decodeDataFile(bytes, back), ReadOutcome::Ok);
    EXPECT_EQ(back, image);
    EXPECT_EQ(back.cards[0].spendCount(), 3);  // the blank line keeps its place
    EXPECT_EQ(back.cards[0].summaryCount(), 3);

    // No cards at all is a readable file; supplying a first card is the caller's.
    DataImage noCards;
    noCards.startDate = 1;
    ASSERT_EQ(decodeDataFile(encodeDataFile(noCards), back), ReadOutcome::Ok);
    EXPECT_TRUE(back.cards.empty());
    EXPECT_EQ(back.startDate, 1);
}

TEST(DataFile, OlderVersionsReadWithTheOneLayoutNewerOnesAreRefused) {
    std::string bytes = encodeDataFile(sampleBook());
    DataImage back;
    for (std::uint32_t version : {0u, 10u, 49u, 59u, 0xFFFFFFFFu}) {
        bytes.replace(0, 4, le32(version));
        EXPECT_EQ(decodeDataFile(bytes, back), ReadOutcome::Ok) << version;
        EXPECT_EQ(back.cards.size(), 3u);
    }
    for (std::uint32_t version : {60u, 75u, 0x7FFFFFFFu}) {
        bytes.replace(0, 4, le32(version));
        EXPECT_EQ(decodeDataFile(bytes, back), ReadOutcome::VersionTooNew) << version;
        EXPECT_EQ(back.version, static_cast<std::int32_t>(version));
        EXPECT_TRUE(back.cards.empty());  // nothing read
        EXPECT_TRUE(back.note.empty());
    }

    TempDir dir;
    bytes.replace(0, 4, le32(60));
    dir.write("Mirab050.mrb", bytes);
    ScriptedUi ui;
    EXPECT_EQ(loadData(dir.file("Mirab050.mrb"), back, ui), ReadOutcome::VersionTooNew);
    ASSERT_EQ(ui.texts().size(), 1u);
    const std::string text = ui.texts()[0];
    EXPECT_EQ(text.find("Ver.0.6 "), 0u);
    EXPECT_NE(text.find("\r\n\r\nVer.0.6 で作成したファイルは Ver.0.50 では読み込めません"), std::string::npos);
}

// Every prefix of a file is a file cut short there: it reads as broken,
// keeps every card completed before the cut, and what it keeps is written
// again as a readable file holding exactly that.
TEST(DataFile, AFileCutAnywhereKeepsWhatWasReadAndSavesReadably) {
    const DataImage image = sampleBook();
    const std::string bytes = encodeDataFile(image);
    std::vector<std::size_t> cardEnds;  // where each card's block ends
    for (std::size_t k = 1; k <= image.cards.size(); ++k) {
        DataImage prefix = image;
        prefix.cards.resize(k);
        cardEnds.push_back(encodeDataFile(prefix).size());
    }
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        SCOPED_TRACE(cut);
        DataImage partial;
        ASSERT_EQ(decodeDataFile(std::string_view(bytes).substr(0, cut), partial), ReadOutcome::Broken);
        std::size_t complete = 0;
        while (complete < cardEnds.size() && cardEnds[complete] <= cut) ++complete;
        ASSERT_GE(partial.cards.size(), complete);
        for (std::size_t i = 0; i < complete; ++i) EXPECT_EQ(partial.cards[i], image.cards[i]);
        // The card being read holds a leading part of each of its lists.
        if (partial.cards.size() > complete) {
            const TIndex& cutCard = partial.cards[complete];
            const TIndex& whole = image.cards[complete];
            EXPECT_EQ(cutCard.date, whole.date);
            EXPECT_LE(cutCard.spendList.size(), whole.spendList.size());
            EXPECT_TRUE(
                std::equal(cutCard.spendList.begin(), cutCard.spendList.end(), whole.spendList.begin()));
        }
        DataImage again;
        ASSERT_EQ(decodeDataFile(encodeDataFile(partial), again), ReadOutcome::Ok);
        partial.version = kDataFileVersion;
        EXPECT_EQ(again, partial);
    }
}

// The layout lets the cards be decoded apart, in any order: only for a file
// that reads whole with its cards in order, and then to the same cards.
TEST(DataFile, TheLayoutOfAFileGivesTheSameCardsDecodedApart) {
    const DataImage image = sampleBook();
    const std::string bytes = encodeDataFile(image);
    const std::optional<DataFileLayout> layout = scanDataFile(bytes);
    ASSERT_TRUE(layout);
    ASSERT_EQ(layout->cards.size(), image.cards.size());
    DataImage head = image;
    head.cards.clear();
    EXPECT_EQ(layout->head, head);
    for (std::size_t k = image.cards.size(); k-- > 0;) {
        TIndex card;
        const CardPlace& place = layout->cards[k];
        ASSERT_TRUE(decodeCardBlock(bytes, place.start, card));
        EXPECT_EQ(card, image.cards[k]) << k;
        EXPECT_EQ(encodeCardBlock(card), bytes.substr(place.start, place.size)) << k;
        EXPECT_EQ(place.date, card.date);
        EXPECT_EQ(place.calculated, card.budgetCount() > 0);
    }

    // Any file the front-to-back reader must repair has no layout.
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        EXPECT_FALSE(scanDataFile(std::string_view(bytes).substr(0, cut))) << cut;
    }
    DataImage unordered = image;
    std::swap(unordered.cards[0], unordered.cards[2]);
    EXPECT_FALSE(scanDataFile(encodeDataFile(unordered)));
    DataImage sameDay = image;
    sameDay.cards[1].date = sameDay.cards[0].date;
    EXPECT_FALSE(scanDataFile(encodeDataFile(sameDay)));
    std::string newer = bytes;
    newer.replace(0, 4, le32(60));
    EXPECT_FALSE(scanDataFile(newer));
    // Bytes after the last card are not read, by either reader.
    EXPECT_TRUE(scanDataFile(bytes + "trailing"));
}

// A read that keeps the cards as read takes its identity's hash later, from
// the bytes it read: a file changed in between does not make it another.
TEST(DataFile, TheIdentityOfAKeptReadIsOfTheBytesReadWhenEverItIsTaken) {
    TempDir dir;
    const std::string bytes = encodeDataFile(sampleBook());
    dir.write("book.mrb", bytes);
    const DataFileRead kept = readDataFile(dir.file("book.mrb"), systemFileLayer(), CardReading::KeptAsRead);
    const DataFileRead decoded = readDataFile(dir.file("book.mrb"), systemFileLayer(), CardReading::Decoded);
    ASSERT_TRUE(kept.keptCards);
    ASSERT_FALSE(decoded.keptCards);
    DataImage changed = sampleBook();
    changed.cards[0].memo = "changed";
    dir.write("book.mrb", encodeDataFile(changed));

    const FileIdentity asRead = identityOf(bytes, dir.file("book.mrb"));
    for (const DataFileRead* read : {&kept, &decoded}) {
        const FileIdentity identity = read->identity.get();
        EXPECT_TRUE(identity.exists);
        EXPECT_EQ(identity.size, bytes.size());
        EXPECT_EQ(identity.hash, asRead.hash);
        EXPECT_TRUE(identity.sameContents(asRead));
        EXPECT_GT(identity.mtimeNs, 0);
    }
    // Only the kept bytes themselves are known without a hash; the same
    // bytes elsewhere, or a part of them, are not.
    EXPECT_TRUE(kept.identity.isOf(kept.bytes->view()));
    EXPECT_FALSE(kept.identity.isOf(bytes));
    EXPECT_FALSE(kept.identity.isOf(kept.bytes->view().substr(0, bytes.size() - 1)));
    EXPECT_FALSE(decoded.identity.isOf(bytes));
}

TEST(DataFile, StoredLengthsAndCountsBeyondTheFileAreBrokenNotAllocated) {
    const std::string header = le32(50) + le64(45000) + std::string(1, '\0');
    DataImage back;
    // A credit-row count, a card count and a list count far beyond the bytes.
    EXPECT_EQ(decodeDataFile(header + le32(0x7FFFFFFF) + kEmptyText, back), ReadOutcome::Broken);
    EXPECT_EQ(decodeDataFile(header + le32(0) + kEmptyText + le32(0x7FFFFFFF), back), ReadOutcome::Broken);
    EXPECT_TRUE(back.cards.empty());
    const std::string card = le64(45001) + le32(0x7FFFFFFF) + le32(0) + le32(0) + le32(0) + le32(0);
    EXPECT_EQ(decodeDataFile(header + le32(0) + kEmptyText + le32(1) + card, back), ReadOutcome::Broken);
    ASSERT_EQ(back.cards.size(), 1u);
    EXPECT_EQ(back.cards[0].date, 45001);
    EXPECT_EQ(back.cards[0].spendCount(), 0);
    // A text length past the end, and one that is negative.
    EXPECT_EQ(decodeDataFile(header + le32(0) + le32(100) + "abc", back), ReadOutcome::Broken);
    EXPECT_EQ(decodeDataFile(header + le32(0) + le32(0xFFFFFFFF) + "abc", back), ReadOutcome::Broken);
    // Negative counts are empty lists; trailing bytes are not this layout's and are passed over.
    const std::string negative = le64(45001) + le32(0xFFFFFFFF) + le32(0x80000000) + le32(0) + le32(0) +
                                 le32(0) + kEmptyText;
    EXPECT_EQ(decodeDataFile(header + le32(0) + kEmptyText + le32(1) + negative + "junk", back),
              ReadOutcome::Ok);
    ASSERT_EQ(back.cards.size(), 1u);
    EXPECT_TRUE(back.cards[0].spendList.empty());
    EXPECT_EQ(decodeDataFile("", back), ReadOutcome::Broken);
    EXPECT_EQ(decodeDataFile("\x32\0", back), ReadOutcome::Broken);
}

TEST(DataFile, CardsOutOfOrderArePutInOrderAndSameDayCardsBecomeOne) {
    DataImage image;
    TIndex a, b, c, dup, copy;
    a.date = 30;
    a.spendList = {{"朝", "食費", 100}};
    a.budgetList = {{"食費", 100, 900}};
    a.memo = "朝の記録";
    b.date = 10;
    c.date = 20;
    dup.date = 30;
    dup.spendList = {{"夜", "食費", 200}};
    dup.incomeList = {{"返金", "その他", 50}};
    dup.budgetList = {{"食費", 300, 700}};
    dup.memo = "夜の記録\r\n";
    copy = c;  // an exact second copy of a card
    image.cards = {a, b, c, dup, copy};

    DataImage back;
    ASSERT_EQ(decodeDataFile(encodeDataFile(image), back), ReadOutcome::Ok);
    ASSERT_EQ(back.cards.size(), 3u);
    EXPECT_EQ(back.cards[0], b);
    EXPECT_EQ(back.cards[1], c);
    const TIndex& merged = back.cards[2];
    EXPECT_EQ(merged.date, 30);
    EXPECT_EQ(merged.spendList, (std::vector<TKiroku>{{"朝", "食費", 100}, {"夜", "食費", 200}}));
    EXPECT_EQ(merged.incomeList, dup.incomeList);
    EXPECT_EQ(merged.budgetList, a.budgetList);  // the calculation rebuilds these
    EXPECT_EQ(merged.memo, "朝の記録\r\n夜の記録\r\n");

    // A day count that is not a number ends the readable part of the file.
    image.cards = {b, c};
    image.cards[1].date = std::nan("");
    ASSERT_EQ(decodeDataFile(encodeDataFile(image), back), ReadOutcome::Broken);
    ASSERT_EQ(back.cards.size(), 1u);
    EXPECT_EQ(back.cards[0], b);
}

TEST(DataFile, CreditRowsGoBetweenSheetAndFileWithTheirBlankRows) {
    Sheet grid("GridCredit", 9, 6);
    for (int c = 0; c < 9; ++c) grid.setCell(c, 0, "見出し" + std::to_string(c));
    grid.setCell(0, 1, "2024/01/05");
    grid.setCell(8, 3, "備考");
    std::vector<CreditRow> rows = creditRowsFromSheet(grid);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0][0], "2024/01/05");
    EXPECT_EQ(rows[1], CreditRow{});
    EXPECT_EQ(rows[2][8], "備考");

    Sheet empty("GridCredit", 9, 2);
    for (int c = 0; c < 9; ++c) empty.setCell(c, 0, "見出し");
    EXPECT_TRUE(creditRowsFromSheet(empty).empty());

    // A file of one row into a sheet that held more: header kept, old rows gone
    // (also when the sheet grows again later).
    creditRowsToSheet({rows[2]}, grid);
    EXPECT_EQ(grid.rowCount(), 3);
    EXPECT_EQ(grid.cell(0, 0), "見出し0");
    EXPECT_EQ(grid.cell(8, 1), "備考");
    EXPECT_EQ(grid.cell(0, 2), "");
    grid.setRowCount(6);
    EXPECT_EQ(grid.cell(8, 3), "");
    creditRowsToSheet({}, grid);
    EXPECT_EQ(grid.rowCount(), 2);
    EXPECT_EQ(grid.cell(8, 1), "");
}

TEST(DataFile, LoadingReportsFilesThatCannotBeReadWithTheThreeMessages) {
    TempDir dir;
    ScriptedUi ui;
    DataImage back;
    EXPECT_EQ(loadData(dir.file("Mirab050.mrb"), back, ui), ReadOutcome::Broken);
    EXPECT_EQ(ui.texts(), kReadFailureTexts);

    const std::string bytes = encodeDataFile(sampleBook());
    dir.write("Mirab050.mrb", bytes.substr(0, bytes.size() - 3));
    ui.clear();
    EXPECT_EQ(loadData(dir.file("Mirab050.mrb"), back, ui), ReadOutcome::Broken);
    EXPECT_EQ(ui.texts(), kReadFailureTexts);
    EXPECT_EQ(back.cards.size(), 3u);  // the last card lost only its memo

    dir.write("Mirab050.mrb", bytes);
    ui.clear();
    EXPECT_EQ(loadData(dir.file("Mirab050.mrb"), back, ui), ReadOutcome::Ok);
    EXPECT_TRUE(ui.texts().empty());
    EXPECT_EQ(back, sampleBook());
}

TEST(DataFile, SavingKeepsABackupAndAFailedSaveChangesNothing) {
    TempDir dir;
    const std::string path = dir.file("Mirab050.mrb");
    ScriptedUi ui;
    DataImage first = sampleBook();
    DataImage second = first;
    second.note = "二回目";
    DataImage third = first;
    third.cards.pop_back();

    ASSERT_TRUE(saveData(path, first, ui));
    ASSERT_TRUE(saveData(path, second, ui));
    EXPECT_TRUE(ui.texts().empty());
    EXPECT_EQ(dir.read("Mirab050.mrb"), encodeDataFile(second));
    EXPECT_EQ(dir.read("Mirab050.bak"), encodeDataFile(first));
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);

    const FileOp mustFail[] = {FileOp::CreateNew, FileOp::Write, FileOp::Fsync,
                               FileOp::Close,     FileOp::Rename, FileOp::FsyncFolder};
    for (FileOp op : mustFail) {
        for (int n = 1; n <= 3; ++n) {
            FailingFileLayer counting;
            ASSERT_TRUE(saveData(dir.file("probe.mrb"), third, ui, counting));
            if (n > counting.calls(op)) continue;
            SCOPED_TRACE(std::string(fileOpName(op)) + " " + std::to_string(n));
            FailingFileLayer failing;
            failing.failAt(op, n);
            ui.clear();
            EXPECT_FALSE(saveData(path, third, ui, failing));
            EXPECT_EQ(ui.texts(), kWriteFailureTexts);
            EXPECT_EQ(dir.read("Mirab050.mrb"), encodeDataFile(second));
            EXPECT_EQ(dir.read("Mirab050.bak"), encodeDataFile(first));
        }
    }
    FailingFileLayer full;
    full.failWritesAfter(100);
    ui.clear();
    EXPECT_FALSE(saveData(path, third, ui, full));
    EXPECT_EQ(ui.texts(), kWriteFailureTexts);
    EXPECT_EQ(dir.read("Mirab050.mrb"), encodeDataFile(second));
    EXPECT_EQ(dir.read("Mirab050.bak"), encodeDataFile(first));
}

}  // namespace
}  // namespace kakeibo
