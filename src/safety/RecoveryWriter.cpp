#include "safety/RecoveryWriter.h"

#include <utility>

#include "storage/ThreadStart.h"

namespace kakeibo {

RecoveryWriter::~RecoveryWriter() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        waiting_.reset();
    }
    changed_.notify_all();
    if (thread_.joinable()) thread_.join();
}

void RecoveryWriter::setPath(std::string path, FileLayer& files) {
    std::unique_lock lock(mutex_);
    waitForRunning(lock);
    path_ = std::move(path);
    files_ = &files;
    onDisk_.reset();
}

void RecoveryWriter::setListener(Listener listener) {
    std::lock_guard lock(mutex_);
    listener_ = std::move(listener);
}

void RecoveryWriter::submit(Job job) {
    {
        std::lock_guard lock(mutex_);
        if (disabled_ || path_.empty() || stopping_) return;
        if (thread_.joinable() || tryStartThread(thread_, [this] { run(); })) {
            waiting_ = std::move(job);
            changed_.notify_all();
            return;
        }
    }
    // No thread could be started: the copy is written here, felt in the
    // window but written.
    const bool written = writeNow(job);
    Listener listener;
    {
        std::lock_guard lock(mutex_);
        listener = listener_;
    }
    if (listener) listener(written);
}

void RecoveryWriter::run() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return stopping_ || waiting_.has_value(); });
        if (stopping_) return;
        Job job = std::move(*waiting_);
        waiting_.reset();
        running_ = true;
        lock.unlock();
        const bool written = write(job);
        // Told while still running, so that whoever waits for the writer
        // (a listener about to go away) knows the listener has returned.
        lock.lock();
        const Listener listener = listener_;
        lock.unlock();
        if (listener) listener(written);
        lock.lock();
        running_ = false;
        changed_.notify_all();
    }
}

bool RecoveryWriter::write(const Job& job) {
    RecoveryParts parts = job();
    std::string path;
    FileLayer* files = nullptr;
    {
        std::lock_guard lock(mutex_);
        if (onDisk_ && onDisk_->sameBook(parts) && files_->exists(path_)) {
            latestOnDisk_ = true;
            return true;
        }
        path = path_;
        files = files_;
    }
    const bool written = saveFileSafely(path, encodeRecoveryFile(parts), false, *files);
    std::lock_guard lock(mutex_);
    latestOnDisk_ = written;
    if (written) {
        onDisk_ = std::move(parts);
        ++writes_;
    }
    return written;
}

void RecoveryWriter::waitForRunning(std::unique_lock<std::mutex>& lock) {
    changed_.wait(lock, [this] { return !running_; });
}

bool RecoveryWriter::writeNow(const Job& job) {
    {
        std::unique_lock lock(mutex_);
        if (disabled_ || path_.empty()) return false;
        waiting_.reset();
        waitForRunning(lock);
        running_ = true;
    }
    const bool written = write(job);
    {
        std::lock_guard lock(mutex_);
        running_ = false;
    }
    changed_.notify_all();
    return written;
}

bool RecoveryWriter::remove() {
    std::unique_lock lock(mutex_);
    waiting_.reset();
    waitForRunning(lock);
    if (disabled_ || path_.empty()) return false;
    onDisk_.reset();
    latestOnDisk_ = false;
    if (!files_->exists(path_)) return true;
    if (!files_->unlink(path_)) return false;
    // Gone for good once the folder says so; if that fails, a copy that
    // comes back after a crash only brings back what the files hold.
    const std::size_t slash = path_.rfind('/');
    files_->fsyncFolder(slash == std::string::npos ? std::string(".") : path_.substr(0, slash + 1));
    return true;
}

void RecoveryWriter::waitUntilIdle() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return !running_ && !waiting_.has_value(); });
}

bool RecoveryWriter::latestOnDisk() const {
    std::lock_guard lock(mutex_);
    return latestOnDisk_;
}

std::uint64_t RecoveryWriter::writes() const {
    std::lock_guard lock(mutex_);
    return writes_;
}

}  // namespace kakeibo
