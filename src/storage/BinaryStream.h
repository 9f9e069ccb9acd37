#pragma once
// The encoding of the data, preferences and month summary files: 32-bit
// little-endian integers, 8-byte little-endian doubles, 1-byte flags, and
// strings as a 32-bit length L followed by L bytes (CP932 text and one
// zero byte).
//
// BinaryReader is bounded: a length or count that the remaining bytes
// cannot hold is a read error, never an allocation or a read past the end.
// After the first error every further read fails.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace kakeibo {

// The files are little-endian; on a little-endian machine that is a plain
// copy, which matters for the millions of numbers of a long book.
template <class Unsigned>
Unsigned loadLittleEndian(const char* in) {
    Unsigned value = 0;
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(&value, in, sizeof value);
    } else {
        for (std::size_t i = 0; i < sizeof value; ++i) {
            value |= static_cast<Unsigned>(static_cast<unsigned char>(in[i])) << (8 * i);
        }
    }
    return value;
}

class BinaryWriter {
public:
    BinaryWriter() = default;
    // Goes on after bytes written already.
    explicit BinaryWriter(std::string start) : bytes_(std::move(start)) {}
    void reserve(std::size_t n) { bytes_.reserve(n); }
    // Bytes in their stored form already (a block kept as read).
    void writeRaw(std::string_view stored) { bytes_ += stored; }
    void writeInt(std::int32_t value);
    void writeDouble(double value);
    void writeByte(std::uint8_t value);
    void writeFlag(bool value) { writeByte(value ? 1 : 0); }
    // UTF-8 text written as CP932 (short: up to 255 bytes; long: up to 16,000).
    void writeStr(std::string_view utf8);
    void writeLongStr(std::string_view utf8);

    const std::string& bytes() const { return bytes_; }
    std::string take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

class BinaryReader {
public:
    explicit BinaryReader(std::string_view bytes) : bytes_(bytes) {}

    // The readers a long book's start runs millions of times are inline.
    bool readInt(std::int32_t& value) {
        const char* in = nullptr;
        if (!take(4, in)) return false;
        value = static_cast<std::int32_t>(loadLittleEndian<std::uint32_t>(in));
        return true;
    }
    bool readDouble(double& value) {
        const char* in = nullptr;
        if (!take(8, in)) return false;
        value = std::bit_cast<double>(loadLittleEndian<std::uint64_t>(in));
        return true;
    }
    bool readByte(std::uint8_t& value);
    bool readFlag(bool& value);
    // The text up to the first zero byte of the L bytes, as UTF-8.
    bool readStr(std::string& utf8);
    bool readLongStr(std::string& utf8);
    // Passes over a text of either kind without decoding it.
    bool skipStr();
    // The same, clearing asWritten unless the stored bytes are exactly what
    // writeStr writes for the text readStr reads from them; without
    // checkTexts, only their length and zero byte are looked at, not
    // whether their CP932 comes back as it is.
    bool skipStr(bool& asWritten, bool checkTexts = true) {
        std::int32_t stored = 0;
        const char* in = nullptr;
        if (!readInt(stored) || !take(static_cast<std::uint32_t>(stored), in)) return false;
        // Written: the bytes, then one zero byte; read: up to the first zero
        // byte, which the round-trip check refuses inside the text.
        const auto length = static_cast<std::uint32_t>(stored);
        if (length == 0 || in[length - 1] != '\0' ||
            (checkTexts && !textComesBack(std::string_view(in, length - 1)))) {
            asWritten = false;
        }
        return true;
    }
    // Passes over n bytes (numbers whose values are not needed).
    bool skip(std::size_t n) {
        const char* in = nullptr;
        return take(n, in);
    }
    // A count of items that each take at least minBytesPerItem bytes; fails
    // when the remaining bytes cannot hold that many. Negative counts read
    // as 0 (an empty list).
    bool readCount(std::int32_t& count, std::size_t minBytesPerItem);

    // How many of count items (each at least minBytesPerItem bytes) to
    // reserve room for: never more than the remaining bytes can hold, so a
    // count is not trusted for an allocation; 0 for a count of 0 or less.
    std::size_t reservationFor(std::int32_t count, std::size_t minBytesPerItem) const {
        if (count <= 0) return 0;
        const std::size_t fits = remaining() / minBytesPerItem;
        return static_cast<std::size_t>(count) < fits ? static_cast<std::size_t>(count) : fits;
    }

    bool failed() const { return failed_; }
    std::size_t remaining() const { return bytes_.size() - pos_; }
    std::size_t position() const { return pos_; }
    // Asks for the bytes n ahead to be brought into the cache: a scan that
    // only follows lengths would otherwise wait for each line in turn.
    void prefetchAhead(std::size_t n) const {
        if (n < remaining()) __builtin_prefetch(bytes_.data() + pos_ + n);
    }

private:
    bool take(std::size_t n, const char*& out) {
        if (failed_ || n > remaining()) {
            failed_ = true;
            return false;
        }
        out = bytes_.data() + pos_;
        pos_ += n;
        return true;
    }
    // Whether stored CP932 reads and writes back as the very same bytes.
    static bool textComesBack(std::string_view stored);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace kakeibo
