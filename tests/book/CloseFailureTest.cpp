// A close whose files cannot be written (a full disk): the person is told,
// the window stays open on Cancel and closing again retries; the book is
// in the recovery copy whenever the program ends without its files.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include "BookSession.h"
#include "book/RecoverySnapshot.h"
#include "safety/BackupGenerations.h"
#include "safety/RecoveryFile.h"
#include "storage/DataFile.h"
#include "support/FailingFileLayer.h"

namespace kakeibo {
namespace {

const Message* lastQuestion(const ScriptedUi& ui) {
    const Message* found = nullptr;
    for (const UiCall& call : ui.calls()) {
        if (call.kind == UiCallKind::Message && call.message.buttons == MsgButtons::OkCancel) found = &call.message;
    }
    return found;
}

// A folder where the month file should be: that one file cannot be
// written, everything else can.
void blockTheMonthFile(const TempDir& dir) { ASSERT_EQ(::mkdir(dir.file("Mirab050.mmm").c_str(), 0700), 0); }

std::optional<DataImage> bookInRecoveryCopy(const TempDir& dir) {
    const auto bytes = dir.read("Mirab050.recovery.mrb");
    if (!bytes) return std::nullopt;
    const auto parts = decodeRecoveryFile(*bytes);
    if (!parts) return std::nullopt;
    DataImage image;
    if (decodeDataFile(parts->data, image) != ReadOutcome::Ok) return std::nullopt;
    return image;
}

TEST(CloseFailure, AFullDiskKeepsTheWindowOpenUntilThereIsRoom) {
    TempDir dir;
    {
        BookSession first(dir);
        ASSERT_TRUE(first.close());
    }
    const auto before = dir.read("Mirab050.mrb");
    FailingFileLayer disk;
    BookSession s(dir, *makeDate(2026, 12, 8), &disk);
    s.type(1, "昼食", "800");
    disk.failWritesAfter(0);
    s.ui.clear();
    s.ui.pushMessageAnswer(MsgResult::Cancel);

    EXPECT_EQ(s.closeAsked(), CloseResult::KeptOpen);
    const std::vector<std::string> texts = s.ui.texts();
    // The settings, data and month files each say so (the window settings are silent).
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "ファイル書き込みに失敗しました"), 3);
    const Message* question = lastQuestion(s.ui);
    ASSERT_TRUE(question);
    // Nothing could be kept anywhere: ending would lose the line, so Cancel is the default.
    EXPECT_TRUE(question->cancelIsDefault);
    EXPECT_EQ(s.book.cards.size(), 1);
    EXPECT_EQ(s.book.GridShishutu.cell(0, 1), "昼食");
    EXPECT_EQ(dir.read("Mirab050.mrb"), before);

    // Room again: the next close writes everything and ends.
    disk.failWritesAfter(std::numeric_limits<std::size_t>::max());
    s.ui.clear();
    EXPECT_EQ(s.closeAsked(), CloseResult::Closed);
    EXPECT_TRUE(s.ui.messages().empty()) << s.ui.transcript();
    EXPECT_TRUE(s.book.cards.empty());
    DataImage written;
    ASSERT_EQ(decodeDataFile(*dir.read("Mirab050.mrb"), written), ReadOutcome::Ok);
    EXPECT_EQ(written.cards.at(0).spendList.at(0).item, "昼食");
    EXPECT_FALSE(dir.exists("Mirab050.recovery.mrb"));
}

TEST(CloseFailure, EndingAfterAFailureKeepsTheBookInTheRecoveryCopy) {
    TempDir dir;
    BookSession s(dir);
    s.type(1, "昼食", "800");
    blockTheMonthFile(dir);
    s.ui.clear();
    EXPECT_EQ(s.closeAsked(), CloseResult::Closed);  // the default answer: end
    const Message* question = lastQuestion(s.ui);
    ASSERT_TRUE(question);
    EXPECT_FALSE(question->cancelIsDefault);
    const auto kept = bookInRecoveryCopy(dir);
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->cards.at(0).spendList.at(0).item, "昼食");
}

