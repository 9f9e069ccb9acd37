#include "storage/Cp932.h"

#include <iconv.h>

#include <atomic>
#include <cerrno>
#include <cstdint>

#include "storage/Cp932Detail.h"

namespace kakeibo {
namespace {

// glibc's CP932 is the authority for every mapping, its one-way mappings
// included (U+301C WAVE DASH is written as the FULLWIDTH TILDE's bytes).
// Asking iconv for each text costs more than the text itself, and a 20-year
// book holds over half a million texts, so each character's answer is
// asked once and kept in a table. ASCII maps to itself in CP932 (no yen sign
// in place of the backslash), and is passed through directly.

constexpr std::uint32_t kUnknown = 0;           // not asked yet
constexpr std::uint32_t kNone = 0xFFFFFFFFu;    // no character / no CP932 form
constexpr std::uint32_t kLead = 0xFFFFFFFEu;    // a byte that starts a two-byte character

// Table entries are written once with the one answer iconv gives, so a
// relaxed atomic (a plain load on common machines) is enough between threads.
// The decoding tables hold a character's UTF-8 bytes ready to copy:
// byte0 | byte1 << 8 | byte2 << 16 | length << 24 (CP932 maps only into the
// basic plane, so three bytes suffice).
std::atomic<std::uint32_t> singleByteTable[256];         // byte -> UTF-8, kLead or kNone
std::atomic<std::uint32_t> doubleByteTable[256 * 256];   // lead << 8 | trail -> UTF-8 or kNone
std::atomic<std::uint32_t> encodeTable[0x10000];         // code point -> 1 + bytes (see below) or kNone

bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// One conversion descriptor per direction and thread: a descriptor holds
// shift state, so threads must not share one.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts all of in; the output, or the errno that stopped it.
    int convertAll(std::string_view in, std::string& out) {
        out.clear();
        if (!ok()) return EBADF;
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buffer[16];
        char* inPtr = const_cast<char*>(in.data());
        std::size_t inLeft = in.size();
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
        int error = rc == static_cast<std::size_t>(-1) ? errno : 0;
        out.assign(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (error == 0 && inLeft != 0) error = EILSEQ;
        return error;
    }

private:
    iconv_t cd_;
};

Converter& toCp932() {
    thread_local Converter converter("CP932", "UTF-8");
    return converter;
}

Converter& fromCp932() {
    thread_local Converter converter("UTF-8", "CP932");
    return converter;
}

// Strict UTF-8: the length of the character at text[0] and its code point,
// or 0 for a sequence glibc would refuse (overlong, surrogate, past U+10FFFF,
// cut short).
inline std::size_t decodeUtf8(const unsigned char* text, std::size_t left, std::uint32_t& codePoint) {
    unsigned char lead = text[0];
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    // The common case of Japanese text: a three-byte character outside the
    // ranges with a narrower second byte.
    if (lead >= 0xE1 && lead <= 0xEC && left >= 3 && (text[1] & 0xC0) == 0x80 && (text[2] & 0xC0) == 0x80) {
        codePoint = (static_cast<std::uint32_t>(lead & 0x0F) << 12) |
                    (static_cast<std::uint32_t>(text[1] & 0x3F) << 6) | (text[2] & 0x3F);
        return 3;
    }
    std::size_t length;
    unsigned char low = 0x80, high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 0;
    }
    if (length > left) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        unsigned char next = text[i];
        if (i == 1 ? (next < low || next > high) : (next & 0xC0) != 0x80) return 0;
        codePoint = (codePoint << 6) | (next & 0x3F);
    }
    return length;
}

// How far to step over a byte sequence that is not a character: the whole
// sequence when it is shaped like one, else the one byte.
std::size_t badSequenceLength(const unsigned char* text, std::size_t left) {
    unsigned char lead = text[0];
    std::size_t length = lead >= 0xF0 && lead <= 0xF7 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    if (lead >= 0xF8 || length > left) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((text[i] & 0xC0) != 0x80) return 1;
    }
    return length;
}

