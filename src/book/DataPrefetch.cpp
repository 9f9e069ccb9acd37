#include "book/DataPrefetch.h"

#include <atomic>
#include <utility>

#include "storage/FileLayer.h"

namespace kakeibo {

// What the thread and the taker share. The thread fills bytes, layout and
// the head of the read before it sets scanned; after that the two only
// claim cards through claimed, and each writes only the cards it claimed.
struct DataPrefetch::Work {
    std::string path;
    std::string bytes;
    std::optional<DataFileLayout> layout;
    DataFileRead read;
    std::promise<void> scannedPromise;
    std::shared_future<void> scanned = scannedPromise.get_future().share();
    std::atomic<std::size_t> claimed{0};
    std::atomic<bool> cardFailed{false};

    // Decodes cards from the oldest (front) or the newest (back) on while
    // there are cards nobody has claimed. Every claim takes one of the m
    // places, so the front's cards and the back's never overlap.
    void decodeCards(bool fromFront) {
        const std::size_t m = layout->cardStarts.size();
        std::vector<TIndex>& cards = read.image.cards;
        for (std::size_t taken = 0; claimed.fetch_add(1) < m; ++taken) {
            const std::size_t k = fromFront ? taken : m - 1 - taken;
            if (!decodeCardBlock(bytes, layout->cardStarts[k], cards[k])) cardFailed = true;
        }
    }

    // On the thread: the file, its layout, then cards from the front. The
    // taker waits for scanned, so it is set however the scan ends.
    void run() {
        try {
            scan();
        } catch (...) {
            scannedPromise.set_value();
            throw;
        }
        scannedPromise.set_value();
        if (layout) decodeCards(true);
    }

    void scan() {
        std::optional<std::string> file = readWholeFile(path);
        if (!file) return;
        read.fileRead = true;
        bytes = std::move(*file);
        read.identity = identityOf(bytes, path);
        std::optional<DataFileLayout> found = scanDataFile(bytes);
        if (!found) {
            // A file the layout does not describe (newer, broken, cards out
            // of order) is read front to back, with all its repairs.
            read.outcome = decodeDataFile(bytes, read.image);
            return;
        }
        read.image = std::move(found->head);
        read.image.cards.resize(found->cardStarts.size());
        read.outcome = ReadOutcome::Ok;
        layout = std::move(found);  // last: the cards are in place for both sides
    }

    // After both sides are done: a card that would not decode (the scan
    // said it would) sends the whole file through the front-to-back reader.
    void finish() {
        if (cardFailed) read.outcome = decodeDataFile(bytes, read.image);
    }
};

DataPrefetch::DataPrefetch(std::string path) : work_(std::make_shared<Work>()) {
    work_->path = std::move(path);
    thread_ = std::async(std::launch::async, [work = work_] { work->run(); });
}

DataPrefetch::~DataPrefetch() {
    if (thread_.valid()) thread_.wait();
}

std::optional<DataFileRead> DataPrefetch::take(const std::string& path) {
    if (path != work_->path || !thread_.valid()) return std::nullopt;
    work_->scanned.wait();
    if (work_->layout) work_->decodeCards(false);
    thread_.get();  // the thread's cards are complete from here on
    work_->finish();
    return std::move(work_->read);
}

}  // namespace kakeibo
