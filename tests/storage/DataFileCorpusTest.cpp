// Writes the fuzzer's seed files when KAKEIBO_WRITE_DATA_CORPUS names a
// folder (fuzz/corpus/fuzz_data); otherwise checks that the seeds read as
// intended.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <limits>

#include "storage/DataFile.h"

namespace kakeibo {
namespace {

struct Seed {
    std::string name;
    std::string bytes;
    ReadOutcome expected;
};

std::vector<Seed> seeds() {
    std::vector<Seed> all;
    DataImage minimal;
    minimal.startDate = 45000;
    minimal.cards.resize(1);
    minimal.cards[0].date = 45001;
    all.push_back({"minimal-59-bytes", encodeDataFile(minimal), ReadOutcome::Ok});

    DataImage empty;
    all.push_back({"no-cards", encodeDataFile(empty), ReadOutcome::Ok});

    DataImage full;
    full.startDate = 45000;
    full.credit = {{"2024/01/05", "ＡＢＣカード", "①電気代", "3500", "", "", "", "", "～＼￢"}, {}};
    full.note = "年間の目標\r\n髙島屋\r\n";
    for (int d = 0; d < 3; ++d) {
        TIndex card;
        card.date = 45001 + d * 2;
        card.spendList = {{"お米", "食費", 2480}, {"", "", 0}, {"電車", "交通費", 320.25}};
        card.incomeList = {{"給料", "給与", 250000}};
        card.accountList = {{"ATM", "銀行 ＿ 引出", 30000}};
        card.budgetList = {{"食費", 2480, 27520}, {"交通費", 320.25, -20.25}};
        card.summaryList = {{"現金残高", 12345}, {"貯金", 1e9}};
        card.memo = "メモ\r\n";
        full.cards.push_back(card);
    }
    const std::string fullBytes = encodeDataFile(full);
    all.push_back({"japanese-book", fullBytes, ReadOutcome::Ok});
    all.push_back({"cut-in-third-card", fullBytes.substr(0, fullBytes.size() - 40), ReadOutcome::Broken});

    DataImage unordered = full;
    std::swap(unordered.cards[0], unordered.cards[2]);
    unordered.cards.push_back(unordered.cards[1]);
    unordered.cards.back().memo = "同じ日\r\n";
    all.push_back({"unordered-and-same-day", encodeDataFile(unordered), ReadOutcome::Ok});

    // An amount that is not a number is kept as its bits; it equals nothing,
    // so the fuzzer compares what it reads as bytes.
    DataImage notANumber = minimal;
    notANumber.cards[0].spendList = {{"品", "食費", std::numeric_limits<double>::quiet_NaN()}};
    all.push_back({"nan-amount", encodeDataFile(notANumber), ReadOutcome::Ok});

    std::string newer = encodeDataFile(minimal);
    newer[0] = 60;
    all.push_back({"version-60", newer, ReadOutcome::VersionTooNew});
    return all;
}

TEST(DataFileCorpus, SeedsReadAsIntendedAndAreWrittenOnRequest) {
    const char* folder = std::getenv("KAKEIBO_WRITE_DATA_CORPUS");
    for (const Seed& seed : seeds()) {
        DataImage read;
        EXPECT_EQ(decodeDataFile(seed.bytes, read), seed.expected) << seed.name;
        EXPECT_LT(seed.bytes.size(), 4096u) << seed.name;
        if (folder) {
            std::ofstream out(std::string(folder) + "/" + seed.name + ".mrb", std::ios::binary);
            out << seed.bytes;
            EXPECT_TRUE(out.good()) << seed.name;
        }
    }
}

}  // namespace
}  // namespace kakeibo
