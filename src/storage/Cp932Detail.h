#pragma once
// The storage layer's own CP932 conversion beyond the public one.

#include <string>
#include <string_view>

namespace kakeibo {

// The CP932 bytes of a UTF-8 text with "?" for every character that has no
// CP932 form (and every byte that is not UTF-8). The writers use it so a
// text that bypassed the entry check is still written, changed only where
// it could not be stored.
std::string utf8ToCp932Replacing(std::string_view utf8);
// The same, appended to out (the writers' form: no text is copied twice).
void appendCp932Replacing(std::string& out, std::string_view utf8);

}  // namespace kakeibo
