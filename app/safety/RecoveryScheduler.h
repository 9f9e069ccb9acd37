#pragma once
// When the window writes the recovery copy: a few seconds after the person
// stops changing the book (never on every key), and at the latest some
// seconds after the first change not yet in a copy, so that steady typing
// is covered too. The book's snapshot is taken a few hundred cards at a
// time between the window's events, and the copy is made and written on
// the recovery writer's thread: nothing of it is felt while typing.

#include <QObject>
#include <QTimer>

#include <cstdint>

#include "book/RecoverySnapshot.h"

namespace kakeibo {
class Book;
}  // namespace kakeibo

namespace kakeibo::shell {

class RecoveryScheduler : public QObject {
    Q_OBJECT
public:
    // The quiet time after the last change, and the longest wait after the
    // first change that no copy holds yet.
    static constexpr int kQuietMs = 2000;
    static constexpr int kLongestMs = 10000;

    // Starts paused: nothing is written before resume().
    explicit RecoveryScheduler(Book& book, QObject* parent = nullptr);
    ~RecoveryScheduler() override;

    // A change the person made (a cell committed, a memo or an option).
    void bookChanged();
    // A command ran: it may have changed any card, so a snapshot being
    // taken starts over.
    void commandRan();

    // No snapshot is taken or copy written after this returns (the close).
    void pause();
    void resume();

    void setDelays(int quietMs, int longestMs);
    // Whether a change waits for its copy, or a snapshot is being taken.
    bool busy() const;

signals:
    // After each copy the writer made: whether it is on disk.
    void copyWritten(bool written);

private:
    void startSnapshot();
    void takeSnapshotStep();
    void onCopyWritten(bool written);

    Book& book_;
    QTimer quiet_;
    QTimer longest_;
    RecoverySnapshotBuilder builder_;
    bool paused_ = true;
    bool snapshotting_ = false;
    std::uint64_t commands_ = 0;
    std::uint64_t commandsAtSnapshotStart_ = 0;
    bool failureShown_ = false;
};

}  // namespace kakeibo::shell
