#pragma once
// The encoding of the data, preferences and month summary files: 32-bit
// little-endian integers, 8-byte little-endian doubles, 1-byte flags, and
// strings as a 32-bit length L followed by L bytes (CP932 text and one
// zero byte).
//
// BinaryReader is bounded: a length or count that the remaining bytes
// cannot hold is a read error, never an allocation or a read past the end.
// After the first error every further read fails.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kakeibo {

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

    bool readInt(std::int32_t& value);
    bool readDouble(double& value);
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
    bool skipStr(bool& asWritten, bool checkTexts = true);
    // Passes over n bytes (numbers whose values are not needed).
    bool skip(std::size_t n);
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

private:
    bool take(std::size_t n, const char*& out);

    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool failed_ = false;
};

}  // namespace kakeibo
