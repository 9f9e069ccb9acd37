#pragma once
// One running program per program folder, whether the window program or
// the command-line tool: two programs on the same files would each write
// their own copy at closing, and the later would silently undo the
// earlier's work. The lock is an advisory lock (flock) on a lock file
// beside the data files; the system releases it when its holder ends,
// however it ends, so a program that died never keeps the folder locked.

#include <string>

namespace kakeibo {

inline constexpr const char* kLockFileName = "Mirab050.lock";

class FolderLock {
public:
    enum class Outcome {
        Acquired,
        HeldElsewhere,  // another running program has the folder
        Unavailable,    // the lock file cannot be made (the folder is not writable)
    };

    // folder: the program folder, with or without a trailing "/".
    explicit FolderLock(const std::string& folder);
    // Releases the lock. The file stays: removing it would let a program
    // that opened it a moment before lock a file nobody else sees.
    ~FolderLock();
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    Outcome acquire();
    const std::string& path() const { return path_; }

private:
    std::string path_;
    int fd_ = -1;
};

// What a second start is told, in the program's words.
const char* alreadyRunningMessage();

}  // namespace kakeibo
