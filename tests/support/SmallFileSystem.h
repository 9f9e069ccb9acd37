#pragma once
// A real file system of a few hundred kilobytes (a tmpfs mounted over a
// temporary folder), to fill up as a full disk does. Mounting needs root;
// where it is refused the test is skipped with the reason.

#include <string>

#include "support/TempDir.h"

namespace kakeibo {

class SmallFileSystem {
public:
    explicit SmallFileSystem(const std::string& size);
    // Unmounts (lazily, so a file still open cannot keep it).
    ~SmallFileSystem();
    SmallFileSystem(const SmallFileSystem&) = delete;
    SmallFileSystem& operator=(const SmallFileSystem&) = delete;

    bool mounted() const { return mounted_; }
    // Why it is not mounted, for the skip message.
    const std::string& refusal() const { return refusal_; }
    const TempDir& dir() const { return dir_; }

private:
    TempDir dir_;
    bool mounted_ = false;
    std::string refusal_;
};

}  // namespace kakeibo
