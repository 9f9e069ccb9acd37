#pragma once
// The book written beside a data file that somebody else changed since the
// program read it (another computer through a synced folder, another
// program): the other file is never overwritten, and the person gets both
// to compare.

#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "storage/FileLayer.h"

namespace kakeibo {

// programFolder + "Mirab050.conflict-YYYYMMDD-HHMMSS.mrb" (local time).
std::string conflictFileName(const std::string& programFolder, std::time_t moment);

// Writes bytes to the first free conflict name of moment, owner-only and
// crash-safe; the name, or nothing when it could not be written.
std::optional<std::string> writeConflictCopy(const std::string& programFolder, std::string_view bytes,
                                             std::time_t moment, FileLayer& files = systemFileLayer());

}  // namespace kakeibo
