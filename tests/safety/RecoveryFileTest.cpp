// The recovery copy's file: what goes in comes out, its first part is a
// data file the open command reads, and damage anywhere is refused.

#include "safety/RecoveryFile.h"

#include <gtest/gtest.h>

#include "storage/DataFile.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

RecoveryParts sampleParts() {
    DataImage data;
    data.startDate = 46000;
    data.note = "覚え書き";
    TIndex card;
    card.date = 46364;
    card.spendList.push_back({"昼食", "食費", 800});
    card.memo = "メモ\r\n";
    data.cards.push_back(card);
    RecoveryParts parts;
    parts.data = encodeDataFile(data);
    parts.prefs = std::string("\x32\0\0\0prefs", 9);
    parts.months = std::string("\0\0\0\0", 4);
    parts.madeAt = 1'765'000'000;
    parts.base = FileIdentity{true, 1234, 1'764'000'000'123'456'789, 0xfedcba9876543210ULL};
    return parts;
}

TEST(RecoveryFile, PartsComeBackAsTheyWent) {
    const RecoveryParts parts = sampleParts();
    const auto back = decodeRecoveryFile(encodeRecoveryFile(parts));
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->sameBook(parts));
    EXPECT_EQ(back->madeAt, parts.madeAt);
    EXPECT_EQ(back->base.mtimeNs, parts.base.mtimeNs);

    RecoveryParts firstStart = parts;  // no data file was there
    firstStart.base = FileIdentity{};
    firstStart.prefs.clear();
    const auto fresh = decodeRecoveryFile(encodeRecoveryFile(firstStart));
    ASSERT_TRUE(fresh);
    EXPECT_FALSE(fresh->base.exists);
    EXPECT_TRUE(fresh->sameBook(firstStart));
}

TEST(RecoveryFile, TheCopyReadsAsTheDataFileItBeginsWith) {
    const RecoveryParts parts = sampleParts();
    DataImage alone, inCopy;
    ASSERT_EQ(decodeDataFile(parts.data, alone), ReadOutcome::Ok);
    ASSERT_EQ(decodeDataFile(encodeRecoveryFile(parts), inCopy), ReadOutcome::Ok);
    EXPECT_EQ(inCopy, alone);
}

TEST(RecoveryFile, ACutOrChangedByteAnywhereIsRefused) {
    const std::string bytes = encodeRecoveryFile(sampleParts());
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        EXPECT_FALSE(decodeRecoveryFile(std::string_view(bytes).substr(0, cut))) << "cut at " << cut;
    }
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        std::string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x01);
        EXPECT_FALSE(decodeRecoveryFile(damaged)) << "changed at " << at;
    }
    EXPECT_FALSE(decodeRecoveryFile(""));
    EXPECT_FALSE(decodeRecoveryFile(bytes + "x"));
}

TEST(RecoveryFile, APutAsideCopyGetsTheTimeItWasMadeAndAFreeName) {
    TempDir dir;
    const std::string first = keptRecoveryFileName(dir.path(), 1'765'000'000);
    ASSERT_EQ(first.rfind(dir.path() + "Mirab050.recovery-", 0), 0u) << first;
    ASSERT_EQ(first.size(), dir.path().size() + std::string("Mirab050.recovery-YYYYMMDD-HHMMSS.mrb").size());
    dir.write(first.substr(dir.path().size()), "taken");
    const std::string second = keptRecoveryFileName(dir.path(), 1'765'000'000);
    EXPECT_EQ(second, first.substr(0, first.size() - 4) + "-2.mrb");
    EXPECT_EQ(recoveryFileName(dir.path()), dir.file("Mirab050.recovery.mrb"));
}

}  // namespace
}  // namespace kakeibo
