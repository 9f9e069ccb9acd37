#include "book/DataPrefetch.h"

#include <chrono>
#include <utility>

#include "storage/FileLayer.h"
#include "storage/ThreadStart.h"

namespace kakeibo {

DataPrefetch::DataPrefetch(std::string path, std::string monthPath)
    : path_(std::move(path)), monthPath_(std::move(monthPath)) {
    read_ = runBeside([path = path_] { return readDataFile(path, systemFileLayer(), CardReading::KeptAsRead); });
    if (!monthPath_.empty()) {
        months_ = runBeside([path = monthPath_] { return readMonthFile(path); });
    }
}

namespace {
// A read that runs on its own thread is waited for; one left to the taker
// (no thread could be started) is not done at all.
template <class Read>
void waitForRunning(std::future<Read>& read) {
    if (read.valid() && read.wait_for(std::chrono::seconds(0)) != std::future_status::deferred) read.wait();
}
}  // namespace

DataPrefetch::~DataPrefetch() {
    waitForRunning(read_);
    waitForRunning(months_);
}

void DataPrefetch::dropUntaken() {
    waitForRunning(read_);
    waitForRunning(months_);
    read_ = {};
    months_ = {};
}

std::optional<DataFileRead> DataPrefetch::take(const std::string& path) {
    if (path != path_ || !read_.valid()) return std::nullopt;
    return read_.get();
}

std::optional<MonthFileRead> DataPrefetch::takeMonths(const std::string& monthPath) {
    if (monthPath != monthPath_ || !months_.valid()) return std::nullopt;
    return months_.get();
}

}  // namespace kakeibo
