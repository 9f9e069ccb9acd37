#include "storage/ThreadStart.h"

#include <gtest/gtest.h>

#include "storage/CardList.h"
#include "storage/DataFile.h"
#include "support/SampleBooks.h"
#include "support/WithoutThreads.h"

namespace kakeibo {
namespace {

// Where no thread can be started, the work meant for one is done on the
// thread that asked: the result is there and the program goes on. The
// card list decodes a long stretch on two threads and checks the texts of
// a long book on a thread of its own.
TEST(ThreadStart, WorkMeantForAThreadIsDoneHereWhenNoneCanStart) {
    if (!threadsCanBeWithheld()) GTEST_SKIP() << "threads cannot be withheld in this build";
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(runWithoutThreads([] { return runBeside([] { return 42; }).get() == 42; }),
                ::testing::ExitedWithCode(0), "");

    DataFileRead read = readDataFileBytes(encodeDataFile(bookOfDays(45000, 300)), "", CardReading::KeptAsRead);
    ASSERT_TRUE(read.keptCards);
    EXPECT_EXIT(runWithoutThreads([&] {
                    CardList cards;
                    cards.keepAsRead(read.bytes, *read.keptCards);
                    cards.decode(0, cards.size());
                    return cards.decodedCount() == 300 && cards.read(299).spendList.size() == 8 &&
                           cards.writtenAsRead(0) && cards.writtenAsRead(299);
                }),
                ::testing::ExitedWithCode(0), "");
}

}  // namespace
}  // namespace kakeibo
