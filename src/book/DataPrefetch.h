#pragma once
// The data file read and laid out on a thread of its own while the window
// builds its pages. The cards stay as read (see CardList), so the thread's
// work is the read, the identity's hash and the scan of the blocks' lengths.
// The start-up takes the read instead of reading the file itself; what the
// read has to say (a broken file, a newer version) is still shown then, in
// the start-up's own order.

#include <future>
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
    // Whether take would still wait for the read.
    bool reading() const;

private:
    std::string path_;
    std::future<DataFileRead> read_;
};

}  // namespace kakeibo
