#pragma once
// The book as its close would write it, taken for the recovery copy
// without disturbing the person's work: the day sheets (the working copy
// of the shown card) and the month sheets are stored into copies of their
// records, never into the book itself, and a cell being typed into is left
// alone (what its sheet holds is what was committed).
//
// Taking the snapshot shares every card as it is stored (its bytes as read,
// or its content once changed: nothing is copied, and nothing shared is
// changed afterwards); making the copy's bytes from it (makeRecoveryParts)
// copies the bytes and encodes the changed cards, and runs on the recovery
// writer's thread. The window takes a long book's snapshot a few hundred
// cards at a time between its events, so no step is felt.

#include <ctime>
#include <cstddef>
#include <vector>

#include "book/Book.h"
#include "safety/RecoveryFile.h"
#include "safety/RecoveryWriter.h"
#include "storage/DataFile.h"
#include "storage/PrefFile.h"

namespace kakeibo {

struct RecoverySnapshot {
    DataImage data;  // all but the cards
    std::vector<StoredCard> cards;
    PrefImage prefs;
    std::vector<MonthRecord> months;
    FileIdentity base;  // the data file as the book last read or wrote it
};

// A snapshot in steps: start, step until it says every card is copied,
// then finish. A command run between two steps may change any card: the
// caller starts again after one.
class RecoverySnapshotBuilder {
public:
    static constexpr std::size_t kCardsPerStep = 256;

    explicit RecoverySnapshotBuilder(std::size_t cardsPerStep = kCardsPerStep) : cardsPerStep_(cardsPerStep) {}

    void start();
    // Copies the next cards; true once every card is copied.
    bool step(const Book& book);
    // Everything else, with the day and month sheets stored into copies of
    // the current card and month record. Copies what the steps left.
    RecoverySnapshot finish(const Book& book);

private:
    std::size_t cardsPerStep_;
    std::vector<StoredCard> cards_;
    std::size_t bookCards_ = 0;
};

// The whole snapshot at once.
RecoverySnapshot takeRecoverySnapshot(const Book& book);

// The recovery copy's parts: the data, preferences and month files' bytes
// exactly as the close would write them.
RecoveryParts makeRecoveryParts(const RecoverySnapshot& snapshot, std::time_t madeAt);

// A job for the recovery writer that makes the parts of snapshot, with the
// moment it runs as the copy's time.
RecoveryWriter::Job recoveryJob(RecoverySnapshot snapshot);

// Writes the book's recovery copy now (after any copy being written); true
// when it is on disk.
bool keepRecoveryCopy(Book& book);

}  // namespace kakeibo
