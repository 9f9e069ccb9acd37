#pragma once
// What a file was when the program read or wrote it: whether it existed,
// its size, its modification time and a hash of its bytes. Two identities
// with the same contents mean nobody changed the file in between; the time
// only tells a person when, since a copy or a sync tool may change the time
// of the very same bytes.
//
// The hash is XXH64 (seed 0, from libxxhash): a standard, fast hash for
// noticing a change, not a guard against anyone forging one. Its values are
// stored in the recovery copy, so they must never change between versions.

#include <cstdint>
#include <future>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "storage/FileBytes.h"
#include "storage/FileLayer.h"

namespace kakeibo {

std::uint64_t xxh64(std::string_view bytes, std::uint64_t seed = 0);
// 16 lower-case hexadecimal digits, and back.
std::string hashToText(std::uint64_t hash);
std::optional<std::uint64_t> hashFromText(std::string_view text);

struct FileIdentity {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;  // since 1970, as the file system says; 0 when unknown
    std::uint64_t hash = 0;

    bool sameContents(const FileIdentity& other) const {
        if (exists != other.exists) return false;
        return !exists || (size == other.size && hash == other.hash);
    }
};

// What stat says of a file that changes with every write to it: where it
// is, its size, its times (the change time cannot be set back by anyone).
// A file that still has the stamp it had when read still holds the bytes
// read, provided the stamp was taken long enough after the file's last
// write that a later write could not fall in the same tick of the file
// system's clock (on some file systems two seconds).
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::uint64_t size = 0;
    std::int64_t mtimeNs = 0;
    std::int64_t ctimeNs = 0;
    bool operator==(const FileStamp&) const = default;
};
// The file's stamp now; nothing when it cannot be taken.
std::optional<FileStamp> stampOf(const std::string& path);
// How long after its last write a file's stamp is trusted (see FileStamp).
inline constexpr std::int64_t kSettledStampNs = 3'000'000'000;
// Whether a stamp taken at nowNs (since 1970) may be trusted.
bool stampSettled(const FileStamp& stamp, std::int64_t nowNs);
std::int64_t wallClockNs();

// The identity of bytes just read from, or written to, path.
FileIdentity identityOf(std::string_view bytes, const std::string& path);

// An identity whose hash may be taken at its first need instead of at the
// read: for bytes kept unchanged as they were read (a data file whose cards
// are kept as read), where hashing them would make a long book's start
// wait. Whoever asks first takes the hash, on their own thread; asking from
// several threads at once is safe.
class PendingIdentity {
public:
    PendingIdentity() = default;
    // Complete already; an identity in hand is one.
    PendingIdentity(const FileIdentity& identity) : identity_(identity) {}  // NOLINT(google-explicit-constructor)
    // Of bytes read from path and kept.
    static PendingIdentity ofKeptBytes(std::shared_ptr<const FileBytes> kept, const std::string& path);

    FileIdentity get() const;
    std::uint64_t size() const { return identity_.size; }
    // Whether bytes are the very bytes kept (the same memory), whose hash
    // is this identity's without taking it again.
    bool isOf(std::string_view bytes) const {
        return kept_ && bytes.data() == kept_->view().data() && bytes.size() == kept_->size();
    }

private:
    FileIdentity identity_;
    std::shared_ptr<const FileBytes> kept_;
    std::shared_future<std::uint64_t> hash_;
};

struct FileContents {
    std::string bytes;  // empty when the file does not exist
    FileIdentity identity;
};
// The file at path with its identity; identity.exists is false when there
// is no such file. Nothing when the file exists but cannot be read.
std::optional<FileContents> readWithIdentity(const std::string& path, FileLayer& files = systemFileLayer());

// The modification time of path in nanoseconds since 1970; 0 when unknown.
std::int64_t modificationTimeNs(const std::string& path);

}  // namespace kakeibo
