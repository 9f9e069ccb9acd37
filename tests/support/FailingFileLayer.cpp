#include "support/FailingFileLayer.h"

#include <unistd.h>

namespace kakeibo {

const char* fileOpName(FileOp op) {
    static const char* const names[kFileOpCount] = {"openForReading", "createNew", "read",   "write",
                                                    "fsync",          "close",     "link",   "rename",
                                                    "unlink",         "fsyncFolder"};
    return names[static_cast<std::size_t>(op)];
}

void FailingFileLayer::failAt(FileOp op, int n, int errnoValue) {
    failOp_ = op;
    failAtCall_ = n;
    failErrno_ = errnoValue;
}

void FailingFileLayer::resetCounts() {
    calls_ = {};
    written_ = 0;
}

bool FailingFileLayer::shouldFail(FileOp op) {
    int call = ++calls_[index(op)];
    if (op == failOp_ && call == failAtCall_) {
        errno = failErrno_;
        return true;
    }
    return false;
}

int FailingFileLayer::openForReading(const std::string& path) {
    return shouldFail(FileOp::OpenForReading) ? -1 : FileLayer::openForReading(path);
}

int FailingFileLayer::createNew(const std::string& path, mode_t mode) {
    return shouldFail(FileOp::CreateNew) ? -1 : FileLayer::createNew(path, mode);
}

ssize_t FailingFileLayer::read(int fd, void* buffer, std::size_t count) {
    return shouldFail(FileOp::Read) ? -1 : FileLayer::read(fd, buffer, count);
}

ssize_t FailingFileLayer::write(int fd, const void* buffer, std::size_t count) {
    if (shouldFail(FileOp::Write)) return -1;
    if (written_ >= byteLimit_) {
        errno = ENOSPC;
        return -1;
    }
    std::size_t allowed = std::min(count, byteLimit_ - written_);
    ssize_t done = FileLayer::write(fd, buffer, allowed);
    if (done > 0) written_ += static_cast<std::size_t>(done);
    return done;
}

bool FailingFileLayer::fsync(int fd) { return !shouldFail(FileOp::Fsync) && FileLayer::fsync(fd); }

bool FailingFileLayer::close(int fd) {
    if (shouldFail(FileOp::Close)) {
        ::close(fd);  // a failed close still releases the descriptor
        errno = failErrno_;
        return false;
    }
    return FileLayer::close(fd);
}

bool FailingFileLayer::link(const std::string& existing, const std::string& newName) {
    return !shouldFail(FileOp::Link) && FileLayer::link(existing, newName);
}

bool FailingFileLayer::rename(const std::string& from, const std::string& to) {
    return !shouldFail(FileOp::Rename) && FileLayer::rename(from, to);
}

bool FailingFileLayer::unlink(const std::string& path) {
    return !shouldFail(FileOp::Unlink) && FileLayer::unlink(path);
}

bool FailingFileLayer::fsyncFolder(const std::string& folder) {
    return !shouldFail(FileOp::FsyncFolder) && FileLayer::fsyncFolder(folder);
}

}  // namespace kakeibo