TEST(CloseFailure, AnEndingForcedByTheDesktopNeverAsksAndKeepsTheCopyFirst) {
    TempDir dir;
    BookSession s(dir);
    s.type(1, "昼食", "800");
    blockTheMonthFile(dir);
    s.ui.clear();
    EXPECT_EQ(s.closeAsked(CloseKind::ForcedByDesktop), CloseResult::Closed);
    EXPECT_FALSE(lastQuestion(s.ui));
    ASSERT_TRUE(bookInRecoveryCopy(dir));

    // Forced with every file written: no copy is left behind.
    TempDir fine;
    BookSession t(fine);
    t.type(1, "昼食", "800");
    EXPECT_EQ(t.closeAsked(CloseKind::ForcedByDesktop), CloseResult::Closed);
    EXPECT_FALSE(fine.exists("Mirab050.recovery.mrb"));
    EXPECT_TRUE(fine.exists("Mirab050.mrb"));
}

TEST(CloseFailure, TheCommandLineCloseSaysWhereTheBookIs) {
    TempDir dir;
    BookSession s(dir);
    blockTheMonthFile(dir);
    s.ui.clear();
    EXPECT_FALSE(s.close());
    EXPECT_NE(s.ui.texts().back().find("復旧用のコピー"), std::string::npos) << s.ui.transcript();
    EXPECT_TRUE(bookInRecoveryCopy(dir));
}

TEST(CloseFailure, AGenerationThatCannotBeWrittenIsSaidAndTheDataFileStillWritten) {
    TempDir dir;
    {
        BookSession first(dir);
        ASSERT_TRUE(first.close());
    }
    dir.write("backup", "not a folder");
    BookSession s(dir);
    s.type(1, "昼食", "800");
    s.ui.clear();
    EXPECT_TRUE(s.close());
    ASSERT_EQ(s.ui.messages().size(), 1u) << s.ui.transcript();
    EXPECT_EQ(s.ui.messages()[0].kind, MsgKind::Warning);
    DataImage written;
    ASSERT_EQ(decodeDataFile(*dir.read("Mirab050.mrb"), written), ReadOutcome::Ok);
    EXPECT_EQ(written.cards.at(0).spendList.at(0).item, "昼食");
}

TEST(CloseFailure, ClosesOverDaysKeepTheReplacedFilesByTheDayTheyWereWritten) {
    TempDir dir;
    std::vector<std::string> written;
    for (int day = 1; day <= 3; ++day) {
        BookSession s(dir, *makeDate(2026, 12, day));
        s.type(1, "day " + std::to_string(day), "100");
        ASSERT_TRUE(s.close());
        // The close happened on that day (in local time, noon).
        const std::time_t noon = [&] {
            std::tm t{};
            t.tm_year = 2026 - 1900;
            t.tm_mon = 11;
            t.tm_mday = day;
            t.tm_hour = 12;
            t.tm_isdst = -1;
            return std::mktime(&t);
        }();
        struct timespec times[2] = {{noon, 0}, {noon, 0}};
        ASSERT_EQ(::utimensat(AT_FDCWD, dir.file("Mirab050.mrb").c_str(), times, 0), 0);
        written.push_back(*dir.read("Mirab050.mrb"));
    }
    const std::vector<Generation> generations = listGenerations(dir.path());
    ASSERT_EQ(generations.size(), 2u);
    EXPECT_EQ(generations[0].day, *makeDate(2026, 12, 1));
    EXPECT_EQ(readWholeFile(generations[0].path), written[0]);
    EXPECT_EQ(generations[1].day, *makeDate(2026, 12, 2));
    EXPECT_EQ(readWholeFile(generations[1].path), written[1]);
}

