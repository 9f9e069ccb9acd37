#include "safety/ConflictCopy.h"

#include "safety/DatedNames.h"
#include "storage/FileNames.h"

namespace kakeibo {

namespace {

std::string conflictStem(const std::string& programFolder, std::time_t moment) {
    return withTrailingSlash(programFolder) + kFileBaseName + ".conflict-" + momentDigits(moment);
}

}  // namespace

std::string conflictFileName(const std::string& programFolder, std::time_t moment) {
    return conflictStem(programFolder, moment) + ".mrb";
}

std::optional<std::string> writeConflictCopy(const std::string& programFolder, std::string_view bytes,
                                             std::time_t moment, FileLayer& files) {
    const std::string name = freeFileName(conflictStem(programFolder, moment), ".mrb");
    if (name.empty() || !saveFileSafely(name, bytes, false, files)) return std::nullopt;
    return name;
}

}  // namespace kakeibo
