#include "storage/FileLayer.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <filesystem>
#include <set>

#include "support/FailingFileLayer.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

std::set<std::string> filesIn(const TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
        names.insert(entry.path().filename().string());
    }
    return names;
}

mode_t permissionsOf(const std::string& path) {
    struct stat info {};
    EXPECT_EQ(::stat(path.c_str(), &info), 0);
    return info.st_mode & 0777;
}

TEST(FileLayer, BackupNameReplacesTheExtensionOfTheLastComponent) {
    EXPECT_EQ(backupFileName("/a/Mirab050.mrb"), "/a/Mirab050.bak");
    EXPECT_EQ(backupFileName("/a.b/data"), "/a.b/data.bak");
    EXPECT_EQ(backupFileName("x.tar.mrb"), "x.tar.bak");
    EXPECT_EQ(backupFileName("plain"), "plain.bak");
}

TEST(FileLayer, SavesCreateOwnerOnlyFilesAndKeepThePreviousAsBackup) {
    TempDir dir;
    const std::string path = dir.file("Mirab050.mrb");
    std::string big(3 * 1024 * 1024 + 17, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i * 7 % 251);

    ASSERT_TRUE(saveFileSafely(path, "first", true));
    EXPECT_EQ(readWholeFile(path), "first");
    EXPECT_FALSE(dir.exists("Mirab050.bak"));  // nothing to back up yet
    EXPECT_EQ(permissionsOf(path), 0600u);

    ASSERT_TRUE(saveFileSafely(path, big, true));
    EXPECT_EQ(readWholeFile(path), big);
    EXPECT_EQ(dir.read("Mirab050.bak"), "first");

    ASSERT_TRUE(saveFileSafely(path, "", true));
    EXPECT_EQ(readWholeFile(path), "");
    EXPECT_EQ(dir.read("Mirab050.bak"), big);  // the ".bak" holds the file before the latest save
    EXPECT_EQ(permissionsOf(dir.file("Mirab050.bak")), 0600u);
    EXPECT_EQ(filesIn(dir), (std::set<std::string>{"Mirab050.mrb", "Mirab050.bak"}));

    ASSERT_TRUE(saveFileSafely(dir.file("Mirab050.mmm"), "month", false));
    ASSERT_TRUE(saveFileSafely(dir.file("Mirab050.mmm"), "month 2", false));
    EXPECT_EQ(dir.read("Mirab050.mmm"), "month 2");
    EXPECT_EQ(filesIn(dir).size(), 3u);  // no backup without makeBackup
}

TEST(FileLayer, ReadingMissingOrFailingFilesGivesNothing) {
    TempDir dir;
    EXPECT_FALSE(readWholeFile(dir.file("none")));
    dir.write("f", "abc");
    FailingFileLayer failing;
    failing.failAt(FileOp::Read, 1);
    EXPECT_FALSE(readWholeFile(dir.file("f"), failing));
    EXPECT_EQ(readWholeFile(dir.file("f"), failing), "abc");  // the second read call works
    EXPECT_TRUE(fileExists(dir.file("f")));
    // A file without end is refused at the limit, not read until memory runs out.
    EXPECT_FALSE(readFileUpTo("/dev/zero", 1 << 20));
    EXPECT_EQ(readFileUpTo(dir.file("f"), 3), "abc");
    EXPECT_FALSE(readFileUpTo(dir.file("f"), 2));
    EXPECT_FALSE(fileExists(dir.file("g")));
}

// Runs a save of "new" over file "old" with backup "older", failing the
// n-th call of op; the disk must then hold either the state before the save
// (and the save says false) or the state after it (and it says true).
struct FaultRun {
    bool saved;
    std::optional<std::string> file;
    std::optional<std::string> backup;
    std::set<std::string> names;
};

FaultRun runWithFault(bool makeBackup, bool hadBackup, FileOp op, int n) {
    TempDir dir;
    dir.write("Mirab050.mrb", "old");
    if (hadBackup) dir.write("Mirab050.bak", "older");
    FailingFileLayer layer;
    layer.failAt(op, n);
    FaultRun run;
    run.saved = saveFileSafely(dir.file("Mirab050.mrb"), "new", makeBackup, layer);
    run.file = dir.read("Mirab050.mrb");
    run.backup = dir.read("Mirab050.bak");
    run.names = filesIn(dir);
    return run;
}

