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
    const std::vector<TIndex>& cards = book.cards.items();
    // A different count means the list changed under the steps: start over.
    if (cards_.empty() || bookCards_ != cards.size()) {
        cards_.clear();
        cards_.reserve(cards.size());
        bookCards_ = cards.size();
    }
    const std::size_t end = std::min(cards.size(), cards_.size() + cardsPerStep_);
    cards_.insert(cards_.end(), cards.begin() + static_cast<std::ptrdiff_t>(cards_.size()),
                  cards.begin() + static_cast<std::ptrdiff_t>(end));
    return cards_.size() == cards.size();
}

RecoverySnapshot RecoverySnapshotBuilder::finish(const Book& book) {
    while (!step(book)) {
    }
    RecoverySnapshot snapshot;
    snapshot.data = dataImageWithoutCards(book);
    snapshot.data.cards = std::move(cards_);
    cards_.clear();
    bookCards_ = 0;
    if (!book.cards.empty()) {
        storeCard(snapshot.data.cards[static_cast<std::size_t>(book.cards.curIndex())], book.GridShishutu,
                  book.GridShuNyu, book.GridKoza, book.GridYosan, book.GridMatome, book.Memo1);
    }
    snapshot.prefs = prefImageFromBook(book);
    snapshot.months = book.months.items();
    if (!book.months.empty()) {
        storeMonthRecord(snapshot.months[static_cast<std::size_t>(book.months.curIndex())], book.GridMonthShishutu,
                         book.GridMonthShuNyu, book.GridMonthMatome, book.GridMonthSum);
    }
    snapshot.base = book.safety.dataFile;
    return snapshot;
}

RecoverySnapshot takeRecoverySnapshot(const Book& book) {
    RecoverySnapshotBuilder builder(book.cards.items().size() + 1);
    builder.start();
    return builder.finish(book);
}

RecoveryParts makeRecoveryParts(const RecoverySnapshot& snapshot, std::time_t madeAt) {
    RecoveryParts parts;
    parts.data = encodeDataFile(snapshot.data);
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
