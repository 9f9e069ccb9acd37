#include "book/DataPrefetch.h"

#include <utility>

#include "storage/FileLayer.h"

namespace kakeibo {

DataPrefetch::DataPrefetch(std::string path, std::string monthPath)
    : path_(std::move(path)), monthPath_(std::move(monthPath)) {
    read_ = std::async(std::launch::async,
                       [path = path_] { return readDataFile(path, systemFileLayer(), CardReading::KeptAsRead); });
    if (!monthPath_.empty()) {
        months_ = std::async(std::launch::async, [path = monthPath_] { return readMonthFile(path); });
    }
}

DataPrefetch::~DataPrefetch() {
    if (read_.valid()) read_.wait();
    if (months_.valid()) months_.wait();
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
