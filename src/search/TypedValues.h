#pragma once
// Dates and amounts as a person types them into the search: full-width
// digits and signs are taken like ASCII ones, so what an input method gives
// is understood; anything else is refused rather than guessed.

#include <optional>
#include <string_view>

#include "model/Dates.h"

namespace kakeibo {

// "1500", "-230.5", "12,000", "１２，０００", "−500"; surrounding spaces
// are ignored. Nothing for an empty or malformed text or one too large to
// hold.
std::optional<double> parseTypedAmount(std::string_view text);

// "2024/3/5", "2024-03-05", "2024.3.5", "2024年3月5日", in full-width
// digits too; the year has four digits. Nothing for a malformed text or a
// day that does not exist.
std::optional<Date> parseTypedDate(std::string_view text);

}  // namespace kakeibo