TEST(CloseFailure, AnUnchangedCloseKeepsNoCopyOfWhatItRewrites) {
    TempDir dir;
    for (int i = 0; i < 2; ++i) {
        BookSession s(dir, *makeDate(2026, 12, 1 + i));
        s.type(1, "line " + std::to_string(i), "100");
        ASSERT_TRUE(s.close());
    }
    const std::vector<Generation> before = listGenerations(dir.path());
    ASSERT_EQ(before.size(), 1u);
    const auto data = dir.read("Mirab050.mrb");
    BookSession unchanged(dir, *makeDate(2026, 12, 2));
    ASSERT_TRUE(unchanged.close());
    // The bytes are the data file and its ".bak" now; the earlier generation stays.
    EXPECT_EQ(dir.read("Mirab050.mrb"), data);
    EXPECT_EQ(dir.read("Mirab050.bak"), data);
    const std::vector<Generation> after = listGenerations(dir.path());
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(readWholeFile(after[0].path), readWholeFile(before[0].path));
}

// The close's files after a close that failed the n-th call of op, the
// book having been closed twice before (so there is a ".bak").
struct FailedClose {
    bool closed = false;
    bool told = false;
    std::optional<std::string> data, backup;
    std::optional<DataImage> recovered;
};

FailedClose closeFailingAt(const TempDir& dir, FileOp op, int n, int* counts = nullptr) {
    for (int i = 0; i < 2; ++i) {
        BookSession earlier(dir);
        earlier.type(1, "前 " + std::to_string(i), "100");
        EXPECT_TRUE(earlier.close());
    }
    FailingFileLayer disk;
    BookSession s(dir, *makeDate(2026, 12, 8), &disk);
    s.type(1, "昼食", "800");
    s.ui.clear();
    disk.resetCounts();
    disk.failAt(op, n);
    FailedClose result;
    result.closed = s.close();
    if (counts) {
        for (std::size_t o = 0; o < kFileOpCount; ++o) counts[o] = disk.calls(static_cast<FileOp>(o));
    }
    result.told = !s.ui.messages().empty();
    result.data = dir.read("Mirab050.mrb");
    result.backup = dir.read("Mirab050.bak");
    result.recovered = bookInRecoveryCopy(dir);
    return result;
}

bool holdsTheLunch(const std::optional<std::string>& bytes) {
    DataImage image;
    return bytes && decodeDataFile(*bytes, image) == ReadOutcome::Ok && !image.cards.empty() &&
           !image.cards.back().spendList.empty() && image.cards.back().spendList.at(0).item == "昼食";
}

TEST(CloseFailure, EveryFailingCallOfTheCloseKeepsThePreviousFilesOrTheNewOnesAndSaysSo) {
    int counts[kFileOpCount] = {};
    std::string previousData;
    {
        TempDir dir;
        const FailedClose clean = closeFailingAt(dir, FileOp::Write, 0, counts);
        ASSERT_TRUE(clean.closed);
        EXPECT_FALSE(clean.told);
        EXPECT_TRUE(holdsTheLunch(clean.data));
        ASSERT_TRUE(clean.backup);
        previousData = *clean.backup;
    }
    for (std::size_t o = 0; o < kFileOpCount; ++o) {
        const auto op = static_cast<FileOp>(o);
        for (int n = 1; n <= counts[o]; ++n) {
            SCOPED_TRACE(std::string(fileOpName(op)) + " call " + std::to_string(n));
            TempDir dir;
            const FailedClose run = closeFailingAt(dir, op, n);
            if (holdsTheLunch(run.data)) {
                EXPECT_EQ(run.backup, previousData);
            } else {
                EXPECT_EQ(run.data, previousData);
                EXPECT_TRUE(run.backup && !holdsTheLunch(run.backup));
            }
            if (!run.closed) {
                // Never a silent loss: the person is told, and the line is in the recovery copy.
                EXPECT_TRUE(run.told);
                ASSERT_TRUE(run.recovered);
                EXPECT_EQ(run.recovered->cards.back().spendList.at(0).item, "昼食");
            } else {
                EXPECT_TRUE(holdsTheLunch(run.data));
                EXPECT_FALSE(run.recovered);
            }
            // The folder's one sync is the four files' only: failing it saves none of them.
            if (op == FileOp::FsyncFolder && n == 1) {
                EXPECT_FALSE(run.closed);
            }
        }
    }
}

}  // namespace
}  // namespace kakeibo
