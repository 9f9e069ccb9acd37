#pragma once
// Texts are UTF-8 in memory and CP932 (Windows Japanese) bytes in every file.
// Conversion goes through glibc's iconv, code page 932 (not JIS Shift_JIS:
// CP932 holds ①, ～, ＼, ￢ and the other Windows characters).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kakeibo {

// Byte limits of the files' texts, in CP932 bytes.
inline constexpr std::size_t kShortTextMaxBytes = 255;   // names, cells
inline constexpr std::size_t kLongTextMaxBytes = 16000;  // memos, the note

// The CP932 bytes of a UTF-8 text; nothing when a character has no CP932
// form (or the text is not valid UTF-8).
std::optional<std::string> utf8ToCp932(std::string_view utf8);

// The UTF-8 text of CP932 bytes. A byte sequence that is not CP932 becomes
// U+FFFD, so reading never fails.
std::string cp932ToUtf8(std::string_view cp932);

// Whether reading these CP932 bytes (cp932ToUtf8) and writing the text
// again gives the same bytes. It does not for bytes that are not CP932
// (read as U+FFFD, written as "?"), nor for the codes of one character that
// has two (NEC and IBM duplicates: written as the one the converter
// prefers). A zero byte ends a stored text, so it never round-trips either.
bool cp932RoundTrips(std::string_view cp932);

// The CP932 byte length of a UTF-8 text, or nothing when it has no CP932 form.
std::optional<std::size_t> cp932Length(std::string_view utf8);

// The check the editing layer runs before taking a typed text, so nothing
// typed is lost or changed at saving.
enum class TextCheck { Ok, NotEncodable, TooLong };
TextCheck checkStorableText(std::string_view utf8, std::size_t maxBytes);

}  // namespace kakeibo
