#include "book/DataPrefetch.h"

#include <chrono>
#include <utility>

#include "storage/FileLayer.h"

namespace kakeibo {

DataPrefetch::DataPrefetch(std::string path) : path_(std::move(path)) {
    read_ = std::async(std::launch::async,
                       [path = path_] { return readDataFile(path, systemFileLayer(), CardReading::KeptAsRead); });
}

DataPrefetch::~DataPrefetch() {
    if (read_.valid()) read_.wait();
}

bool DataPrefetch::reading() const {
    return read_.valid() && read_.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
}

std::optional<DataFileRead> DataPrefetch::take(const std::string& path) {
    if (path != path_ || !read_.valid()) return std::nullopt;
    return read_.get();
}

}  // namespace kakeibo
