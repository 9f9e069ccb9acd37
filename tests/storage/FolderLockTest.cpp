// One program per folder: a second lock is refused while the first is
// held, in this process or another, and the folder is free again once its
// holder ends, however it ended.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "storage/FolderLock.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

TEST(FolderLock, ASecondLockIsRefusedUntilTheFirstIsReleased) {
    TempDir dir;
    {
        FolderLock first(dir.path());
        EXPECT_EQ(first.acquire(), FolderLock::Outcome::Acquired);
        EXPECT_EQ(first.acquire(), FolderLock::Outcome::Acquired);  // asking again keeps it
        FolderLock second(dir.path() + "/");
        EXPECT_EQ(second.acquire(), FolderLock::Outcome::HeldElsewhere);

        struct stat st{};
        ASSERT_EQ(::stat(first.path().c_str(), &st), 0);
        EXPECT_EQ(st.st_mode & 0777, 0600u);
        EXPECT_EQ(dir.read(kLockFileName), std::to_string(::getpid()) + "\n");
    }
    FolderLock later(dir.path());
    EXPECT_EQ(later.acquire(), FolderLock::Outcome::Acquired);

    TempDir other;
    FolderLock elsewhere(other.path());
    EXPECT_EQ(elsewhere.acquire(), FolderLock::Outcome::Acquired);
}

TEST(FolderLock, AProgramThatDiedLeavesTheFolderFree) {
    TempDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        FolderLock held(dir.path());
        const char answer = held.acquire() == FolderLock::Outcome::Acquired ? 'y' : 'n';
        [[maybe_unused]] ssize_t n = ::write(ready[1], &answer, 1);
        ::pause();  // until killed, holding the lock
        ::_exit(0);
    }
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    EXPECT_EQ(answer, 'y');
    {
        FolderLock mine(dir.path());
        EXPECT_EQ(mine.acquire(), FolderLock::Outcome::HeldElsewhere);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    FolderLock mine(dir.path());
    EXPECT_EQ(mine.acquire(), FolderLock::Outcome::Acquired);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(FolderLock, AFolderThatCannotHoldTheLockFileIsUnavailable) {
    TempDir dir;
    FolderLock nowhere(dir.file("missing/folder"));
    EXPECT_EQ(nowhere.acquire(), FolderLock::Outcome::Unavailable);
}

}  // namespace
}  // namespace kakeibo
