#pragma once
// Whether the texts of the cards kept as read come back as the very bytes
// they were read from (see cardTextsComeBack). On a long book finding out
// takes longer than the rest of its start, and the answer is needed only
// when a card is written: a thread of its own finds it for every card a
// moment after the cards are kept (once the window's first paint, which it
// would slow, is done), and a write that comes first finds it for the
// cards it needs on its own thread. Both find the same answer, so neither
// waits for the other.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "storage/FileBytes.h"

namespace kakeibo {

class KeptTextCheck {
public:
    // blocks lie in file. With inBackground, a thread starts on them at once.
    KeptTextCheck(std::shared_ptr<const FileBytes> file, std::vector<std::string_view> blocks, bool inBackground);
    // Stops the thread where it is.
    ~KeptTextCheck();
    KeptTextCheck(const KeptTextCheck&) = delete;
    KeptTextCheck& operator=(const KeptTextCheck&) = delete;

    // How long the thread waits before it starts.
    static constexpr std::chrono::milliseconds kBackgroundDelay{400};

    // Whether block k's texts come back as they are.
    bool comesBack(std::size_t k) const;
    std::size_t size() const { return blocks_.size(); }

private:
    void checkAll();

    enum : std::uint8_t { kUnknown = 0, kComesBack = 1, kChanges = 2 };
    std::shared_ptr<const FileBytes> file_;
    std::vector<std::string_view> blocks_;
    std::unique_ptr<std::atomic<std::uint8_t>[]> verdicts_;
    std::atomic<bool> stop_{false};
    std::mutex stopping_;
    std::condition_variable stopWanted_;
    std::thread thread_;
};

}  // namespace kakeibo
