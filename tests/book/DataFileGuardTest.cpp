// A data file that somebody else changed since the book read it is never
// overwritten: by the close, the save command, or a save under its name.

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <thread>


#include "BookSession.h"
#include "book/DataFileApply.h"
#include "book/DataFileGuard.h"
#include "book/FileCommands.h"
#include "book/RecoverySnapshot.h"
#include "storage/DataFile.h"
#include "storage/FileIdentity.h"
#include "storage/FileNames.h"

namespace kakeibo {
namespace {

std::string anotherComputersBook() {
    DataImage other;
    other.note = "written on the other computer";
    TIndex card;
    card.date = *makeDate(2026, 12, 7);
    card.spendList.push_back({"本", "雑費", 1500});
    other.cards.push_back(card);
    return encodeDataFile(other);
}

// The book of a conflict copy, as the data file reader sees it.
DataImage bookIn(const TempDir& dir, const std::string& name) {
    DataImage image;
    EXPECT_EQ(decodeDataFile(*dir.read(name), image), ReadOutcome::Ok);
    return image;
}

void startWithALine(const TempDir& dir) {
    BookSession first(dir);
    first.type(1, "朝食", "300");
    ASSERT_TRUE(first.close());
}

TEST(DataFileGuard, TheCloseWritesBesideAFileChangedSinceTheStart) {
    TempDir dir;
    startWithALine(dir);
    BookSession s(dir);
    s.type(2, "昼食", "800");
    ASSERT_TRUE(keepRecoveryCopy(s.book));
    const std::string other = anotherComputersBook();
    dir.write("Mirab050.mrb", other);
    s.ui.clear();

    EXPECT_TRUE(s.close());  // the book is on disk, beside the other one
    EXPECT_EQ(dir.read("Mirab050.mrb"), other);
    ASSERT_EQ(dir.namesStartingWith("Mirab050.conflict-").size(), 1u);
    const std::string copy = dir.namesStartingWith("Mirab050.conflict-")[0];
    EXPECT_EQ(copy.size(), std::string("Mirab050.conflict-YYYYMMDD-HHMMSS.mrb").size());
    const DataImage mine = bookIn(dir, copy);
    ASSERT_EQ(mine.cards.size(), 1u);
    EXPECT_EQ(mine.cards[0].spendList.at(1).item, "昼食");
    // One warning, naming both files.
    ASSERT_EQ(s.ui.messages().size(), 1u) << s.ui.transcript();
    EXPECT_EQ(s.ui.messages()[0].kind, MsgKind::Warning);
    EXPECT_NE(s.ui.texts()[0].find(dir.file("Mirab050.mrb")), std::string::npos);
    EXPECT_NE(s.ui.texts()[0].find(dir.file(copy)), std::string::npos);
    EXPECT_FALSE(dir.exists("Mirab050.recovery.mrb"));
    EXPECT_FALSE(dir.exists("Mirab050.bak"));
}

TEST(DataFileGuard, AfterASaveOfTheSameBytesOnlyALaterChangeElsewhereCounts) {
    TempDir dir;
    startWithALine(dir);
    BookSession s(dir);
    // Nothing changed: the bytes written are the ones on disk.
    ASSERT_TRUE(saveAllFiles(s.book, WindowSizes{}));
    ASSERT_EQ(dir.read("Mirab050.mrb"), dir.read("Mirab050.bak"));
    EXPECT_TRUE(s.book.safety.dataFile().sameContents(identityOf(*dir.read("Mirab050.mrb"), dir.file("Mirab050.mrb"))));
    s.type(2, "昼食", "800");
    ASSERT_TRUE(saveAllFiles(s.book, WindowSizes{}));
    EXPECT_TRUE(dir.namesStartingWith("Mirab050.conflict-").empty());
    const std::string other = anotherComputersBook();
    dir.write("Mirab050.mrb", other);
    s.ui.clear();
    EXPECT_TRUE(s.close());
    EXPECT_EQ(dir.read("Mirab050.mrb"), other);
    EXPECT_EQ(dir.namesStartingWith("Mirab050.conflict-").size(), 1u);
}

// A file that kept the stamp it had when the book read it is not read
// again by the close; its stamp is trusted only when it was taken well
// after the file's last write, and any write since changes it, even one
// that keeps the size and puts the modification time back.
TEST(DataFileGuard, AFileThatKeptItsStampIsNotReadAgainButAnyWriteToItIsSeen) {
    TempDir dir;
    startWithALine(dir);
    BookSession s(dir);
    const std::string path = dir.file("Mirab050.mrb");
    // Read right after it was written: a write in the same tick would keep its times.
    EXPECT_FALSE(s.book.safety.dataFileStamp);
    // As if the start had come later.
    s.book.safety.dataFileStamp = stampOf(path);
    const std::string bytes = encodeBookData(s.book);
    ASSERT_EQ(dir.read("Mirab050.mrb"), bytes);
    const DataFileBefore unchanged = checkStandardDataFile(s.book, bytes);
    EXPECT_TRUE(unchanged.holdsBytesToWrite);
    EXPECT_FALSE(unchanged.changedElsewhere);
    // Other bytes to write are not known to be there: the file is read.
    const DataFileBefore read = checkStandardDataFile(s.book, bytes + "x");
    EXPECT_FALSE(read.holdsBytesToWrite);
    ASSERT_TRUE(read.onDisk);
    EXPECT_EQ(read.onDisk->bytes, bytes);

    // Another program changes one byte in place and sets the time back, a
    // tick of the file system's clock later (the stamp was forced above).
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    std::string other = bytes;
    other.back() = static_cast<char>(other.back() ^ 1);
    const int fd = ::open(path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    ASSERT_EQ(::pwrite(fd, other.data(), other.size(), 0), static_cast<ssize_t>(other.size()));
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(::futimens(fd, times), 0);
    ::close(fd);
    const DataFileBefore changed = checkStandardDataFile(s.book, bytes);
    EXPECT_FALSE(changed.holdsBytesToWrite);
    EXPECT_TRUE(changed.changedElsewhere);
    s.ui.clear();
    EXPECT_TRUE(s.close());
    EXPECT_EQ(dir.read("Mirab050.mrb"), other);
    EXPECT_EQ(dir.namesStartingWith("Mirab050.conflict-").size(), 1u);

    FileStamp stamp;
    const std::int64_t now = wallClockNs();
    stamp.mtimeNs = stamp.ctimeNs = now - kSettledStampNs - 1;
    EXPECT_TRUE(stampSettled(stamp, now));
    stamp.ctimeNs = now - 1'000'000;  // written again a moment ago
    EXPECT_FALSE(stampSettled(stamp, now));
}

TEST(DataFileGuard, TheSaveCommandsWriteBesideItTooAndKeepTheBookInMemory) {
    TempDir dir;
    startWithALine(dir);
    BookSession s(dir);
    s.type(2, "昼食", "800");
    const std::string other = anotherComputersBook();
    dir.write("Mirab050.mrb", other);

    mnuSaveDataClick(s.book);
    EXPECT_EQ(dir.read("Mirab050.mrb"), other);
    EXPECT_EQ(dir.namesStartingWith("Mirab050.conflict-").size(), 1u);
    EXPECT_EQ(s.book.GridShishutu.cell(0, 2), "昼食");  // not replaced by the other file

    // Under the standard name through another path: the same file.
    s.ui.pushSaveFileName(dir.path() + "./Mirab050.mrb");
    mnuSaveAsDataClick(s.book);
    EXPECT_EQ(dir.read("Mirab050.mrb"), other);
    EXPECT_GE(dir.namesStartingWith("Mirab050.conflict-").size(), 1u);

    // Opening the other file makes it the book; saving then writes over it.
    openByExt(s.book, dataFileName(dir.path()), FileKind::Data);
    EXPECT_EQ(s.book.MemoOboe, "written on the other computer");
    s.type(1, "追記", "10");
    mnuSaveDataClick(s.book);
    EXPECT_EQ(dir.read("Mirab050.bak"), other);
    EXPECT_EQ(bookIn(dir, "Mirab050.mrb").note, "written on the other computer");
}

TEST(DataFileGuard, OnlyOtherBytesAreAChange) {
    TempDir dir;
    startWithALine(dir);
    BookSession s(dir);
    // A sync tool copying the same bytes back changes the time alone.
    const std::string same = *dir.read("Mirab050.mrb");
    dir.write("Mirab050.mrb", same);
    struct timespec times[2] = {{1000, 0}, {1000, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.file("Mirab050.mrb").c_str(), times, 0), 0);
    ASSERT_TRUE(s.close());
    EXPECT_TRUE(dir.namesStartingWith("Mirab050.conflict-").empty());
    EXPECT_EQ(dir.read("Mirab050.bak"), same);

    // The book's own saves are no change either, at the next save or close.
    BookSession again(dir);
    mnuSaveDataClick(again.book);
    again.type(2, "昼食", "800");
    ASSERT_TRUE(again.close());
    EXPECT_TRUE(dir.namesStartingWith("Mirab050.conflict-").empty());
}

TEST(DataFileGuard, AFileThatAppearedAfterAFirstStartIsNotOverwritten) {
    TempDir dir;
    BookSession s(dir);
    const std::string other = anotherComputersBook();
    dir.write("Mirab050.mrb", other);
    ASSERT_TRUE(s.close());
    EXPECT_EQ(dir.read("Mirab050.mrb"), other);
    EXPECT_EQ(dir.namesStartingWith("Mirab050.conflict-").size(), 1u);
}

TEST(DataFileGuard, AFileRemovedMeanwhileIsWrittenAgain) {
    TempDir dir;
    startWithALine(dir);
    BookSession s(dir);
    ASSERT_EQ(::unlink(dir.file("Mirab050.mrb").c_str()), 0);
    ASSERT_TRUE(s.close());
    EXPECT_TRUE(dir.namesStartingWith("Mirab050.conflict-").empty());
    EXPECT_EQ(bookIn(dir, "Mirab050.mrb").cards.at(0).spendList.at(0).item, "朝食");
}

}  // namespace
}  // namespace kakeibo
