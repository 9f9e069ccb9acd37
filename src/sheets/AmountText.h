#pragma once
// The text forms of an amount of yen: the stored form a cell holds, the
// display form drawn on screen and paper, and the account line labels.

#include <string>
#include <string_view>

namespace kakeibo {

// Reads a cell text as an amount: leading/trailing ASCII spaces, an optional
// sign, digits with an optional "." part, an optional exponent. Anything else
// (a thousands comma, full-width digits, a unit) and overflow give 0.
double textToAmount(std::string_view text);

// The stored form: shortest general form with at most 15 significant digits
// (1500, -230.5, 0; exponent form 1E15, 5E-5 outside the plain range).
// A value that cannot be written (NaN, infinity) gives the empty text.
std::string amountToText(double amount);

// The number-display options of the settings page.
struct AmountDisplay {
    bool comma = false;      // chkBoxComma: thousands separators
    bool twoDecimals = false;  // chkBoxFloat: always two decimals
};

// The display form, rounded half away from zero as the decimal text of the
// amount (its stored form) rounds, so 1.005 shows as 1.01 with two decimals.
std::string formatAmount(double amount, AmountDisplay display);
// The display form, or the empty text for exactly 0.
std::string formatAmountOrBlank(double amount, AmountDisplay display);

// Suffixes of the account line labels, by kind 0 withdrawal, 1 deposit,
// 2 savings; and the prefix of settlement labels.
inline constexpr std::string_view kKozaSuffixWithdraw = " ＿ 引出";
inline constexpr std::string_view kKozaSuffixDeposit = " ＿ 入金";
inline constexpr std::string_view kKozaSuffixSavings = " ＿ 貯金";
inline constexpr std::string_view kSettlementPrefix = "決済 ＿ ";

// bankName joined with the suffix of kind (0..2; any other kind adds nothing).
// The Book's makeKozaLabel(index, kind) picks the bank name field.
std::string makeKozaLabel(std::string_view bankName, int kind);

}  // namespace kakeibo
