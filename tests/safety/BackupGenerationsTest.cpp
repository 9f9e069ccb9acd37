// The backup generations: their names, the days a long run of closes
// keeps, and a rotation that fails at any step.

#include "safety/BackupGenerations.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>

#include "support/FailingFileLayer.h"
#include "support/FixedToday.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

std::vector<Date> daysIn(const TempDir& dir) {
    std::vector<Date> days;
    for (const Generation& g : listGenerations(dir.path())) days.push_back(g.day);
    return days;
}

std::map<Date, std::string> contentsOf(const TempDir& dir) {
    std::map<Date, std::string> contents;
    for (const Generation& g : listGenerations(dir.path())) contents[g.day] = *readWholeFile(g.path);
    return contents;
}

std::string bookOf(Date day, int close = 0) {
    return "book as of " + dateToIso(day) + " close " + std::to_string(close);
}

TEST(BackupGenerations, NamesCarryTheDayAndNothingElseIsTaken) {
    EXPECT_EQ(generationFileName("/p", dayOf(2026, 12, 8)), "/p/backup/Mirab050-20261208.mrb");
    EXPECT_EQ(generationDayOf("Mirab050-20261208.mrb"), dayOf(2026, 12, 8));
    for (const char* other : {"Mirab050-2026128.mrb", "Mirab050-20261232.mrb", "Mirab050-20261208.bak",
                              "Mirab050-20261208.mrb.new-1-1.tmp", "Other-20261208.mrb", "Mirab050-2026120x.mrb"}) {
        EXPECT_FALSE(generationDayOf(other)) << other;
    }
}

TEST(BackupGenerations, DailyClosesForThreeYearsKeepThirtyDaysAndAMonthEach) {
    // What each close keeps of what the one before kept, as the rotation
    // applies the rule, for three years of daily closes.
    const Date today = dayOf(2026, 12, 8);
    std::vector<Date> present;
    for (Date day = dayOf(2024, 1, 1); day <= today; ++day) {
        present.push_back(day);
        present = generationsToKeep(present, day);
    }
    std::vector<Date> expected;
    // The newest of each month from January 2025 to October 2026...
    for (int year : {2025, 2026}) {
        for (int month = 1; month <= 12; ++month) {
            if (year == 2026 && month > 10) break;
            expected.push_back(dayOf(year, month, getDaysInMonth(year, month)));
        }
    }
    // ...and the last thirty days, which hold November's and December's newest.
    for (Date day = today - 29; day <= today; ++day) expected.push_back(day);
    EXPECT_EQ(present, expected);
}

TEST(BackupGenerations, ClosesOnDiskKeepTheSetOwnerOnly) {
    TempDir dir;
    const Date today = dayOf(2026, 12, 8);
    for (Date day = today - 75; day <= today; ++day) {
        ASSERT_TRUE(keepGeneration(dir.path(), bookOf(day), day, day).written);
    }
    std::vector<Date> expected = {dayOf(2026, 9, 30), dayOf(2026, 10, 31)};
    for (Date day = today - 29; day <= today; ++day) expected.push_back(day);
    EXPECT_EQ(daysIn(dir), expected);
    EXPECT_EQ(contentsOf(dir)[dayOf(2026, 9, 30)], bookOf(dayOf(2026, 9, 30)));

    struct stat info {};
    ASSERT_EQ(::stat(backupFolderOf(dir.path()).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    ASSERT_EQ(::stat(generationFileName(dir.path(), today).c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST(BackupGenerations, TheLastCloseOfADayIsItsCopyAndTheThirtyNewestDaysStay) {
    TempDir dir;
    // A close (two on each of these days) about once a month for four years:
    // the thirtieth newest is older than 24 months, so the thirty are all.
    std::vector<Date> closes;
    for (Date day = dayOf(2023, 1, 1); day <= dayOf(2026, 12, 8); day += 32) closes.push_back(day);
    for (Date day : closes) {
        keepGeneration(dir.path(), bookOf(day, 1), day, day);
        keepGeneration(dir.path(), bookOf(day, 2), day, day);
    }
    EXPECT_EQ(daysIn(dir), std::vector<Date>(closes.end() - 30, closes.end()));
    for (const auto& [day, bytes] : contentsOf(dir)) EXPECT_EQ(bytes, bookOf(day, 2)) << dateToIso(day);

    // Years later the thirty newest days that had a close are still there.
    const Date muchLater = dayOf(2030, 1, 1);
    ASSERT_TRUE(keepGeneration(dir.path(), bookOf(muchLater), muchLater, muchLater).written);
    std::vector<Date> expected(closes.end() - 29, closes.end());
    expected.push_back(muchLater);
    EXPECT_EQ(daysIn(dir), expected);
}

TEST(BackupGenerations, ABookKeptAlreadyIsNotCopiedAgain) {
    TempDir dir;
    const Date monday = dayOf(2026, 12, 7);
    ASSERT_TRUE(keepGeneration(dir.path(), "restored book", monday, monday).written);
    const KeptGeneration again = keepGeneration(dir.path(), "restored book", monday + 1, monday + 1);
    EXPECT_TRUE(again.written);
    EXPECT_EQ(again.path, generationFileName(dir.path(), monday));
    EXPECT_EQ(daysIn(dir), std::vector<Date>{monday});
}

TEST(BackupGenerations, ARotationFailingAtAnyStepLeavesTheEarlierGenerations) {
    const Date today = dayOf(2026, 12, 8);
    // Thirty earlier closes, so today's copy pushes the oldest out.
    TempDir prepared;
    for (int i = 30; i >= 1; --i) keepGeneration(prepared.path(), bookOf(today - i), today - i, today - i);
    auto copyPrepared = [&](const TempDir& dir) {
        std::filesystem::copy(prepared.path(), dir.path(), std::filesystem::copy_options::recursive);
    };
    FailingFileLayer counter;
    {
        TempDir dir;
        copyPrepared(dir);
        ASSERT_TRUE(keepGeneration(dir.path(), bookOf(today), today, today, counter).written);
        ASSERT_FALSE(contentsOf(dir).count(today - 30));
    }
    for (std::size_t op = 0; op < kFileOpCount; ++op) {
        const FileOp which = static_cast<FileOp>(op);
        for (int n = 1; n <= counter.calls(which); ++n) {
            SCOPED_TRACE(std::string(fileOpName(which)) + " #" + std::to_string(n));
            TempDir dir;
            copyPrepared(dir);
            const std::map<Date, std::string> before = contentsOf(dir);
            FailingFileLayer failing;
            failing.failAt(which, n, ENOSPC);
            const KeptGeneration kept = keepGeneration(dir.path(), bookOf(today), today, today, failing);
            std::map<Date, std::string> after = contentsOf(dir);
            if (kept.written) {
                EXPECT_EQ(after[today], bookOf(today));
                after.erase(today);
                // The oldest goes only once the new copy is there, and may
                // stay when its removal fails.
                if (!after.count(today - 30)) after[today - 30] = before.at(today - 30);
            }
            EXPECT_EQ(after, before);
        }
    }
}

TEST(BackupGenerations, AFolderThatCannotBeMadeIsAFailureNotALoss) {
    TempDir dir;
    dir.write("backup", "a file where the folder should be");
    const KeptGeneration kept = keepGeneration(dir.path(), "book", dayOf(2026, 12, 8), dayOf(2026, 12, 8));
    EXPECT_FALSE(kept.written);
    EXPECT_EQ(kept.path, dir.file("backup/Mirab050-20261208.mrb"));
    EXPECT_EQ(dir.read("backup"), "a file where the folder should be");
}

}  // namespace
}  // namespace kakeibo
