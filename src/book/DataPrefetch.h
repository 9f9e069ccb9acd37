#pragma once
// The data file read and decoded on a thread of its own while the window
// builds its pages: on a book of many years that is most of the start-up.
// The start-up takes the read instead of reading the file itself; what the
// read has to say (a broken file, a newer version) is still shown then, in
// the start-up's own order.
//
// The thread decodes the cards from the oldest on; whoever takes the read
// decodes from the newest back until the two meet, so a start-up that is
// ready before the thread does not wait idle for it.

#include <future>
#include <memory>
#include <optional>
#include <string>

#include "storage/DataFile.h"

namespace kakeibo {

class DataPrefetch {
public:
    // Starts reading path at once. A read nobody took is waited for at
    // the end.
    explicit DataPrefetch(std::string path);
    ~DataPrefetch();
    DataPrefetch(const DataPrefetch&) = delete;
    DataPrefetch& operator=(const DataPrefetch&) = delete;

    // The read, once, when it was of path; nothing otherwise.
    std::optional<DataFileRead> take(const std::string& path);

private:
    struct Work;
    std::shared_ptr<Work> work_;
    std::future<void> thread_;
};

}  // namespace kakeibo
