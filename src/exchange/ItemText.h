#pragma once
// What the text of a statement becomes in the book, where it must fit the
// files: one line (line breaks and tabs become spaces), in the files'
// character set (characters Shift-JIS lacks are first put in NFKC, which
// turns many of them into ones it has), and, for an item, cut
// to the 255 bytes a cell holds without splitting a character.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace kakeibo {

struct FittedText {
    std::optional<std::string> text;  // nothing when the text cannot be stored
    std::string error;                // then: which character, in words
};

// A line's item: at most maxBytes CP932 bytes, spaces around cut off.
FittedText fitItemText(std::string_view text, std::size_t maxBytes);
// A memo line: the same, with no length limit of its own.
FittedText fitMemoLine(std::string_view text);

}  // namespace kakeibo
