#pragma once
// The dates of statements: 2026/12/08, 2026-12-08, 20261208, 2026年12月8日
// and the Japanese era forms R8.12.8 and 令和8年12月8日 (元年 for the
// first year); full-width digits and the era signs ㍻ ㋿ are read as their
// plain forms. QIF writes M/D/YYYY, M/D'YY (the apostrophe: 2000 and
// later) and YYYY-MM-DD.

#include <optional>
#include <string_view>

#include "model/Dates.h"

namespace kakeibo {

// Auto reads any of the forms; the others read only their own.
enum class DateForm { Auto, Slash, Hyphen, Digits, Kanji, Era };

// "auto", "slash", "hyphen", "digits", "kanji", "era", and back.
std::string_view dateFormName(DateForm form);
std::optional<DateForm> dateFormFromName(std::string_view name);

// Dates before 1900 or after 2999, days that do not exist, and era dates
// outside their era (平成31年5月1日, 令和元年4月30日) are not dates.
std::optional<Date> readStatementDate(std::string_view text, DateForm form = DateForm::Auto);

// M/D/YYYY, M/D/YY (YY below 50: 20YY, else 19YY), M/D'YY, M/D'YYYY and
// YYYY-MM-DD, with the spaces some programs pad the numbers with.
std::optional<Date> readQifDate(std::string_view text);

}  // namespace kakeibo
