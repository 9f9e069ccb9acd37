// The recovery writer: the newest book wins, the close's removal is never
// undone by a copy in flight, failures say so, and a writer killed at any
// moment leaves the old copy or the new one, whole.

#include "safety/RecoveryWriter.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <future>
#include <random>
#include <thread>

#include "storage/DataFile.h"
#include "support/FailingFileLayer.h"
#include "support/TempDir.h"
#include "support/WithoutThreads.h"

namespace kakeibo {
namespace {

RecoveryParts partsSaying(const std::string& text) {
    RecoveryParts parts;
    parts.data = text;
    parts.prefs = "prefs";
    parts.months = "months";
    return parts;
}

RecoveryWriter::Job jobSaying(const std::string& text) {
    return [text] { return partsSaying(text); };
}

std::optional<std::string> copyHolds(const TempDir& dir) {
    const auto bytes = dir.read("Mirab050.recovery.mrb");
    if (!bytes) return std::nullopt;
    const auto parts = decodeRecoveryFile(*bytes);
    if (!parts) return "(broken)";
    return parts->data;
}

// A writer that cannot start its thread writes the copy at once, on the
// thread that handed it the book, and tells so as it would have.
TEST(RecoveryWriter, WithoutAThreadOfItsOwnTheCopyIsWrittenAtOnce) {
    if (!threadsCanBeWithheld()) GTEST_SKIP() << "threads cannot be withheld in this build";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runWithoutThreads([] {
                    const TempDir dir;
                    RecoveryWriter writer;
                    writer.setPath(dir.file("Mirab050.recovery.mrb"));
                    int told = 0;
                    writer.setListener([&](bool written) { told += written ? 1 : 100; });
                    writer.submit(jobSaying("a book"));
                    return told == 1 && writer.latestOnDisk() && copyHolds(dir) == "a book";
                }),
                ::testing::ExitedWithCode(0), "");
}

// A job that the writer's thread runs until the test lets it go on.
class HeldJob {
public:
    // Submits it and returns once the writer runs it.
    HeldJob(RecoveryWriter& writer, const std::string& text) {
        writer.submit([this, text] {
            started_ = true;
            released_.wait();
            return partsSaying(text);
        });
        while (!started_) std::this_thread::yield();
    }
    void release() { release_.set_value(); }

private:
    std::promise<void> release_;
    std::shared_future<void> released_ = release_.get_future().share();
    std::atomic<bool> started_{false};
};

TEST(RecoveryWriter, TheNewestBookWinsOverOnesStillWaiting) {
    TempDir dir;
    RecoveryWriter writer;
    writer.setPath(dir.file("Mirab050.recovery.mrb"));
    HeldJob first(writer, "first");
    writer.submit(jobSaying("second"));
    writer.submit(jobSaying("third"));
    first.release();
    writer.waitUntilIdle();
    EXPECT_EQ(copyHolds(dir), "third");
    EXPECT_EQ(writer.writes(), 2u);  // the second never ran
    EXPECT_TRUE(writer.latestOnDisk());

    // The same book again is not written again.
    writer.submit(jobSaying("third"));
    writer.waitUntilIdle();
    EXPECT_EQ(writer.writes(), 2u);
}

TEST(RecoveryWriter, RemovingWaitsForTheCopyInFlightSoItNeverComesBack) {
    TempDir dir;
    RecoveryWriter writer;
    writer.setPath(dir.file("Mirab050.recovery.mrb"));
    HeldJob inFlight(writer, "in flight");
    writer.submit(jobSaying("waiting"));
    auto removed = std::async(std::launch::async, [&] { return writer.remove(); });
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    inFlight.release();
    EXPECT_TRUE(removed.get());
    writer.waitUntilIdle();
    EXPECT_FALSE(dir.exists("Mirab050.recovery.mrb"));
    EXPECT_FALSE(writer.latestOnDisk());
}

TEST(RecoveryWriter, AFailedWriteKeepsTheOlderCopyAndSaysSo) {
    TempDir dir;
    FailingFileLayer failing;
    RecoveryWriter writer;
    writer.setPath(dir.file("Mirab050.recovery.mrb"), failing);
    std::vector<bool> told;
    std::mutex toldMutex;
    writer.setListener([&](bool written) {
        std::lock_guard lock(toldMutex);
        told.push_back(written);
    });
    writer.submit(jobSaying("older"));
    writer.waitUntilIdle();
    failing.failWritesAfter(0);  // the disk is full from here on
    writer.submit(jobSaying("newer"));
    writer.waitUntilIdle();
    EXPECT_FALSE(writer.latestOnDisk());
    EXPECT_FALSE(writer.writeNow(jobSaying("newest")));
    EXPECT_EQ(copyHolds(dir), "older");
    {
        std::lock_guard lock(toldMutex);
        EXPECT_EQ(told, (std::vector<bool>{true, false}));
    }
    failing.failWritesAfter(std::numeric_limits<std::size_t>::max());
    EXPECT_TRUE(writer.writeNow(jobSaying("newest")));
    EXPECT_EQ(copyHolds(dir), "newest");
}

TEST(RecoveryWriter, ADisabledWriterLeavesTheCopyThereAlone) {
    TempDir dir;
    dir.write("Mirab050.recovery.mrb", "an earlier program's copy");
    RecoveryWriter writer;
    writer.setPath(dir.file("Mirab050.recovery.mrb"));
    writer.disable();
    writer.submit(jobSaying("mine"));
    EXPECT_FALSE(writer.writeNow(jobSaying("mine")));
    EXPECT_FALSE(writer.remove());
    writer.waitUntilIdle();
    EXPECT_EQ(dir.read("Mirab050.recovery.mrb"), "an earlier program's copy");
}

// A book of a couple of years, so that one copy takes a while to write.
std::string bookSaying(long k) {
    DataImage image;
    image.startDate = 45000;
    image.note = "copy " + std::to_string(k);
    for (int d = 0; d < 700; ++d) {
        TIndex card;
        card.date = 45000 + d;
        for (int i = 0; i < 12; ++i) card.spendList.push_back({"買い物", "食費", 100.0 * i});
        for (int i = 0; i < 30; ++i) card.budgetList.push_back({"食費", 1.0 * i, 2.0 * i});
        card.memo = "メモ\r\n";
        image.cards.push_back(std::move(card));
    }
    return encodeDataFile(image);
}

std::optional<long> copyNumber(const TempDir& dir) {
    const auto bytes = dir.read("Mirab050.recovery.mrb");
    if (!bytes) return std::nullopt;
    const auto parts = decodeRecoveryFile(*bytes);
    if (!parts) return -1;
    DataImage image;
    if (decodeDataFile(parts->data, image) != ReadOutcome::Ok) return -1;
    return std::stol(image.note.substr(5));
}

TEST(RecoveryWriter, AWriterKilledAtAnyMomentLeavesTheOldOrTheNewCopyWhole) {
    TempDir dir;
    const std::string dataFile = bookSaying(0);
    dir.write("Mirab050.mrb", dataFile);
    RecoveryWriter first;
    first.setPath(dir.file("Mirab050.recovery.mrb"));
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(first.writeNow([] { return partsSaying(bookSaying(0)); }));
    const auto window = std::chrono::duration_cast<std::chrono::microseconds>(
        (std::chrono::steady_clock::now() - started) * 3);

    std::mt19937 random(2024);
    long onDisk = 0;
    int rounds = 0;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    for (; rounds < 30 && std::chrono::steady_clock::now() < deadline; ++rounds) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            RecoveryWriter writer;
            writer.setPath(dir.file("Mirab050.recovery.mrb"));
            for (long k = onDisk + 1;; ++k) {
                if (!writer.writeNow([k] { return partsSaying(bookSaying(k)); })) ::_exit(3);
            }
        }
        std::this_thread::sleep_for(
            std::chrono::microseconds(std::uniform_int_distribution<long>(0, window.count())(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writing child ended by itself: " << status;
        SCOPED_TRACE("round " + std::to_string(rounds));
        const std::optional<long> held = copyNumber(dir);
        ASSERT_TRUE(held) << "the recovery copy is gone";
        ASSERT_NE(*held, -1) << "the recovery copy is not whole";
        EXPECT_GE(*held, onDisk);
        onDisk = *held;
        EXPECT_EQ(dir.read("Mirab050.mrb"), dataFile) << "the data file was touched";
    }
    EXPECT_GE(rounds, 5);
}

}  // namespace
}  // namespace kakeibo
