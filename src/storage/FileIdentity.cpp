#include "storage/FileIdentity.h"

#include <sys/stat.h>

#include <cstring>

namespace kakeibo {

namespace {

constexpr std::uint64_t kPrime1 = 0x9E3779B185EBCA87ULL;
constexpr std::uint64_t kPrime2 = 0xC2B2AE3D27D4EB4FULL;
constexpr std::uint64_t kPrime3 = 0x165667B19E3779F9ULL;
constexpr std::uint64_t kPrime4 = 0x85EBCA77C2B2AE63ULL;
constexpr std::uint64_t kPrime5 = 0x27D4EB2F165667C5ULL;

std::uint64_t rotateLeft(std::uint64_t value, int bits) { return (value << bits) | (value >> (64 - bits)); }

// Little-endian loads whatever the machine's order and alignment.
std::uint64_t load64(const unsigned char* p) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | p[i];
    return value;
}

std::uint64_t load32(const unsigned char* p) {
    return std::uint64_t{p[0]} | std::uint64_t{p[1]} << 8 | std::uint64_t{p[2]} << 16 | std::uint64_t{p[3]} << 24;
}

std::uint64_t round(std::uint64_t accumulator, std::uint64_t input) {
    accumulator += input * kPrime2;
    accumulator = rotateLeft(accumulator, 31);
    return accumulator * kPrime1;
}

std::uint64_t mergeRound(std::uint64_t hash, std::uint64_t accumulator) {
    hash ^= round(0, accumulator);
    return hash * kPrime1 + kPrime4;
}

}  // namespace

std::uint64_t xxh64(std::string_view bytes, std::uint64_t seed) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const unsigned char* const end = p + bytes.size();
    std::uint64_t hash;
    if (bytes.size() >= 32) {
        std::uint64_t v1 = seed + kPrime1 + kPrime2;
        std::uint64_t v2 = seed + kPrime2;
        std::uint64_t v3 = seed;
        std::uint64_t v4 = seed - kPrime1;
        const unsigned char* const lastStripe = end - 32;
        do {
            v1 = round(v1, load64(p));
            v2 = round(v2, load64(p + 8));
            v3 = round(v3, load64(p + 16));
            v4 = round(v4, load64(p + 24));
            p += 32;
        } while (p <= lastStripe);
        hash = rotateLeft(v1, 1) + rotateLeft(v2, 7) + rotateLeft(v3, 12) + rotateLeft(v4, 18);
        hash = mergeRound(hash, v1);
        hash = mergeRound(hash, v2);
        hash = mergeRound(hash, v3);
        hash = mergeRound(hash, v4);
    } else {
        hash = seed + kPrime5;
    }
    hash += bytes.size();
    for (; p + 8 <= end; p += 8) {
        hash ^= round(0, load64(p));
        hash = rotateLeft(hash, 27) * kPrime1 + kPrime4;
    }
    if (p + 4 <= end) {
        hash ^= load32(p) * kPrime1;
        hash = rotateLeft(hash, 23) * kPrime2 + kPrime3;
        p += 4;
    }
    for (; p < end; ++p) {
        hash ^= *p * kPrime5;
        hash = rotateLeft(hash, 11) * kPrime1;
    }
    hash ^= hash >> 33;
    hash *= kPrime2;
    hash ^= hash >> 29;
    hash *= kPrime3;
    hash ^= hash >> 32;
    return hash;
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

std::int64_t modificationTimeNs(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return 0;
    return static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
}

FileIdentity identityOf(std::string_view bytes, const std::string& path) {
    FileIdentity identity;
    identity.exists = true;
    identity.size = bytes.size();
    identity.hash = xxh64(bytes);
    identity.mtimeNs = modificationTimeNs(path);
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
