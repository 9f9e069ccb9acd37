#include "storage/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstring>

#include "storage/Cp932Detail.h"

namespace kakeibo {
namespace {

constexpr const char* kReplacementUtf8 = "\xEF\xBF\xBD";  // U+FFFD

bool isAscii(std::string_view text) {
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// One conversion descriptor per direction and thread: opening one costs far
// more than converting a cell's text, and a descriptor holds shift state, so
// threads must not share it.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
    void reset() { iconv(cd_, nullptr, nullptr, nullptr, nullptr); }

    // Converts as much of [in, in + inLeft) as it can, appending to out.
    // Returns 0 when everything was converted, else the errno that stopped it
    // (EILSEQ: a sequence with no conversion; EINVAL: cut short at the end).
    int convert(const char*& in, std::size_t& inLeft, std::string& out) {
        char buffer[1024];
        while (inLeft > 0) {
            char* inPtr = const_cast<char*>(in);
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            std::size_t rc = iconv(cd_, &inPtr, &inLeft, &outPtr, &outLeft);
            int error = rc == static_cast<std::size_t>(-1) ? errno : 0;
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            in = inPtr;
            if (error == E2BIG) continue;
            if (error != 0) return error;
        }
        return 0;
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

// The length of the UTF-8 sequence starting at text[0]; 1 for a byte that
// cannot start one, so a bad byte is stepped over alone.
std::size_t utf8SequenceLength(const char* text, std::size_t left) {
    auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3
                                          : lead >= 0xC2 && lead <= 0xDF ? 2 : 1;
    if (lead >= 0xF5) length = 1;
    if (length > left) return 1;
    for (std::size_t i = 1; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) return 1;
    }
    return length;
}

}  // namespace

std::optional<std::string> utf8ToCp932(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    Converter& converter = toCp932();
    if (!converter.ok()) return std::nullopt;
    converter.reset();
    std::string out;
    out.reserve(utf8.size());
    const char* in = utf8.data();
    std::size_t left = utf8.size();
    if (converter.convert(in, left, out) != 0) return std::nullopt;
    return out;
}

std::string utf8ToCp932Replacing(std::string_view utf8) {
    if (isAscii(utf8)) return std::string(utf8);
    Converter& converter = toCp932();
    std::string out;
    out.reserve(utf8.size());
    if (!converter.ok()) {
        // Without the converter only ASCII survives; everything else becomes "?".
        for (std::size_t i = 0; i < utf8.size();) {
            std::size_t length = utf8SequenceLength(utf8.data() + i, utf8.size() - i);
            out += length == 1 && static_cast<unsigned char>(utf8[i]) < 0x80 ? utf8[i] : '?';
            i += length;
        }
        return out;
    }
    converter.reset();
    const char* in = utf8.data();
    std::size_t left = utf8.size();
    while (left > 0) {
        if (converter.convert(in, left, out) == 0) break;
        std::size_t skip = utf8SequenceLength(in, left);
        out += '?';
        in += skip;
        left -= skip;
        converter.reset();
    }
    return out;
}

std::string cp932ToUtf8(std::string_view cp932) {
    if (isAscii(cp932)) return std::string(cp932);
    Converter& converter = fromCp932();
    std::string out;
    out.reserve(cp932.size() + cp932.size() / 2);
    if (!converter.ok()) {
        for (char c : cp932) {
            if (static_cast<unsigned char>(c) < 0x80) {
                out += c;
            } else {
                out += kReplacementUtf8;
            }
        }
        return out;
    }
    converter.reset();
    const char* in = cp932.data();
    std::size_t left = cp932.size();
    while (left > 0) {
        int error = converter.convert(in, left, out);
        if (error == 0) break;
        // A byte that starts no CP932 character, a lead byte whose trail byte
        // is not valid, or a lead byte cut off at the end: one replacement
        // character for the one byte, then go on with the next byte, so a
        // following ASCII character is never swallowed.
        out += kReplacementUtf8;
        ++in;
        --left;
        converter.reset();
    }
    return out;
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
