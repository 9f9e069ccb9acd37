// The recovery copy at the next start: offered when the last program did
// not close, restored by the default answer, kept under a dated name when
// declined, outdated or broken, and never lost when restoring fails.

#include <gtest/gtest.h>


#include "BookSession.h"
#include "book/FileCommands.h"
#include "book/RecoverySnapshot.h"
#include "safety/BackupGenerations.h"
#include "safety/RecoveryFile.h"
#include "storage/DataFile.h"
#include "storage/FileNames.h"
#include "support/FailingFileLayer.h"

namespace kakeibo {
namespace {

// A book closed once with a line, then opened again, changed (a line, a
// memo, a note) and its recovery copy written, then killed.
void crashAfterChanges(const TempDir& dir) {
    {
        BookSession first(dir);
        first.type(1, "朝食", "300");
        ASSERT_TRUE(first.close());
    }
    BookSession second(dir);
    second.type(2, "昼食", "800");
    second.book.Memo1 = "電池を買う";
    second.book.MemoOboe = "覚え書きも";
    ASSERT_TRUE(keepRecoveryCopy(second.book));
}

bool askedToRestore(const ScriptedUi& ui) {
    for (const Message& m : ui.messages()) {
        if (m.kind == MsgKind::Confirmation && m.text.find("復元しますか") != std::string::npos) return true;
    }
    return false;
}

TEST(RecoveryAtStart, TheDefaultAnswerRestoresAndKeepsTheReplacedFileAsAGeneration) {
    TempDir dir;
    crashAfterChanges(dir);
    const auto replaced = dir.read("Mirab050.mrb");
    BookSession next(dir);
    EXPECT_TRUE(askedToRestore(next.ui)) << next.ui.transcript();
    EXPECT_EQ(next.report.recovery.outcome, RecoveryOutcome::Restored);
    EXPECT_EQ(next.book.GridShishutu.cell(0, 1), "朝食");
    EXPECT_EQ(next.book.GridShishutu.cell(0, 2), "昼食");
    EXPECT_EQ(next.book.Memo1, "電池を買う");
    EXPECT_EQ(next.book.MemoOboe, "覚え書きも");
    EXPECT_FALSE(dir.exists("Mirab050.recovery.mrb"));
    const std::vector<Generation> generations = listGenerations(dir.path());
    ASSERT_EQ(generations.size(), 1u);
    EXPECT_EQ(readWholeFile(generations[0].path), replaced);
    EXPECT_TRUE(dir.namesStartingWith("Mirab050.recovery-").empty());
}

TEST(RecoveryAtStart, DecliningStartsFromTheFilesAndKeepsACopyTheOpenCommandReads) {
    TempDir dir;
    crashAfterChanges(dir);
    const auto dataFile = dir.read("Mirab050.mrb");
    BookSession next(dir, *makeDate(2026, 12, 8), nullptr, false);
    next.ui.pushMessageAnswer(MsgResult::Cancel);
    next.report = formCreate(next.book);
    EXPECT_EQ(next.report.recovery.outcome, RecoveryOutcome::KeptAside);
    EXPECT_EQ(next.book.GridShishutu.cell(0, 2), "");
    EXPECT_EQ(dir.read("Mirab050.mrb"), dataFile);
    ASSERT_EQ(dir.namesStartingWith("Mirab050.recovery-").size(), 1u);
    EXPECT_EQ(next.report.recovery.keptName, dir.file(dir.namesStartingWith("Mirab050.recovery-")[0]));
    EXPECT_NE(next.ui.texts().back().find(dir.namesStartingWith("Mirab050.recovery-")[0]), std::string::npos) << next.ui.transcript();
    EXPECT_FALSE(dir.exists("Mirab050.recovery.mrb"));

    openByExt(next.book, next.report.recovery.keptName, FileKind::Data);
    EXPECT_EQ(next.book.GridShishutu.cell(0, 2), "昼食");
    // The close writes the standard files and leaves the kept copy alone.
    ASSERT_TRUE(next.close());
    EXPECT_EQ(dir.namesStartingWith("Mirab050.recovery-").size(), 1u);
}

TEST(RecoveryAtStart, ADataFileWrittenSinceTheCopyIsNeverOverwrittenByIt) {
    TempDir dir;
    crashAfterChanges(dir);
    DataImage other;
    other.note = "another computer's book";
    dir.write("Mirab050.mrb", encodeDataFile(other));
    BookSession next(dir);
    EXPECT_FALSE(askedToRestore(next.ui));
    EXPECT_EQ(next.report.recovery.outcome, RecoveryOutcome::KeptAside);
    EXPECT_EQ(next.book.MemoOboe, "another computer's book");
    ASSERT_EQ(next.ui.messages().at(0).kind, MsgKind::Warning);
    EXPECT_EQ(dir.namesStartingWith("Mirab050.recovery-").size(), 1u);
}

TEST(RecoveryAtStart, ACopyTheFilesHoldAlreadyIsRemovedWithoutAQuestion) {
    TempDir dir;
    {
        BookSession first(dir);
        first.type(1, "朝食", "300");
        ASSERT_TRUE(first.close());
    }
    {
        BookSession second(dir);  // opened and killed without a change
        ASSERT_TRUE(keepRecoveryCopy(second.book));
        // What the close would have written is what is on disk.
        ASSERT_TRUE(saveAllFiles(second.book, WindowSizes{}));
        ASSERT_TRUE(keepRecoveryCopy(second.book));
    }
    BookSession next(dir);
    EXPECT_EQ(next.report.recovery.outcome, RecoveryOutcome::AlreadyInFiles);
    EXPECT_TRUE(next.ui.messages().empty()) << next.ui.transcript();
    EXPECT_FALSE(dir.exists("Mirab050.recovery.mrb"));
}

TEST(RecoveryAtStart, ABrokenCopyIsKeptAndTheStartGoesOn) {
    TempDir dir;
    crashAfterChanges(dir);
    std::string copy = *dir.read("Mirab050.recovery.mrb");
    copy[copy.size() / 2] ^= 0x20;
    dir.write("Mirab050.recovery.mrb", copy);
    BookSession next(dir);
    EXPECT_EQ(next.report.recovery.outcome, RecoveryOutcome::KeptAside);
    EXPECT_EQ(next.book.GridShishutu.cell(0, 1), "朝食");
    ASSERT_EQ(dir.namesStartingWith("Mirab050.recovery-").size(), 1u);
    EXPECT_EQ(dir.read(dir.namesStartingWith("Mirab050.recovery-")[0]), copy);
}

TEST(RecoveryAtStart, ARestoreThatCannotWriteKeepsTheCopyAndTheDataFile) {
    TempDir dir;
    crashAfterChanges(dir);
    const auto dataFile = dir.read("Mirab050.mrb");
    const auto copy = dir.read("Mirab050.recovery.mrb");
    FailingFileLayer full;
    full.failWritesAfter(0);
    BookSession next(dir, *makeDate(2026, 12, 8), &full);
    EXPECT_TRUE(askedToRestore(next.ui));
    EXPECT_EQ(next.report.recovery.outcome, RecoveryOutcome::KeptAside);
    EXPECT_EQ(dir.read("Mirab050.mrb"), dataFile);
    ASSERT_EQ(dir.namesStartingWith("Mirab050.recovery-").size(), 1u);
    EXPECT_EQ(dir.read(dir.namesStartingWith("Mirab050.recovery-")[0]), copy);
    const std::vector<std::string> texts = next.ui.texts();
    EXPECT_NE(std::find(texts.begin(), texts.end(), "ファイル書き込みに失敗しました"), texts.end());
    // This program's own copy never goes over the one kept.
    next.type(3, "夕食", "1200");
    EXPECT_FALSE(keepRecoveryCopy(next.book));
    EXPECT_EQ(dir.read(dir.namesStartingWith("Mirab050.recovery-")[0]), copy);
}

TEST(RecoveryAtStart, AWholeBookOfAKilledSaveIsKeptAndSaid) {
    TempDir dir;
    {
        BookSession first(dir);
        ASSERT_TRUE(first.close());
    }
    DataImage unsaved;
    unsaved.note = "the close was killed before its rename";
    // A writer long gone: process ids do not go this high.
    dir.write("Mirab050.mrb.new-999999999-1.tmp", encodeDataFile(unsaved));
    BookSession next(dir);
    ASSERT_EQ(dir.namesStartingWith("Mirab050.recovery-").size(), 1u);
    EXPECT_EQ(dir.read(dir.namesStartingWith("Mirab050.recovery-")[0]), encodeDataFile(unsaved));
    ASSERT_FALSE(next.ui.messages().empty());
    EXPECT_NE(next.ui.texts()[0].find(dir.namesStartingWith("Mirab050.recovery-")[0]), std::string::npos);
}

}  // namespace
}  // namespace kakeibo
