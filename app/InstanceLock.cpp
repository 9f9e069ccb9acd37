#include "app/InstanceLock.h"

#include <QLockFile>
#include <QString>

#include "storage/FileNames.h"

namespace kakeibo::shell {

InstanceLock::InstanceLock(const std::string& folder) {
    std::string path = folder;
    if (!path.empty() && path.back() != '/') path += '/';
    path += kLockFileName;
    lock_ = std::make_unique<QLockFile>(QString::fromStdString(path));
    // Only a dead owner makes a lock stale, never its age: a book may stay
    // open for days.
    lock_->setStaleLockTime(0);
}

InstanceLock::~InstanceLock() = default;

InstanceLock::Outcome InstanceLock::acquire() {
    if (lock_->isLocked()) return Outcome::Acquired;
    if (lock_->tryLock(0)) return Outcome::Acquired;
    return lock_->error() == QLockFile::LockFailedError ? Outcome::HeldElsewhere : Outcome::Unavailable;
}

const char* alreadyRunningMessage() {
    return "みらぶの家計簿はすでに起動しています。\n"
           "同じ家計簿を二つ同時に開くことはできません。起動中のウィンドウをお使いください。";
}

}  // namespace kakeibo::shell
