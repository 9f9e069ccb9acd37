#include "book/RecoverySnapshot.h"

#include <algorithm>
#include <memory>

#include "book/DataFileApply.h"
#include "book/PrefApply.h"
#include "model/DayStore.h"
#include "model/PeriodStore.h"
#include "storage/MonthFile.h"

namespace kakeibo {

void RecoverySnapshotBuilder::start() {
    cards_.clear();
    bookCards_ = 0;
}

bool RecoverySnapshotBuilder::step(const Book& book) {
    const auto count = static_cast<std::size_t>(book.cards.size());
    // A different count means the list changed under the steps: start over.
    if (cards_.empty() || bookCards_ != count) {
        cards_.clear();
        cards_.reserve(count);
        bookCards_ = count;
    }
    const std::size_t end = std::min(count, cards_.size() + cardsPerStep_);
    for (std::size_t i = cards_.size(); i < end; ++i) cards_.push_back(book.cards.stored(static_cast<int>(i)));
    return cards_.size() == count;
}

RecoverySnapshot RecoverySnapshotBuilder::finish(const Book& book) {
    while (!step(book)) {
    }
    RecoverySnapshot snapshot;
    snapshot.data = dataImageWithoutCards(book);
    snapshot.cards = std::move(cards_);
    cards_.clear();
    bookCards_ = 0;
    if (!book.cards.empty()) {
        auto shown = std::make_shared<TIndex>();
        shown->date = book.cards.curDate();
        storeCard(*shown, book.GridShishutu, book.GridShuNyu, book.GridKoza, book.GridYosan, book.GridMatome,
                  book.Memo1);
        snapshot.cards[static_cast<std::size_t>(book.cards.curIndex())] = StoredCard{nullptr, {}, std::move(shown)};
    }
    snapshot.prefs = prefImageFromBook(book);
    snapshot.months = book.months.items();
    if (!book.months.empty()) {
        storeMonthRecord(snapshot.months[static_cast<std::size_t>(book.months.curIndex())], book.GridMonthShishutu,
                         book.GridMonthShuNyu, book.GridMonthMatome, book.GridMonthSum);
    }
    snapshot.base = book.safety.dataFile();
    return snapshot;
}

RecoverySnapshot takeRecoverySnapshot(const Book& book) {
    RecoverySnapshotBuilder builder(static_cast<std::size_t>(book.cards.size()) + 1);
    builder.start();
    return builder.finish(book);
}

RecoveryParts makeRecoveryParts(const RecoverySnapshot& snapshot, std::time_t madeAt) {
    RecoveryParts parts;
    std::size_t size = 0;
    for (const StoredCard& card : snapshot.cards) size += card.file ? card.block.size() : 1024;
    BinaryWriter data(encodeDataFileHead(snapshot.data, snapshot.cards.size(), size + 64 * 1024));
    for (const StoredCard& card : snapshot.cards) card.writeTo(data);
    parts.data = data.take();
    parts.prefs = encodePrefFile(snapshot.prefs);
    parts.months = encodeMonthFile(snapshot.months);
    parts.madeAt = madeAt;
    parts.base = snapshot.base;
    return parts;
}

RecoveryWriter::Job recoveryJob(RecoverySnapshot snapshot) {
    // The job is copied around as a std::function; the snapshot, a whole
    // book, is not.
    auto shared = std::make_shared<const RecoverySnapshot>(std::move(snapshot));
    return [shared] { return makeRecoveryParts(*shared, std::time(nullptr)); };
}

bool keepRecoveryCopy(Book& book) { return book.safety.recovery.writeNow(recoveryJob(takeRecoverySnapshot(book))); }

}  // namespace kakeibo