TEST(FileLayer, EveryFailingCallOfASaveLeavesTheDiskAsBeforeOrAsAfter) {
    for (int variant = 0; variant < 3; ++variant) {
        const bool makeBackup = variant != 2;
        const bool hadBackup = variant != 1;
        // Learn how many calls of each kind a save makes.
        TempDir dir;
        dir.write("Mirab050.mrb", "old");
        if (hadBackup) dir.write("Mirab050.bak", "older");
        FailingFileLayer counting;
        ASSERT_TRUE(saveFileSafely(dir.file("Mirab050.mrb"), "new", makeBackup, counting));
        EXPECT_GE(counting.calls(FileOp::Write), 1);
        EXPECT_GE(counting.calls(FileOp::Fsync), 1);
        EXPECT_GE(counting.calls(FileOp::Rename), 1);
        EXPECT_GE(counting.calls(FileOp::FsyncFolder), 1);

        for (std::size_t o = 0; o < kFileOpCount; ++o) {
            auto op = static_cast<FileOp>(o);
            for (int n = 1; n <= counting.calls(op); ++n) {
                FaultRun run = runWithFault(makeBackup, hadBackup, op, n);
                SCOPED_TRACE(std::string(fileOpName(op)) + " call " + std::to_string(n) + " variant " +
                             std::to_string(variant));
                const std::optional<std::string> backupBefore =
                    hadBackup ? std::optional<std::string>("older") : std::nullopt;
                const std::optional<std::string> backupAfter =
                    makeBackup ? std::optional<std::string>("old") : backupBefore;
                if (run.saved) {
                    EXPECT_EQ(run.file, "new");
                    EXPECT_EQ(run.backup, backupAfter);
                } else {
                    EXPECT_EQ(run.file, "old");
                    EXPECT_EQ(run.backup, backupBefore);
                }
                // Calls whose failure endangers the new file must be reported.
                if (op == FileOp::Write || op == FileOp::Fsync || op == FileOp::Close ||
                    op == FileOp::CreateNew || op == FileOp::Rename || op == FileOp::FsyncFolder) {
                    EXPECT_FALSE(run.saved);
                }
                // Temporary names are cleaned up unless removing them is what failed.
                if (op != FileOp::Unlink) {
                    std::set<std::string> expected{"Mirab050.mrb"};
                    if (run.backup) expected.insert("Mirab050.bak");
                    EXPECT_EQ(run.names, expected);
                }
            }
        }
    }
}

// A joint save of a data file with a backup, a file replaced without one
// and a file made anew, failing the n-th call of op. Each file must then be
// as before the save (and not saved) or as after it (and saved).
struct JointRun {
    std::array<bool, 3> saved{};
    std::optional<std::string> data, backup, prefs, months;
    std::set<std::string> names;
};

JointRun runJointSave(FileOp op, int n, int* counts = nullptr) {
    TempDir dir;
    dir.write("Mirab050.mrb", "old");
    dir.write("Mirab050.bak", "older");
    dir.write("Mirab050.prf", "old prefs");
    FailingFileLayer layer;
    layer.failAt(op, n);
    std::vector<FileSave> saves{{dir.file("Mirab050.mrb"), "new", true},
                                {dir.file("Mirab050.prf"), "new prefs", false},
                                {dir.file("Mirab050.mmm"), "new months", false},
                                {"", "never written", false}};
    saveFilesTogether(saves, layer);
    EXPECT_FALSE(saves[3].saved);
    if (counts) {
        for (std::size_t o = 0; o < kFileOpCount; ++o) counts[o] = layer.calls(static_cast<FileOp>(o));
    }
    JointRun run;
    for (std::size_t i = 0; i < 3; ++i) run.saved[i] = saves[i].saved;
    run.data = dir.read("Mirab050.mrb");
    run.backup = dir.read("Mirab050.bak");
    run.prefs = dir.read("Mirab050.prf");
    run.months = dir.read("Mirab050.mmm");
    run.names = filesIn(dir);
    return run;
}

