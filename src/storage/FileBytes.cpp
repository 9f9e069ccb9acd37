#include "storage/FileBytes.h"

#include <cstring>

namespace kakeibo {

FileBytes::FileBytes(std::string_view bytes)
    : data_(std::make_unique_for_overwrite<char[]>(bytes.size())), size_(bytes.size()) {
    if (!bytes.empty()) std::memcpy(data_.get(), bytes.data(), bytes.size());
}

std::optional<FileBytes> FileBytes::read(const std::string& path, FileLayer& files) {
    FileBytes read;
    // A layer of its own (a test's, one that fails) is asked for every read.
    if (&files == &systemFileLayer()) {
        if ((read.mapped_ = MappedFile::open(path, kMaxReadBytes))) {
            read.size_ = read.mapped_->view().size();
            return read;
        }
    }
    std::size_t room = 0;
    const std::optional<std::size_t> size = readFileInto(path, kMaxReadBytes, files, [&](std::size_t n) {
        // Grows only when the file grew while it was read: the bytes so far
        // move to a larger buffer.
        auto larger = std::make_unique_for_overwrite<char[]>(n);
        if (room > 0) std::memcpy(larger.get(), read.data_.get(), std::min(room, n));
        read.data_ = std::move(larger);
        room = n;
        return read.data_.get();
    });
    if (!size) return std::nullopt;
    read.size_ = *size;
    return read;
}

}  // namespace kakeibo
