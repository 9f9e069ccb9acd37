#include "storage/BinaryStream.h"

#include <bit>
#include <cstring>
#include <limits>

#include "storage/Cp932.h"
#include "storage/Cp932Detail.h"

namespace kakeibo {
namespace {

static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559,
              "the files store IEEE 754 doubles");

// The files are little-endian; on a little-endian machine that is a plain
// copy, which matters for the millions of numbers of a long book.
template <class Unsigned>
void appendLittleEndian(std::string& out, Unsigned value) {
    char bytes[sizeof(Unsigned)];
    if constexpr (std::endian::native == std::endian::little) {
        std::memcpy(bytes, &value, sizeof value);
    } else {
        for (std::size_t i = 0; i < sizeof value; ++i) bytes[i] = static_cast<char>(value >> (8 * i));
    }
    out.append(bytes, sizeof bytes);
}

// The stored form of a text: length L = bytes + 1, the bytes, one zero byte.
// A text over the limit is still written whole: the entry check refuses such
// texts, and cutting one here would lose what was typed without a word.
void appendText(std::string& out, std::string_view utf8) {
    const std::size_t lengthAt = out.size();
    appendLittleEndian(out, std::uint32_t{0});  // filled in once the bytes are known
    appendCp932Replacing(out, utf8);
    out += '\0';
    const auto length = static_cast<std::uint32_t>(out.size() - lengthAt - 4);
    for (std::size_t i = 0; i < 4; ++i) out[lengthAt + i] = static_cast<char>(length >> (8 * i));
}

}  // namespace

void BinaryWriter::writeInt(std::int32_t value) {
    appendLittleEndian(bytes_, static_cast<std::uint32_t>(value));
}

void BinaryWriter::writeDouble(double value) {
    appendLittleEndian(bytes_, std::bit_cast<std::uint64_t>(value));
}

void BinaryWriter::writeByte(std::uint8_t value) { bytes_ += static_cast<char>(value); }

void BinaryWriter::writeStr(std::string_view utf8) { appendText(bytes_, utf8); }

void BinaryWriter::writeLongStr(std::string_view utf8) { appendText(bytes_, utf8); }

bool BinaryReader::readByte(std::uint8_t& value) {
    const char* in = nullptr;
    if (!take(1, in)) return false;
    value = static_cast<std::uint8_t>(in[0]);
    return true;
}

bool BinaryReader::readFlag(bool& value) {
    std::uint8_t byte = 0;
    if (!readByte(byte)) return false;
    // Any byte but 0 is true, as a one-byte boolean of the established files.
    value = byte != 0;
    return true;
}

// Lengths are taken as unsigned: a "negative" length is over 2 GB, which no
// file can hold, so it is a read error like any length past the end. A
// length of 0 (not written by this program) reads as the empty text; one
// above the limit is read when the file holds it, so a household's file
// with an overlong text still opens.
bool BinaryReader::readStr(std::string& utf8) {
    std::int32_t stored = 0;
    if (!readInt(stored)) return false;
    auto length = static_cast<std::uint32_t>(stored);
    const char* in = nullptr;
    if (!take(length, in)) return false;
    std::string_view text(in, length);
    std::size_t zero = text.find('\0');
    if (zero != std::string_view::npos) text = text.substr(0, zero);
    utf8 = cp932ToUtf8(text);
    return true;
}

bool BinaryReader::textComesBack(std::string_view stored) { return cp932RoundTrips(stored); }

bool BinaryReader::readLongStr(std::string& utf8) { return readStr(utf8); }

bool BinaryReader::skipStr() {
    std::int32_t stored = 0;
    return readInt(stored) && skip(static_cast<std::uint32_t>(stored));
}

bool BinaryReader::readCount(std::int32_t& count, std::size_t minBytesPerItem) {
    std::int32_t stored = 0;
    if (!readInt(stored)) return false;
    if (stored <= 0) {
        count = 0;
        return true;
    }
    auto wanted = static_cast<std::size_t>(stored);
    if (minBytesPerItem > 0 && wanted > remaining() / minBytesPerItem) {
        failed_ = true;
        return false;
    }
    count = stored;
    return true;
}

}  // namespace kakeibo
