#pragma once
// A file layer over the real file system that fails on demand: at the N-th
// call of a chosen operation, or once a number of bytes has been written
// (a full disk: the write that crosses the limit is cut short, the next
// fails with ENOSPC). It counts every call, so a test can first run a save
// to learn how many calls of each kind it makes, then fail each in turn.

#include <array>
#include <cerrno>
#include <cstddef>
#include <limits>

#include "storage/FileLayer.h"

namespace kakeibo {

enum class FileOp { OpenForReading, CreateNew, Read, Write, Fsync, Close, Link, Rename, Unlink, FsyncFolder };
inline constexpr std::size_t kFileOpCount = 10;
const char* fileOpName(FileOp op);

class FailingFileLayer : public FileLayer {
public:
    // The n-th call (from 1) of op fails with errnoValue; 0 fails none.
    void failAt(FileOp op, int n, int errnoValue = EIO);
    // Writes succeed for limit bytes in all, then the disk is full.
    void failWritesAfter(std::size_t limit) { byteLimit_ = limit; }
    int calls(FileOp op) const { return calls_[index(op)]; }
    void resetCounts();

    int openForReading(const std::string& path) override;
    int createNew(const std::string& path, mode_t mode) override;
    ssize_t read(int fd, void* buffer, std::size_t count) override;
    ssize_t write(int fd, const void* buffer, std::size_t count) override;
    bool fsync(int fd) override;
    bool close(int fd) override;
    bool link(const std::string& existing, const std::string& newName) override;
    bool rename(const std::string& from, const std::string& to) override;
    bool unlink(const std::string& path) override;
    bool fsyncFolder(const std::string& folder) override;

private:
    static std::size_t index(FileOp op) { return static_cast<std::size_t>(op); }
    // Counts the call; true (errno set) when this one is to fail.
    bool shouldFail(FileOp op);

    std::array<int, kFileOpCount> calls_{};
    FileOp failOp_ = FileOp::Write;
    int failAtCall_ = 0;
    int failErrno_ = EIO;
    std::size_t byteLimit_ = std::numeric_limits<std::size_t>::max();
    std::size_t written_ = 0;
};

}  // namespace kakeibo
