#pragma once
// The dates and times in the names of the files kept beside the book
// (backup generations, conflict copies, recovery copies put aside), in the
// local time a person reads them in.

#include <ctime>
#include <string>

#include "model/Dates.h"

namespace kakeibo {

// "YYYYMMDD" of a day.
std::string dayDigits(Date day);
// "YYYYMMDD-HHMMSS" of a moment, in local time.
std::string momentDigits(std::time_t moment);
// "YYYY/MM/DD HH:MM" of a moment, in local time, for messages.
std::string momentText(std::time_t moment);
// The local calendar day of a moment.
Date localDayOf(std::time_t moment);

// A name that is not taken yet: stem + suffix, or stem + "-2" + suffix,
// "-3", ... (two copies made within the same second). The empty text when
// a hundred are taken.
std::string freeFileName(const std::string& stem, const std::string& suffix);

}  // namespace kakeibo
