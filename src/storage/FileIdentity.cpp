#include "storage/FileIdentity.h"

#include <sys/stat.h>

#include <time.h>

#include <algorithm>
#include <cstring>

#include <xxhash.h>

namespace kakeibo {

std::uint64_t xxh64(std::string_view bytes, std::uint64_t seed) {
    return XXH64(bytes.data(), bytes.size(), seed);
}

std::string hashToText(std::uint64_t hash) {
    static const char digits[] = "0123456789abcdef";
    std::string text(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) text[static_cast<std::size_t>(i)] = digits[hash & 0xF];
    return text;
}

std::optional<std::uint64_t> hashFromText(std::string_view text) {
    if (text.size() != 16) return std::nullopt;
    std::uint64_t hash = 0;
    for (char c : text) {
        int digit;
        if (c >= '0' && c <= '9') digit = c - '0';
        else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
        else return std::nullopt;
        hash = (hash << 4) | static_cast<std::uint64_t>(digit);
    }
    return hash;
}

namespace {
std::int64_t nanoseconds(const timespec& time) {
    return static_cast<std::int64_t>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
}
}  // namespace

std::int64_t modificationTimeNs(const std::string& path) {
    const std::optional<FileStamp> stamp = stampOf(path);
    return stamp ? stamp->mtimeNs : 0;
}

std::optional<FileStamp> stampOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return std::nullopt;
    FileStamp stamp;
    stamp.device = static_cast<std::uint64_t>(info.st_dev);
    stamp.inode = static_cast<std::uint64_t>(info.st_ino);
    stamp.size = static_cast<std::uint64_t>(info.st_size);
    stamp.mtimeNs = nanoseconds(info.st_mtim);
    stamp.ctimeNs = nanoseconds(info.st_ctim);
    return stamp;
}

bool stampSettled(const FileStamp& stamp, std::int64_t nowNs) {
    return nowNs - std::max(stamp.mtimeNs, stamp.ctimeNs) >= kSettledStampNs;
}

std::int64_t wallClockNs() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    return nanoseconds(now);
}

namespace {

FileIdentity identityWithoutHash(std::uint64_t size, const std::string& path) {
    FileIdentity identity;
    identity.exists = true;
    identity.size = size;
    identity.mtimeNs = modificationTimeNs(path);
    return identity;
}

}  // namespace

FileIdentity identityOf(std::string_view bytes, const std::string& path) {
    FileIdentity identity = identityWithoutHash(bytes.size(), path);
    identity.hash = xxh64(bytes);
    return identity;
}

PendingIdentity PendingIdentity::ofKeptBytes(std::shared_ptr<const FileBytes> kept, const std::string& path) {
    PendingIdentity pending(identityWithoutHash(kept->size(), path));
    pending.hash_ = std::async(std::launch::deferred, [kept] { return xxh64(kept->view()); }).share();
    pending.kept_ = std::move(kept);
    return pending;
}

FileIdentity PendingIdentity::get() const {
    FileIdentity identity = identity_;
    if (hash_.valid()) identity.hash = hash_.get();
    return identity;
}

std::optional<FileContents> readWithIdentity(const std::string& path, FileLayer& files) {
    FileContents contents;
    if (!files.exists(path)) return contents;
    std::optional<std::string> bytes = readWholeFile(path, files);
    if (!bytes) return std::nullopt;
    contents.identity = identityOf(*bytes, path);
    contents.bytes = std::move(*bytes);
    return contents;
}

}  // namespace kakeibo
