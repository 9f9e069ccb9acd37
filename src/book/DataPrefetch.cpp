#include "book/DataPrefetch.h"

#include <utility>

namespace kakeibo {

DataPrefetch::DataPrefetch(std::string path)
    : path_(std::move(path)), read_(std::async(std::launch::async, [path = path_] { return readDataFile(path); })) {}

std::optional<DataFileRead> DataPrefetch::take(const std::string& path) {
    if (path != path_ || !read_.valid()) return std::nullopt;
    return read_.get();
}

}  // namespace kakeibo
