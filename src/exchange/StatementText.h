#pragma once
// A statement file's bytes as UTF-8 text. Banks and card companies write
// Shift-JIS (CP932) or UTF-8, with or without a byte-order mark; the file
// says which only by its bytes, so "auto" takes valid UTF-8 as UTF-8 and
// everything else as CP932.

#include <optional>
#include <string>
#include <string_view>

namespace kakeibo {

enum class StatementEncoding { Auto, Cp932, Utf8 };

// "auto", "cp932", "utf-8" (as the command line and the rules file write
// them), and back.
std::string_view encodingName(StatementEncoding encoding);
std::optional<StatementEncoding> encodingFromName(std::string_view name);

struct StatementText {
    std::string text;                                  // UTF-8, byte-order mark removed
    StatementEncoding encoding = StatementEncoding::Utf8;  // the one used: never Auto
};

// Decodes the bytes. Bytes that are not characters of the encoding become
// U+FFFD, so decoding never fails; a row holding one is refused later,
// naming the character, rather than booked with a hole in it.
StatementText decodeStatement(std::string_view bytes, StatementEncoding encoding);

// Whether bytes are UTF-8 throughout (no overlong forms, no surrogates).
bool isValidUtf8(std::string_view bytes);

// The largest statement file read; a bigger file is taken for a mistake.
inline constexpr std::size_t kMaxStatementBytes = std::size_t{64} << 20;

}  // namespace kakeibo
