// A save killed at any moment leaves a data file (or failing that its
// ".bak") that reads completely and holds the book either as it was before
// that save or as it is after it.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <optional>
#include <random>
#include <thread>

#include "storage/DataFile.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

// A book of a few years, big enough that a save takes a while.
DataImage largeBook(int days) {
    static const char* const items[] = {"スーパー", "コンビニ弁当", "電車賃", "①回目", "～特売～", "＼"};
    static const char* const categories[] = {"食費", "交通費", "日用品", "雑費"};
    DataImage image;
    image.startDate = 40000;
    image.credit.push_back({"2024/01/05", "ＡＢＣカード", "服", "12000", "", "", "", "", "￢"});
    std::minstd_rand random(7);
    for (int d = 0; d < days; ++d) {
        TIndex card;
        card.date = 40000 + d;
        for (int i = 0; i < 10; ++i) {
            double amount = static_cast<double>(random() % 5000);
            card.spendList.push_back({items[random() % 6], categories[random() % 4], amount});
        }
        card.incomeList.push_back({"給料", "給与", 250000});
        for (int i = 0; i < 40; ++i) {
            card.budgetList.push_back({categories[i % 4], i * 1.5, static_cast<double>(random() % 9)});
        }
        for (int i = 0; i < 19; ++i) {
            card.summaryList.push_back({"現金残高", static_cast<double>(random() % 100000)});
        }
        card.memo = "今日の記録\r\n";
        image.cards.push_back(std::move(card));
    }
    return image;
}

std::string noteOf(long k) { return "save " + std::to_string(k); }

// Which save a file holds: its number, when the file reads completely and
// is the book of that save; nothing otherwise.
std::optional<long> saveHeldBy(const TempDir& dir, const std::string& name, const DataImage& book) {
    std::optional<std::string> bytes = dir.read(name);
    if (!bytes) return std::nullopt;
    DataImage read;
    if (decodeDataFile(*bytes, read) != ReadOutcome::Ok) return std::nullopt;
    if (read.note.rfind("save ", 0) != 0) return std::nullopt;
    long k = std::stol(read.note.substr(5));
    read.note = book.note;
    read.version = book.version;
    if (!(read == book)) return std::nullopt;
    return k;
}

TEST(CrashSafety, ASaveKilledAtAnyMomentLeavesTheBookBeforeOrAfterIt) {
    TempDir dir;
    const std::string path = dir.file("Mirab050.mrb");
    DataImage book = largeBook(600);
    ScriptedUi ui;

    book.note = noteOf(0);
    auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(saveData(path, book, ui));
    const auto saveTime = std::chrono::steady_clock::now() - started;
    const auto window = std::chrono::duration_cast<std::chrono::microseconds>(saveTime * 2);

    std::mt19937 random(12345);
    long onDisk = 0;  // the save the data file is known to hold
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    int rounds = 0;
    int advanced = 0;
    for (; rounds < 40 && std::chrono::steady_clock::now() < deadline; ++rounds) {
        pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            // Save after save until killed, each with its own number.
            ScriptedUi childUi;
            for (long k = onDisk + 1;; ++k) {
                book.note = noteOf(k);
                if (!saveData(path, book, childUi)) ::_exit(3);
            }
        }
        auto delay = std::uniform_int_distribution<long>(0, window.count())(random);
        std::this_thread::sleep_for(std::chrono::microseconds(delay));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child ended by itself: " << status;

        SCOPED_TRACE("round " + std::to_string(rounds));
        std::optional<long> file = saveHeldBy(dir, "Mirab050.mrb", book);
        std::optional<long> backup = saveHeldBy(dir, "Mirab050.bak", book);
        // The file holds the save before the interrupted one or a later
        // complete one; never an older one, never a part of one.
        ASSERT_TRUE(file || backup) << "neither the file nor the backup reads completely";
        ASSERT_TRUE(file) << "the data file itself must survive: it is replaced in one rename";
        EXPECT_GE(*file, onDisk);
        if (backup) {
            // The ".bak" holds the save before the file's, or, caught between the
            // two renames of a save, the file's own.
            EXPECT_TRUE(*backup == *file - 1 || *backup == *file) << *backup << " vs " << *file;
        }
        if (*file > onDisk) ++advanced;
        onDisk = *file;
    }
    EXPECT_GE(rounds, 5);  // a kill waits for a running fsync, so a busy disk makes rounds slow
    RecordProperty("rounds", rounds);
    RecordProperty("save_ms", static_cast<int>(window.count() / 2000));
    RecordProperty("rounds_with_completed_saves", advanced);
    book.note = noteOf(onDisk);
    DataImage last;
    EXPECT_EQ(loadData(path, last, ui), ReadOutcome::Ok);
    EXPECT_EQ(last.note, noteOf(onDisk));
}

}  // namespace
}  // namespace kakeibo
