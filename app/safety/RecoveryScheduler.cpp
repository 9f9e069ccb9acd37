#include "app/safety/RecoveryScheduler.h"

#include "book/Book.h"
#include "messages/SafetyMessages.h"

namespace kakeibo::shell {

RecoveryScheduler::RecoveryScheduler(Book& book, QObject* parent) : QObject(parent), book_(book) {
    for (QTimer* timer : {&quiet_, &longest_}) {
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, this, &RecoveryScheduler::startSnapshot);
    }
    quiet_.setInterval(kQuietMs);
    longest_.setInterval(kLongestMs);
    // The writer's thread tells; the answer is handled on this one.
    book_.safety.recovery.setListener([this](bool written) {
        QMetaObject::invokeMethod(this, [this, written] { onCopyWritten(written); }, Qt::QueuedConnection);
    });
}

RecoveryScheduler::~RecoveryScheduler() {
    // No listener may run into this object once it is gone.
    book_.safety.recovery.setListener(nullptr);
    book_.safety.recovery.waitUntilIdle();
}

void RecoveryScheduler::setDelays(int quietMs, int longestMs) {
    quiet_.setInterval(quietMs);
    longest_.setInterval(longestMs);
}

void RecoveryScheduler::bookChanged() {
    if (paused_) return;
    quiet_.start();
    if (!longest_.isActive()) longest_.start();
}

void RecoveryScheduler::commandRan() {
    ++commands_;
    bookChanged();
}

void RecoveryScheduler::pause() {
    paused_ = true;
    snapshotting_ = false;
    quiet_.stop();
    longest_.stop();
    book_.safety.recovery.waitUntilIdle();
}

void RecoveryScheduler::resume() { paused_ = false; }

bool RecoveryScheduler::busy() const { return snapshotting_ || quiet_.isActive() || longest_.isActive(); }

void RecoveryScheduler::startSnapshot() {
    quiet_.stop();
    longest_.stop();
    if (paused_ || book_.cards.empty()) return;
    builder_.start();
    commandsAtSnapshotStart_ = commands_;
    if (!snapshotting_) {
        snapshotting_ = true;
        QTimer::singleShot(0, this, &RecoveryScheduler::takeSnapshotStep);
    }
}

void RecoveryScheduler::takeSnapshotStep() {
    if (!snapshotting_ || paused_) return;
    if (commands_ != commandsAtSnapshotStart_) {
        builder_.start();
        commandsAtSnapshotStart_ = commands_;
    }
    if (!builder_.step(book_)) {
        QTimer::singleShot(0, this, &RecoveryScheduler::takeSnapshotStep);
        return;
    }
    snapshotting_ = false;
    book_.safety.recovery.submit(recoveryJob(builder_.finish(book_)));
}

void RecoveryScheduler::onCopyWritten(bool written) {
    emit copyWritten(written);
    if (paused_) return;
    if (written) {
        failureShown_ = false;
        return;
    }
    // Said once, not at every later try while the disk stays full.
    if (failureShown_) return;
    failureShown_ = true;
    msgRecoveryWriteFailed(book_.ui());
}

}  // namespace kakeibo::shell
