#pragma once
// The recovery copy: the whole book as the close would write it, kept
// beside the book while it is being changed, so that a program that is
// killed (a power cut, a crash) loses nothing at the next start.
//
// "Mirab050.recovery.mrb" begins with exactly the bytes the data file
// would get, so the copy (or one put aside under a dated name) opens with
// the data-open command like any data file. After them come the bytes of
// the preferences file and of the month summary file, a short UTF-8 JSON
// text about the copy, and a fixed trailer that finds the parts from the
// end:
//   data | prefs | months | json | 4 x uint64 LE sizes (data, prefs,
//   months, json) | uint64 LE XXH64 of all before the trailer | "KKBRCV01"
// The JSON holds the XXH64 of each part, when the copy was made and the
// data file as the program knew it then (its identity), which tells at the
// next start whether the data file was changed since.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "storage/FileIdentity.h"

namespace kakeibo {

inline constexpr const char* kRecoveryFileName = "Mirab050.recovery.mrb";

// programFolder + "Mirab050.recovery.mrb".
std::string recoveryFileName(const std::string& programFolder);
// The first free "Mirab050.recovery-YYYYMMDD-HHMMSS.mrb" of the moment the
// copy was made: the name a copy is kept under when it is not restored.
std::string keptRecoveryFileName(const std::string& programFolder, std::time_t madeAt);

struct RecoveryParts {
    std::string data;    // the data file's bytes
    std::string prefs;   // the preferences file's
    std::string months;  // the month summary file's
    std::time_t madeAt = 0;
    FileIdentity base;  // the data file as the book knew it

    // The same book over the same data file (the moment aside).
    bool sameBook(const RecoveryParts& other) const {
        return data == other.data && prefs == other.prefs && months == other.months &&
               base.sameContents(other.base);
    }
};

std::string encodeRecoveryFile(const RecoveryParts& parts);
// Nothing for bytes that are not a complete, undamaged recovery copy.
std::optional<RecoveryParts> decodeRecoveryFile(std::string_view bytes);

}  // namespace kakeibo