void appendUtf8(std::string& out, std::uint32_t codePoint) {
    if (codePoint < 0x80) {
        out += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        out += static_cast<char>(0xC0 | (codePoint >> 6));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else if (codePoint < 0x10000) {
        out += static_cast<char>(0xE0 | (codePoint >> 12));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (codePoint >> 18));
        out += static_cast<char>(0x80 | ((codePoint >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

// The one character iconv makes of CP932 bytes, as a decoding table entry;
// kLead for a single byte that begins a longer character; kNone otherwise.
std::uint32_t askDecode(std::string_view bytes) {
    std::string utf8;
    int error = fromCp932().convertAll(bytes, utf8);
    if (error == EINVAL && bytes.size() == 1) return kLead;
    if (error != 0 || utf8.empty() || utf8.size() > 3) return kNone;
    std::uint32_t codePoint = 0;
    const auto* text = reinterpret_cast<const unsigned char*>(utf8.data());
    if (decodeUtf8(text, utf8.size(), codePoint) != utf8.size() || codePoint == 0) return kNone;
    std::uint32_t entry = static_cast<std::uint32_t>(utf8.size()) << 24;
    for (std::size_t i = 0; i < utf8.size(); ++i) entry |= static_cast<std::uint32_t>(text[i]) << (8 * i);
    return entry;
}

// Copies a decoding table entry's UTF-8 bytes to out; returns the next free byte.
char* putUtf8(char* out, std::uint32_t entry) {
    std::size_t length = entry >> 24;
    out[0] = static_cast<char>(entry & 0xFF);
    out[1] = static_cast<char>((entry >> 8) & 0xFF);
    out[2] = static_cast<char>((entry >> 16) & 0xFF);
    return out + length;
}

std::uint32_t singleByte(unsigned char byte) {
    std::uint32_t entry = singleByteTable[byte].load(std::memory_order_relaxed);
    if (entry == kUnknown) {
        char c = static_cast<char>(byte);
        entry = askDecode(std::string_view(&c, 1));
        singleByteTable[byte].store(entry, std::memory_order_relaxed);
    }
    return entry;
}

std::uint32_t doubleByte(unsigned char lead, unsigned char trail) {
    std::size_t index = static_cast<std::size_t>(lead) << 8 | trail;
    std::uint32_t entry = doubleByteTable[index].load(std::memory_order_relaxed);
    if (entry == kUnknown) {
        const char pair[2] = {static_cast<char>(lead), static_cast<char>(trail)};
        entry = askDecode(std::string_view(pair, 2));
        doubleByteTable[index].store(entry, std::memory_order_relaxed);
    }
    return entry;
}

// The CP932 form of a code point as 1 + (bytes << 1) + two-byte flag, so
// that no answer is 0 (unknown); kNone when it has none.
inline std::uint32_t encodeEntry(std::uint32_t codePoint) {
    if (codePoint >= 0x10000) return kNone;  // CP932 holds only the basic plane
    std::uint32_t entry = encodeTable[codePoint].load(std::memory_order_relaxed);
    if (entry != kUnknown) return entry;
    std::string utf8;
    appendUtf8(utf8, codePoint);
    std::string bytes;
    entry = kNone;
    if (toCp932().convertAll(utf8, bytes) == 0 && (bytes.size() == 1 || bytes.size() == 2)) {
        std::uint32_t value = static_cast<unsigned char>(bytes[0]);
        if (bytes.size() == 2) value = value << 8 | static_cast<unsigned char>(bytes[1]);
        entry = 1 + (value << 1) + (bytes.size() == 2 ? 1 : 0);
    }
    encodeTable[codePoint].store(entry, std::memory_order_relaxed);
    return entry;
}

char* putEncoded(char* out, std::uint32_t entry) {
    std::uint32_t value = (entry - 1) >> 1;
    if ((entry - 1) & 1) *out++ = static_cast<char>(value >> 8);
    *out++ = static_cast<char>(value & 0xFF);
    return out;
}

// Appends the CP932 form of utf8; false at the first character without one
// unless replacing, which writes "?" for it and goes on. CP932 is never
// longer than UTF-8 (one byte for one, at most two for two to four), so the
// output is written into room made beforehand and cut to size.
bool appendCp932(std::string& out, std::string_view utf8, bool replacing) {
    const auto* text = reinterpret_cast<const unsigned char*>(utf8.data());
    const std::size_t size = utf8.size();
    const std::size_t start = out.size();
    out.resize(start + size);
    char* next = out.data() + start;
    std::size_t i = 0;
    bool complete = true;
    while (i < size) {
        if (text[i] < 0x80) {
            *next++ = static_cast<char>(text[i++]);
            continue;
        }
        std::uint32_t codePoint = 0;
        std::size_t length = decodeUtf8(text + i, size - i, codePoint);
        std::uint32_t entry = length == 0 ? kNone : encodeEntry(codePoint);
        if (entry == kNone) {
            if (!replacing) {
                complete = false;
                break;
            }
            *next++ = '?';
            i += length == 0 ? badSequenceLength(text + i, size - i) : length;
            continue;
        }
        next = putEncoded(next, entry);
        i += length;
    }
    out.resize(static_cast<std::size_t>(next - out.data()));
    return complete;
}

// Whether the character a decoding table entry holds is written back as
// the bytes it was read from (value: the one byte, or lead << 8 | trail).
bool writtenBackAs(std::uint32_t decoded, std::uint32_t value, bool twoBytes) {
    std::uint32_t codePoint = 0;
    char utf8[3];
    const std::size_t length = static_cast<std::size_t>(putUtf8(utf8, decoded) - utf8);
    if (decodeUtf8(reinterpret_cast<const unsigned char*>(utf8), length, codePoint) != length) return false;
    return encodeEntry(codePoint) == 1 + (value << 1) + (twoBytes ? 1 : 0);
}

// The answers of writtenBackAs for every byte pair, asked once each.
constexpr std::uint8_t kRoundTripUnknown = 0, kRoundTrips = 1, kChanges = 2;
std::atomic<std::uint8_t> pairRoundTrip[256 * 256];
std::atomic<std::uint8_t> byteRoundTrip[256];

bool byteRoundTrips(unsigned char byte, std::uint32_t single) {
    std::uint8_t known = byteRoundTrip[byte].load(std::memory_order_relaxed);
    if (known == kRoundTripUnknown) {
        known = writtenBackAs(single, byte, false) ? kRoundTrips : kChanges;
        byteRoundTrip[byte].store(known, std::memory_order_relaxed);
    }
    return known == kRoundTrips;
}

bool pairRoundTrips(unsigned char lead, unsigned char trail, std::uint32_t pair) {
    const std::size_t index = static_cast<std::size_t>(lead) << 8 | trail;
    std::uint8_t known = pairRoundTrip[index].load(std::memory_order_relaxed);
    if (known == kRoundTripUnknown) {
        known = writtenBackAs(pair, static_cast<std::uint32_t>(index), true) ? kRoundTrips : kChanges;
        pairRoundTrip[index].store(known, std::memory_order_relaxed);
    }
    return known == kRoundTrips;
}

}  // namespace

bool cp932RoundTrips(std::string_view cp932) {
    // The same steps as cp932ToUtf8 takes, each checked for its way back.
    // The start-up checks every text of the book this way, so a pair or a
    // byte already known to come back is passed on one table look-up: only
    // a lead byte whose pair decoded is ever marked as coming back.
    const auto* text = reinterpret_cast<const unsigned char*>(cp932.data());
    const std::size_t size = cp932.size();
    std::size_t i = 0;
    while (i < size) {
        const unsigned char byte = text[i];
        if (byte < 0x80) {
            if (byte == 0) return false;
            ++i;
            continue;
        }
        if (i + 1 < size) {
            const std::size_t index = static_cast<std::size_t>(byte) << 8 | text[i + 1];
            if (pairRoundTrip[index].load(std::memory_order_relaxed) == kRoundTrips) {
                i += 2;
                continue;
            }
        }
        if (byteRoundTrip[byte].load(std::memory_order_relaxed) == kRoundTrips) {
            ++i;
            continue;
        }
        const std::uint32_t single = singleByte(byte);
        if (single == kLead) {
            if (i + 1 >= size) return false;
            const std::uint32_t pair = doubleByte(byte, text[i + 1]);
            if (pair == kNone || !pairRoundTrips(byte, text[i + 1], pair)) return false;
            i += 2;
        } else {
            if (single == kNone || !byteRoundTrips(byte, single)) return false;
            ++i;
        }
    }
    return true;
}

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    std::string out;
    out.reserve(utf8.size());
    if (!appendCp932(out, utf8, false)) return std::nullopt;
    return out;
}

void appendCp932Replacing(std::string& out, std::string_view utf8) {
    if (isAscii(utf8)) {
        out += utf8;
        return;
    }
    appendCp932(out, utf8, true);
}

std::string utf8ToCp932Replacing(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    appendCp932Replacing(out, utf8);
    return out;
}

std::string cp932ToUtf8(std::string_view cp932) {
    if (isAscii(cp932)) return std::string(cp932);
    // Every byte gives at most three UTF-8 bytes; the output is built in one
    // scratch buffer and copied once into a string of its exact size.
    thread_local std::string scratch;
    if (scratch.size() < 3 * cp932.size()) scratch.resize(3 * cp932.size());
    char* out = scratch.data();
    const auto* text = reinterpret_cast<const unsigned char*>(cp932.data());
    const std::size_t size = cp932.size();
    std::size_t i = 0;
    while (i < size) {
        unsigned char byte = text[i];
        if (byte < 0x80) {
            *out++ = static_cast<char>(byte);
            ++i;
            continue;
        }
        std::uint32_t single = singleByte(byte);
        if (single == kLead && i + 1 < size) {
            std::uint32_t pair = doubleByte(byte, text[i + 1]);
            if (pair != kNone) {
                out = putUtf8(out, pair);
                i += 2;
                continue;
            }
        } else if (single != kLead && single != kNone) {
            out = putUtf8(out, single);
            ++i;
            continue;
        }
        // A byte that starts no character, a lead byte whose trail byte does
        // not fit, or a lead byte cut off at the end: one replacement
        // character for the one byte, then on with the next byte, so a
        // following ASCII character is never swallowed.
        out = putUtf8(out, 0x03BDBFEFu);  // U+FFFD
        ++i;
    }
    return std::string(scratch.data(), static_cast<std::size_t>(out - scratch.data()));
}

std::optional<std::size_t> cp932Length(std::string_view utf8) {
    if (isAscii(utf8)) return utf8.size();
    std::optional<std::string> bytes = utf8ToCp932(utf8);
    if (!bytes) return std::nullopt;
    return bytes->size();
}

TextCheck checkStorableText(std::string_view utf8, std::size_t maxBytes) {
    // A zero character would end the stored text early on reading.
    if (utf8.find('\0') != std::string_view::npos) return TextCheck::NotEncodable;
    std::optional<std::size_t> length = cp932Length(utf8);
    if (!length) return TextCheck::NotEncodable;
    return *length > maxBytes ? TextCheck::TooLong : TextCheck::Ok;
}

}  // namespace kakeibo
