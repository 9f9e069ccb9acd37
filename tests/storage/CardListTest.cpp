#include "storage/CardList.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "storage/CardBlock.h"
#include "storage/DataFile.h"

namespace kakeibo {
namespace {

// "纊" is written as FA 5C, but also read from ED 40 (the same character
// in another row of the code page): a card holding ED 40 is not written
// back as it was read.
constexpr const char* kWrittenForm = "\xFA\x5C";
constexpr const char* kOtherForm = "\xED\x40";

DataImage bookOf(int cards, int oddCard) {
    DataImage image;
    image.startDate = 45000;
    for (int d = 0; d < cards; ++d) {
        TIndex card;
        card.date = 45000 + d;
        card.spendList.push_back({"品" + std::to_string(d), "食費", 100.0 + d});
        card.memo = d == oddCard ? "纊の字" : "メモ";
        image.cards.push_back(card);
    }
    return image;
}

// The book's file with the odd card's character in its other form.
std::string fileWithOtherForm(const DataImage& image) {
    std::string bytes = encodeDataFile(image);
    const std::size_t at = bytes.find(kWrittenForm);
    EXPECT_NE(at, std::string::npos);
    bytes.replace(at, 2, kOtherForm);
    EXPECT_EQ(bytes.find(kWrittenForm), std::string::npos);
    return bytes;
}

std::string writeAsKept(const DataFileRead& read, const CardList& cards) {
    BinaryWriter w(encodeDataFileHead(read.image, static_cast<std::size_t>(cards.size())));
    cards.writeBlocks(w);
    return w.take();
}

// A card whose text would be written back otherwise is kept as read like
// every other (the start scans no texts), but written from its content,
// so the file written is the encoder's, whether the list's own check has
// reached the card yet or not: a long book (checked on a thread of its
// own) and a short one (checked when written), the card first and last.
TEST(CardList, ACardWhoseTextsAreWrittenBackOtherwiseIsWrittenFromItsContent) {
    for (const int count : {3, 600}) {
        for (const int odd : {0, count - 1}) {
            const std::string bytes = fileWithOtherForm(bookOf(count, odd));
            DataImage decoded;
            ASSERT_EQ(decodeDataFile(bytes, decoded), ReadOutcome::Ok);
            const std::string encoder = encodeDataFile(decoded);
            ASSERT_NE(encoder, bytes);

            DataFileRead read = readDataFileBytes(bytes, "", CardReading::KeptAsRead);
            ASSERT_TRUE(read.keptCards) << count;
            EXPECT_FALSE(scanDataFile(bytes)) << "a scan of every text refuses the file";
            CardList cards;
            cards.keepAsRead(read.bytes, *read.keptCards);
            EXPECT_EQ(writeAsKept(read, cards), encoder) << count << " " << odd;
            EXPECT_FALSE(cards.writtenAsRead(odd));
            EXPECT_TRUE(cards.writtenAsRead(odd == 0 ? count - 1 : 0));
            EXPECT_EQ(cards.keptAsReadCount(), count);

            // Stored back unchanged it stays as it was: written from its content.
            TIndex same = cards.read(odd);
            cards.store(odd, std::move(same));
            EXPECT_EQ(writeAsKept(read, cards), encoder);
            // What a snapshot takes of it is its content too.
            const StoredCard stored = cards.stored(odd);
            EXPECT_FALSE(stored.file);
            ASSERT_TRUE(stored.content);
            EXPECT_EQ(stored.content->memo, "纊の字");
        }
    }
}

// The list is still the file it was read from only while every card is
// its card as read, in its place: the bytes are then the file's own.
TEST(CardList, TheFileAsReadIsThereUntilACardIsChangedAddedOrTakenOut) {
    const DataImage image = bookOf(5, -1);
    const std::string bytes = encodeDataFile(image) + "after the cards";
    DataFileRead read = readDataFileBytes(bytes, "", CardReading::KeptAsRead);
    ASSERT_TRUE(read.keptCards);
    const auto fresh = [&] {
        auto cards = std::make_unique<CardList>();
        cards->keepAsRead(read.bytes, *read.keptCards);
        return cards;
    };
    auto cards = fresh();
    const std::optional<CardList::FileAsRead> asRead = cards->fileAsRead();
    ASSERT_TRUE(asRead);
    EXPECT_EQ(asRead->whole, encodeDataFile(image));
    EXPECT_EQ(asRead->beforeCards, encodeDataFileHead(read.image, 5));

    TIndex same = cards->read(2);
    cards->store(2, same);
    EXPECT_TRUE(cards->fileAsRead());
    same.memo += "x";
    cards->store(2, same);
    EXPECT_FALSE(cards->fileAsRead());

    cards = fresh();
    cards->insert(46000);
    EXPECT_FALSE(cards->fileAsRead());
    cards = fresh();
    cards->setCurIndex(4);
    cards->deleteCurrent();
    EXPECT_FALSE(cards->fileAsRead()) << "the last card taken out";
    cards = fresh();
    cards->setCurIndex(0);
    cards->deleteCurrent();
    EXPECT_FALSE(cards->fileAsRead());

    const std::string odd = fileWithOtherForm(bookOf(5, 3));
    DataFileRead oddRead = readDataFileBytes(odd, "", CardReading::KeptAsRead);
    CardList oddCards;
    oddCards.keepAsRead(oddRead.bytes, *oddRead.keptCards);
    EXPECT_FALSE(oddCards.fileAsRead());
}

// A list replaced or dropped while its check is still under way stops the
// check; the file's bytes stay alive for as long as the check reads them.
TEST(CardList, AListReplacedWhileItsCheckRunsLetsTheCheckGo) {
    const std::string bytes = encodeDataFile(bookOf(3000, -1));
    for (int round = 0; round < 20; ++round) {
        DataFileRead read = readDataFileBytes(bytes, "", CardReading::KeptAsRead);
        ASSERT_TRUE(read.keptCards);
        auto cards = std::make_unique<CardList>();
        cards->keepAsRead(std::move(read.bytes), *read.keptCards);
        if (round % 2) {
            cards->init(45000);
        } else {
            CardList moved = std::move(*cards);
            EXPECT_TRUE(moved.writtenAsRead(2999));
        }
        cards.reset();
    }
}

}  // namespace
}  // namespace kakeibo
