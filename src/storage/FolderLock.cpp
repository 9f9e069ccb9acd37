#include "storage/FolderLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>

#include "storage/FileNames.h"

namespace kakeibo {

FolderLock::FolderLock(const std::string& folder) : path_(withTrailingSlash(folder) + kLockFileName) {}

FolderLock::~FolderLock() {
    if (fd_ >= 0) ::close(fd_);  // closing the descriptor releases the lock
}

FolderLock::Outcome FolderLock::acquire() {
    if (fd_ >= 0) return Outcome::Acquired;
    const int fd = ::open(path_.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0) return Outcome::Unavailable;
    int rc;
    do {
        rc = ::flock(fd, LOCK_EX | LOCK_NB);
    } while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        const bool held = errno == EWOULDBLOCK;
        ::close(fd);
        return held ? Outcome::HeldElsewhere : Outcome::Unavailable;
    }
    // Who holds it, for a person who looks at the file; nothing reads it.
    if (::ftruncate(fd, 0) == 0) {
        const std::string pid = std::to_string(::getpid()) + "\n";
        [[maybe_unused]] const ssize_t written = ::write(fd, pid.data(), pid.size());
    }
    fd_ = fd;
    return Outcome::Acquired;
}

const char* alreadyRunningMessage() {
    return "みらぶの家計簿はすでに起動しています。\n"
           "同じ家計簿を二つ同時に開くことはできません。起動中のウィンドウをお使いください。";
}

}  // namespace kakeibo