TEST(FileLayer, EveryFailingCallOfAJointSaveLeavesEachFileAsBeforeOrAsAfter) {
    int counts[kFileOpCount] = {};
    const JointRun clean = runJointSave(FileOp::Write, 0, counts);
    EXPECT_EQ(clean.saved, (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(clean.data, "new");
    EXPECT_EQ(clean.backup, "old");
    EXPECT_EQ(clean.months, "new months");
    // One sync of each file written and one of the folder.
    EXPECT_EQ(counts[static_cast<std::size_t>(FileOp::Fsync)], 3);
    EXPECT_EQ(counts[static_cast<std::size_t>(FileOp::FsyncFolder)], 1);

    for (std::size_t o = 0; o < kFileOpCount; ++o) {
        const auto op = static_cast<FileOp>(o);
        for (int n = 1; n <= counts[o]; ++n) {
            SCOPED_TRACE(std::string(fileOpName(op)) + " call " + std::to_string(n));
            const JointRun run = runJointSave(op, n);
            if (run.saved[0]) {
                EXPECT_EQ(run.data, "new");
                EXPECT_EQ(run.backup, "old");
            } else {
                EXPECT_EQ(run.data, "old");
                EXPECT_EQ(run.backup, "older");
            }
            EXPECT_EQ(run.prefs, run.saved[1] ? "new prefs" : "old prefs");
            EXPECT_EQ(run.months, run.saved[2] ? std::optional<std::string>("new months") : std::nullopt);
            // A failure that endangers a new file leaves at least that one unsaved;
            // a folder that cannot be synced leaves every one unsaved.
            if (op == FileOp::Write || op == FileOp::Fsync || op == FileOp::Close || op == FileOp::CreateNew ||
                op == FileOp::Rename) {
                EXPECT_FALSE(run.saved[0] && run.saved[1] && run.saved[2]);
            }
            if (op == FileOp::FsyncFolder) {
                EXPECT_EQ(run.saved, (std::array<bool, 3>{false, false, false}));
            }
            if (op != FileOp::Unlink) {
                std::set<std::string> expected{"Mirab050.mrb", "Mirab050.bak", "Mirab050.prf"};
                if (run.months) expected.insert("Mirab050.mmm");
                EXPECT_EQ(run.names, expected);
            }
        }
    }
}

TEST(FileLayer, AFullDiskIsAFailureWhereverTheWriteStops) {
    std::string bytes(200000, 'x');
    for (std::size_t limit : {std::size_t{0}, std::size_t{1}, std::size_t{4096}, bytes.size() - 1}) {
        TempDir dir;
        dir.write("Mirab050.mrb", "old");
        dir.write("Mirab050.bak", "older");
        FailingFileLayer full;
        full.failWritesAfter(limit);
        EXPECT_FALSE(saveFileSafely(dir.file("Mirab050.mrb"), bytes, true, full)) << limit;
        EXPECT_EQ(dir.read("Mirab050.mrb"), "old");
        EXPECT_EQ(dir.read("Mirab050.bak"), "older");
        EXPECT_EQ(filesIn(dir).size(), 2u);
    }
    // Interrupted and partial writes are carried on, not failures.
    TempDir dir;
    FailingFileLayer interrupted;
    interrupted.failAt(FileOp::Write, 1, EINTR);
    ASSERT_TRUE(saveFileSafely(dir.file("a.mrb"), bytes, true, interrupted));
    EXPECT_EQ(dir.read("a.mrb"), bytes);
}

TEST(FileLayer, WithoutHardLinksTheBackupIsACopy) {
    TempDir dir;
    dir.write("Mirab050.mrb", "old");
    dir.write("Mirab050.bak", "older");
    // The first link (the kept ".bak") is refused as on a file system
    // without hard links; the save goes on through a copy.
    FailingFileLayer noLinks;
    noLinks.failAt(FileOp::Link, 1, EPERM);
    EXPECT_TRUE(saveFileSafely(dir.file("Mirab050.mrb"), "new", true, noLinks));
    EXPECT_EQ(dir.read("Mirab050.mrb"), "new");
    EXPECT_EQ(dir.read("Mirab050.bak"), "old");
    EXPECT_EQ(filesIn(dir).size(), 2u);
}

TEST(FileLayer, AFolderThatRefusesWritingLeavesEverythingAsItWas) {
    if (::geteuid() == 0) GTEST_SKIP() << "the superuser writes into any folder";
    TempDir dir;
    dir.write("Mirab050.mrb", "old");
    dir.write("Mirab050.bak", "older");
    ASSERT_EQ(::chmod(dir.path().c_str(), 0500), 0);
    bool saved = saveFileSafely(dir.file("Mirab050.mrb"), "new", true);
    ::chmod(dir.path().c_str(), 0700);
    EXPECT_FALSE(saved);
    EXPECT_EQ(dir.read("Mirab050.mrb"), "old");
    EXPECT_EQ(dir.read("Mirab050.bak"), "older");
}

}  // namespace
}  // namespace kakeibo
