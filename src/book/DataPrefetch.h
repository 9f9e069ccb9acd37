#pragma once
// The data file read and laid out on a thread of its own while the window
// builds its pages, and the month file read on another. The cards stay as
// read (see CardList), so the thread's work is the read, the identity's
// hash and the scan of the blocks' lengths. The start-up takes the reads
// instead of reading the files itself; what they have to say (a broken
// file, a newer version) is still shown then, in the start-up's own order.

#include <future>
#include <optional>
#include <string>

#include "storage/DataFile.h"
#include "storage/MonthFile.h"

namespace kakeibo {

class DataPrefetch {
public:
    // Starts reading path (and monthPath, when given) at once. A read
    // nobody took is waited for at the end.
    explicit DataPrefetch(std::string path, std::string monthPath = {});
    ~DataPrefetch();
    DataPrefetch(const DataPrefetch&) = delete;
    DataPrefetch& operator=(const DataPrefetch&) = delete;

    // The read, once, when it was of path; nothing otherwise.
    std::optional<DataFileRead> take(const std::string& path);
    std::optional<MonthFileRead> takeMonths(const std::string& monthPath);
    // Lets go of the reads nobody took (a start-up that restored the files
    // from a recovery copy read them anew), once they are done.
    void dropUntaken();

private:
    std::string path_;
    std::string monthPath_;
    std::future<DataFileRead> read_;
    std::future<MonthFileRead> months_;
};

}  // namespace kakeibo
