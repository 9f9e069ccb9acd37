#pragma once
// A file's bytes as one read put them, shared by whatever keeps parts of
// them (the day cards kept as read). A file of the system's own files is
// mapped from the page cache where it can be held so (see MappedFile);
// otherwise it is read into a buffer, filled by the read alone: the bytes
// of a long book are not first set to zero, which costs its start as much
// as reading them.

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "storage/FileLayer.h"
#include "storage/MappedFile.h"

namespace kakeibo {

class FileBytes {
public:
    FileBytes() = default;
    // A copy of bytes in hand.
    explicit FileBytes(std::string_view bytes);

    // The whole file, or nothing when it cannot be read or is larger than
    // kMaxReadBytes (as readWholeFile).
    static std::optional<FileBytes> read(const std::string& path, FileLayer& files);

    std::string_view view() const { return mapped_ ? mapped_->view() : std::string_view(data_.get(), size_); }
    std::size_t size() const { return size_; }
    bool mapped() const { return mapped_ != nullptr; }

private:
    std::unique_ptr<MappedFile> mapped_;
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
};

}  // namespace kakeibo
