#include "safety/BackupGenerations.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>
#include <system_error>

#include "safety/DatedNames.h"
#include "storage/FileIdentity.h"
#include "storage/FileNames.h"

namespace kakeibo {

namespace {

constexpr std::string_view kGenerationSuffix = ".mrb";

std::string_view generationPrefix() {
    static const std::string prefix = std::string(kFileBaseName) + "-";
    return prefix;
}

bool makeOwnerOnlyFolder(const std::string& folder) {
    if (::mkdir(folder.c_str(), 0700) == 0) return true;
    if (errno != EEXIST) return false;
    struct stat info {};
    return ::stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int monthIndex(const Ymd& ymd) { return ymd.year * 12 + (ymd.month - 1); }

}  // namespace

std::string backupFolderOf(const std::string& programFolder) {
    return withTrailingSlash(programFolder) + "backup/";
}

std::string generationFileName(const std::string& programFolder, Date day) {
    return backupFolderOf(programFolder) + std::string(generationPrefix()) + dayDigits(day) +
           std::string(kGenerationSuffix);
}

std::optional<Date> generationDayOf(std::string_view fileName) {
    const std::string_view prefix = generationPrefix();
    if (fileName.size() != prefix.size() + 8 + kGenerationSuffix.size() || !fileName.starts_with(prefix) ||
        !fileName.ends_with(kGenerationSuffix)) {
        return std::nullopt;
    }
    const std::string_view digits = fileName.substr(prefix.size(), 8);
    if (!std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
        return std::nullopt;
    }
    const int value = std::stoi(std::string(digits));
    return makeDate(value / 10000, value / 100 % 100, value % 100);
}

std::vector<Generation> listGenerations(const std::string& programFolder) {
    std::vector<Generation> generations;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(backupFolderOf(programFolder), error)) {
        std::error_code statError;
        if (!entry.is_regular_file(statError) || entry.is_symlink(statError)) continue;
        const std::string name = entry.path().filename().string();
        if (const std::optional<Date> day = generationDayOf(name)) {
            generations.push_back({*day, entry.path().string()});
        }
    }
    std::sort(generations.begin(), generations.end(),
              [](const Generation& a, const Generation& b) { return a.day < b.day; });
    return generations;
}

std::vector<Date> generationsToKeep(std::vector<Date> days, Date today) {
    std::sort(days.begin(), days.end(), std::greater<>());
    std::set<Date> keep;
    for (std::size_t i = 0; i < days.size() && i < static_cast<std::size_t>(kDailyGenerations); ++i) {
        keep.insert(days[i]);
    }
    const int thisMonth = monthIndex(splitDate(today));
    std::set<int> monthsKept;
    for (Date day : days) {  // newest first: the first of each month is its newest
        const int month = monthIndex(splitDate(day));
        if (month > thisMonth - kMonthlyGenerations && month <= thisMonth && monthsKept.insert(month).second) {
            keep.insert(day);
        }
    }
    return {keep.begin(), keep.end()};
}

std::optional<Date> generationDayOfFile(const std::string& path) {
    const std::int64_t ns = modificationTimeNs(path);
    if (ns == 0) return std::nullopt;
    const Date day = localDayOf(static_cast<std::time_t>(ns / 1'000'000'000));
    return day == 0 ? std::nullopt : std::optional<Date>(day);
}

KeptGeneration keepGeneration(const std::string& programFolder, std::string_view bytes, Date day, Date today,
                              FileLayer& files) {
    KeptGeneration kept;
    kept.path = generationFileName(programFolder, day);
    // A book kept already (a restored generation written back, or a close
    // that changed nothing) is not copied twice, nor put under another day.
    for (const Generation& g : listGenerations(programFolder)) {
        std::error_code error;
        if (std::filesystem::file_size(g.path, error) != bytes.size() || error) continue;
        const std::optional<std::string> held = readWholeFile(g.path, files);
        if (held && *held == bytes) return {true, g.path};
    }
    if (!makeOwnerOnlyFolder(backupFolderOf(programFolder))) return kept;
    // The new folder's own entry must last as well.
    files.fsyncFolder(withTrailingSlash(programFolder));
    if (!saveFileSafely(kept.path, bytes, false, files)) return kept;
    kept.written = true;

    const std::vector<Generation> present = listGenerations(programFolder);
    std::vector<Date> days;
    for (const Generation& g : present) days.push_back(g.day);
    const std::vector<Date> keep = generationsToKeep(days, today);
    for (const Generation& g : present) {
        // The copy just made stays whatever its day: it is the book this
        // write replaced. A copy that cannot be removed now goes at a later close.
        if (g.day != day && !std::binary_search(keep.begin(), keep.end(), g.day)) files.unlink(g.path);
    }
    return kept;
}

}  // namespace kakeibo
