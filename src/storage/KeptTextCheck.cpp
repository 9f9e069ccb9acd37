#include "storage/KeptTextCheck.h"

#include "storage/CardBlock.h"
#include "storage/ThreadStart.h"

namespace kakeibo {

KeptTextCheck::KeptTextCheck(std::shared_ptr<const FileBytes> file, std::vector<std::string_view> blocks,
                             bool inBackground)
    : file_(std::move(file)), blocks_(std::move(blocks)),
      verdicts_(std::make_unique<std::atomic<std::uint8_t>[]>(blocks_.size())) {
    // Without a thread each card is checked when it is first written.
    if (inBackground) tryStartThread(thread_, [this] { checkAll(); });
}

KeptTextCheck::~KeptTextCheck() {
    {
        const std::lock_guard lock(stopping_);
        stop_.store(true, std::memory_order_relaxed);
    }
    stopWanted_.notify_all();
    if (thread_.joinable()) thread_.join();
}

bool KeptTextCheck::comesBack(std::size_t k) const {
    std::uint8_t verdict = verdicts_[k].load(std::memory_order_relaxed);
    if (verdict == kUnknown) {
        verdict = cardTextsComeBack(blocks_[k]) ? kComesBack : kChanges;
        verdicts_[k].store(verdict, std::memory_order_relaxed);
    }
    return verdict == kComesBack;
}

void KeptTextCheck::checkAll() {
    {
        std::unique_lock lock(stopping_);
        if (stopWanted_.wait_for(lock, kBackgroundDelay, [this] { return stop_.load(std::memory_order_relaxed); })) {
            return;
        }
    }
    for (std::size_t k = 0; k < blocks_.size() && !stop_.load(std::memory_order_relaxed); ++k) comesBack(k);
}

}  // namespace kakeibo
