#pragma once
// One running program per program folder: two programs on the same files
// would each write their own copy at closing, and the later would silently
// undo the earlier's work. The lock is a lock file beside the data files;
// a lock left by a program that died is taken over.

#include <memory>
#include <string>

class QLockFile;

namespace kakeibo::shell {

inline constexpr const char* kLockFileName = "Mirab050.lock";

class InstanceLock {
public:
    enum class Outcome {
        Acquired,
        HeldElsewhere,  // another running program has the folder
        Unavailable,    // the lock file cannot be made (the folder is not writable)
    };

    // folder: the program folder, with or without a trailing "/".
    explicit InstanceLock(const std::string& folder);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    Outcome acquire();

private:
    std::unique_ptr<QLockFile> lock_;
};

// The message shown to a second start, in the program's words.
const char* alreadyRunningMessage();

}  // namespace kakeibo::shell
