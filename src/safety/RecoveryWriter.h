#pragma once
// Writes the recovery copy on a thread of its own, so a copy of a long book
// (tens of milliseconds of encoding, then the write and its fsync) is never
// felt in the window. Every operation on the copy goes through one writer,
// in order: a copy being written when the close removes the copy can never
// bring it back afterwards.
//
// A job makes the copy's parts from a snapshot of the book taken before;
// it runs on the writer's thread and must touch nothing the interface
// thread changes. The newest job wins: one still waiting is replaced.

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include "safety/RecoveryFile.h"
#include "storage/FileLayer.h"

namespace kakeibo {

class RecoveryWriter {
public:
    using Job = std::function<RecoveryParts()>;
    // Told on the writer's thread after each job: whether its copy is on disk.
    using Listener = std::function<void(bool written)>;

    RecoveryWriter() = default;
    // Waits for a job being written; one still waiting is dropped.
    ~RecoveryWriter();
    RecoveryWriter(const RecoveryWriter&) = delete;
    RecoveryWriter& operator=(const RecoveryWriter&) = delete;

    // Where the copy goes; without a path (or while disabled) nothing is written.
    void setPath(std::string path, FileLayer& files = systemFileLayer());
    const std::string& path() const { return path_; }
    // A copy left by an earlier program that could not be put aside must
    // not be overwritten or removed: the writer then does nothing.
    void disable() { std::lock_guard lock(mutex_); disabled_ = true; }
    void setListener(Listener listener);

    // Runs job on the writer's thread, after the one being written.
    void submit(Job job);
    // Runs job here once the writer is idle (a waiting job is superseded)
    // and writes its copy; true when the copy is on disk.
    bool writeNow(const Job& job);
    // Once the writer is idle (a waiting job dropped): removes the copy.
    // True when no copy is left.
    bool remove();
    // Until no job waits or runs.
    void waitUntilIdle();

    // Whether the copy on disk holds the book of the last job (its write
    // succeeded, or found that book on disk already).
    bool latestOnDisk() const;
    // How many copies were written, for tests and benchmarks.
    std::uint64_t writes() const;

private:
    void run();
    // Writes the job's copy unless it holds what is on disk already; with
    // the lock released. True when the job's copy is on disk.
    bool write(const Job& job);
    // With the lock held: until no job runs.
    void waitForRunning(std::unique_lock<std::mutex>& lock);

    mutable std::mutex mutex_;
    std::condition_variable changed_;
    std::thread thread_;
    std::optional<Job> waiting_;
    bool running_ = false;
    bool stopping_ = false;
    bool disabled_ = false;
    std::string path_;
    FileLayer* files_ = &systemFileLayer();
    Listener listener_;
    // What the copy on disk holds, so an unchanged book is not rewritten.
    std::optional<RecoveryParts> onDisk_;
    bool latestOnDisk_ = false;
    std::uint64_t writes_ = 0;
};

}  // namespace kakeibo
