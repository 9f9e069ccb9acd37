// kakeibo-cli and the book's safety net: another writer between the
// start-up and the close, a recovery copy waiting, a full disk, the
// backup commands.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <thread>

#include "CliRun.h"
#include "safety/BackupGenerations.h"
#include "safety/RecoveryFile.h"
#include "storage/DataFile.h"
#include "storage/FileLayer.h"
#include "storage/MonthFile.h"
#include "support/SampleBooks.h"
#include "support/SmallFileSystem.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

using ToolRun = test::CliRun;
using test::slurp;

// The tool on folder, its output kept in logs (outside folder, which may be full).
ToolRun cli(const std::string& folder, const std::string& args) {
    static TempDir logs;
    const std::string out = logs.file("out"), err = logs.file("err");
    const std::string command = std::string(KAKEIBO_CLI_PATH) + " --dir '" + folder + "' --today 2026-12-08 " + args +
                                " >'" + out + "' 2>'" + err + "'";
    ToolRun run;
    const int raw = std::system(command.c_str());
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = slurp(out);
    run.err = slurp(err);
    return run;
}

std::string bookSaying(const std::string& note) {
    DataImage image;
    image.note = note;
    TIndex card;
    card.date = *makeDate(2026, 12, 1);
    card.spendList.push_back({note, "食費", 100});
    image.cards.push_back(card);
    return encodeDataFile(image);
}

TEST(SafetyCli, AnotherWriterBetweenStartAndCloseIsNeverOverwritten) {
    TempDir dir;
    dir.write("Mirab050.mrb", bookSaying("ours"));
    // The month file is a pipe: the tool, having read the data file, waits
    // in its start-up until this test has written the month file's bytes,
    // so the other writer comes exactly between the start-up and the close.
    ASSERT_EQ(::mkfifo(dir.file("Mirab050.mmm").c_str(), 0600), 0);
    ToolRun run;
    std::thread tool([&] { run = cli(dir.path(), "show 2026-12-01"); });
    int pipe = -1;
    for (int i = 0; i < 1000 && pipe < 0; ++i) {
        pipe = ::open(dir.file("Mirab050.mmm").c_str(), O_WRONLY | O_NONBLOCK);
        if (pipe < 0) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_GE(pipe, 0) << "the tool never read its month file";
    const std::string theirs = bookSaying("theirs");
    dir.write("Mirab050.mrb", theirs);
    const std::string noMonths = encodeMonthFile({});
    ASSERT_EQ(::write(pipe, noMonths.data(), noMonths.size()), static_cast<ssize_t>(noMonths.size()));
    ::close(pipe);
    tool.join();

    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(dir.read("Mirab050.mrb"), theirs);
    const auto copies = dir.namesStartingWith("Mirab050.conflict-");
    ASSERT_EQ(copies.size(), 1u);
    DataImage ours;
    ASSERT_EQ(decodeDataFile(*dir.read(copies[0]), ours), ReadOutcome::Ok);
    EXPECT_EQ(ours.note, "ours");
    EXPECT_EQ(ours.cards.size(), 2u);  // and today's card, which the start-up made
    EXPECT_NE(run.err.find("warning: データファイル " + dir.file("Mirab050.mrb")), std::string::npos) << run.err;
    EXPECT_NE(run.err.find(copies[0]), std::string::npos);
}

TEST(SafetyCli, AWaitingRecoveryCopyIsLeftForThePersonUnlessYesRestoresIt) {
    TempDir dir;
    ASSERT_EQ(cli(dir.path(), "start").status, 0);
    const std::string dataFile = *dir.read("Mirab050.mrb");
    RecoveryParts parts;
    parts.data = bookSaying("typed before the crash");
    parts.prefs = *dir.read("Mirab050.prf");
    parts.months = *dir.read("Mirab050.mmm");
    parts.madeAt = 1'765'000'000;
    parts.base = identityOf(dataFile, dir.file("Mirab050.mrb"));
    dir.write("Mirab050.recovery.mrb", encodeRecoveryFile(parts));

    const ToolRun refused = cli(dir.path(), "show 2026-12-01");
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("--yes"), std::string::npos) << refused.err;
    EXPECT_EQ(dir.read("Mirab050.mrb"), dataFile);
    EXPECT_TRUE(dir.exists("Mirab050.recovery.mrb"));
    EXPECT_EQ(cli(dir.path(), "dump").status, 0);  // reading is fine

    const ToolRun restored = cli(dir.path(), "--yes show 2026-12-01");
    EXPECT_EQ(restored.status, 0) << restored.err;
    EXPECT_NE(restored.out.find("typed before the crash"), std::string::npos) << restored.out;
    EXPECT_FALSE(dir.exists("Mirab050.recovery.mrb"));
    // The file the restore replaced went to the backup folder (and that
    // day's copy is then the restored book, written by the same day's close).
    EXPECT_EQ(listGenerations(dir.path()).size(), 1u);
}

