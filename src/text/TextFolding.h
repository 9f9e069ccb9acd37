#pragma once
// The form in which texts are compared when a person searches the book or
// an import rule looks for its text: Unicode NFKC (full-width ASCII and
// half-width katakana become their usual forms), case folded, and hiragana
// as katakana, so "けーき", "ｹｰｷ" and "ケーキ" are one word, and so are
// "ＡＢＣ" and "abc". The folded form is only ever compared: nothing folded
// is stored or shown.

#include <string>
#include <string_view>

namespace kakeibo {

// text (UTF-8) in the compared form. Bytes that are not UTF-8 are kept as
// they are, so a damaged text still finds itself.
std::string foldForMatching(std::string_view text);

// Whether the folded needle occurs in the folded haystack; an empty needle
// occurs everywhere.
bool foldedContains(std::string_view foldedHaystack, std::string_view foldedNeedle);

// text in Unicode NFKC alone (case and kana kept): what an imported text is
// turned into before it must fit the files' character set. Text that is not
// UTF-8 comes back unchanged.
std::string normalizeNfkc(std::string_view text);

}  // namespace kakeibo
