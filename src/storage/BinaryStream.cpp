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

void appendLittleEndian(std::string& out, std::uint64_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        out += static_cast<char>(static_cast<unsigned char>(value >> (8 * i)));
    }
}

std::uint64_t loadLittleEndian(const char* in, int byteCount) {
    std::uint64_t value = 0;
    for (int i = 0; i < byteCount; ++i) {
        value |= static_cast<std::uint64_t>(static_cast<unsigned char>(in[i])) << (8 * i);
    }
    return value;
}

// The stored form of a text: length L = bytes + 1, the bytes, one zero byte.
// A text over the limit is still written whole: the entry check refuses such
// texts, and cutting one here would lose what was typed without a word.
void appendText(std::string& out, std::string_view utf8) {
    std::string bytes = utf8ToCp932Replacing(utf8);
    appendLittleEndian(out, static_cast<std::uint32_t>(bytes.size() + 1), 4);
    out += bytes;
    out += '\0';
}

}  // namespace

void BinaryWriter::writeInt(std::int32_t value) {
    appendLittleEndian(bytes_, static_cast<std::uint32_t>(value), 4);
}

void BinaryWriter::writeDouble(double value) {
    appendLittleEndian(bytes_, std::bit_cast<std::uint64_t>(value), 8);
}

void BinaryWriter::writeByte(std::uint8_t value) { bytes_ += static_cast<char>(value); }

void BinaryWriter::writeStr(std::string_view utf8) { appendText(bytes_, utf8); }

void BinaryWriter::writeLongStr(std::string_view utf8) { appendText(bytes_, utf8); }

bool BinaryReader::take(std::size_t n, const char*& out) {
    if (failed_ || n > remaining()) {
        failed_ = true;
        return false;
    }
    out = bytes_.data() + pos_;
    pos_ += n;
    return true;
}

bool BinaryReader::readInt(std::int32_t& value) {
    const char* in = nullptr;
    if (!take(4, in)) return false;
    value = static_cast<std::int32_t>(static_cast<std::uint32_t>(loadLittleEndian(in, 4)));
    return true;
}

bool BinaryReader::readDouble(double& value) {
    const char* in = nullptr;
    if (!take(8, in)) return false;
    value = std::bit_cast<double>(loadLittleEndian(in, 8));
    return true;
}

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

bool BinaryReader::readLongStr(std::string& utf8) { return readStr(utf8); }

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