TEST(SafetyCli, AFullDiskFailsWithStatusOneAndLeavesTheDataFile) {
    SmallFileSystem disk("500k");
    if (!disk.mounted()) GTEST_SKIP() << disk.refusal();
    const std::string book = encodeDataFile(bookOfDays(*makeDate(2025, 12, 1), 365));
    ASSERT_GT(book.size(), 250'000u);  // more than the room left after it
    disk.dir().write("Mirab050.mrb", book);
    const ToolRun run = cli(disk.dir().path(), "show 2026-12-08");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("error: ファイル書き込みに失敗しました"), std::string::npos) << run.err;
    EXPECT_EQ(disk.dir().read("Mirab050.mrb"), book);
    EXPECT_TRUE(disk.dir().namesStartingWith("Mirab050.mrb.").empty());  // no half-written file left
}

TEST(SafetyCli, BackupsAreListedAndOneIsRestored) {
    TempDir dir;
    ASSERT_EQ(cli(dir.path(), "start").status, 0);
    keepGeneration(dir.path(), bookSaying("last week"), *makeDate(2026, 12, 1), *makeDate(2026, 12, 1));
    const ToolRun list = cli(dir.path(), "backups");
    ASSERT_EQ(list.status, 0) << list.err;
    const auto json = nlohmann::json::parse(list.out);
    ASSERT_EQ(json.size(), 1u);
    EXPECT_EQ(json[0]["date"], "2026-12-01");
    EXPECT_EQ(json[0]["cards"], 1);
    EXPECT_EQ(json[0]["lastCard"], "2026-12-01");

    EXPECT_EQ(cli(dir.path(), "restore-backup 2026-11-30").status, 1);
    const ToolRun declined = cli(dir.path(), "restore-backup 2026-12-01");
    EXPECT_EQ(declined.out, "{\"restored\":false}\n");
    const std::optional<std::string> beforeRestore = dir.read("Mirab050.mrb");
    const ToolRun restored = cli(dir.path(), "--yes restore-backup 2026-12-01");
    EXPECT_EQ(restored.out, "{\"restored\":true}\n") << restored.err;
    EXPECT_NE(cli(dir.path(), "show 2026-12-01").out.find("last week"), std::string::npos);
    // And the book before it is kept, whichever day its file was last written on.
    const std::vector<Generation> kept = listGenerations(dir.path());
    EXPECT_TRUE(std::any_of(kept.begin(), kept.end(),
                            [&](const Generation& g) { return readWholeFile(g.path) == beforeRestore; }));
}

TEST(SafetyCli, AFolderThatIsNotThereIsAUsageError) {
    TempDir dir;
    const ToolRun run = cli(dir.file("typo"), "start");
    EXPECT_EQ(run.status, 2);
    EXPECT_FALSE(dir.exists("typo"));
}

}  // namespace
}  // namespace kakeibo
