#pragma once
// A file's bytes seen through a read-only mapping of the page cache instead
// of a copy: no buffer to fault in and fill, which for a long book costs more
// than everything else its start reads. A mapping alone would not be safe to
// keep: a file cut short under it (another program writing the file in place)
// would end the program with SIGBUS at the next look at a vanished page. So a
// file is only mapped under a read lease. When anyone opens it for writing or
// truncates it, the kernel holds them back and tells this process, whose
// handler puts a private copy of the bytes in the mapping's place (the same
// addresses, the same bytes) and gives up the lease; only then does the
// writer go on. Where no lease is to be had (a file of another owner, one open
// for writing already) or a lease would not hold (a network or user-space
// file system, which can change under it), the file is not mapped, and the
// caller reads it as usual.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace kakeibo {

class MappedFile {
public:
    // The whole of the file at path, mapped under a lease; nothing when it is
    // empty, larger than maxBytes, not a plain file, or cannot be leased or
    // mapped (then reading it is the way).
    static std::unique_ptr<MappedFile> open(const std::string& path, std::size_t maxBytes);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view view() const { return {data_, size_}; }
    // Whether the bytes are still the file's pages, under the lease; false
    // once a writer came and they were copied.
    bool sharesPageCache() const;

private:
    MappedFile(int slot, const char* data, std::size_t size) : slot_(slot), data_(data), size_(size) {}

    int slot_;
    const char* data_;
    std::size_t size_;
};

}  // namespace kakeibo
