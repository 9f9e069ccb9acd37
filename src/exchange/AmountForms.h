#pragma once
// The amounts of statements as people and banks write them: 1,234 with
// thousands separators, ￥1,234, ¥1,234, \1,234 (the yen sign of Shift-JIS
// files), 1,234円, full-width digits, a sign in front (-, +, −, and the ▲ or
// △ Japanese statements mark a negative amount with), decimals after ".".

#include <optional>
#include <string_view>

namespace kakeibo {

// The amount in yen, or nothing when the text is not an amount (empty,
// letters, two signs, a separator out of place, an exponent, more than
// thirteen whole digits).
std::optional<double> readStatementAmount(std::string_view text);

}  // namespace kakeibo
