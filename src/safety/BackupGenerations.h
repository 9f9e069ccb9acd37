#pragma once
// Dated copies of the data file in a "backup" folder beside the book, so
// that a mistake saved twice, or a broken card found a week later, can be
// undone: "backup/Mirab050-YYYYMMDD.mrb" holds the book as it was last
// written on that day. The last 30 days that have a copy are kept, and for
// each of the last 24 months its newest copy; older copies are removed only
// once the new one is safely on disk.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Dates.h"
#include "storage/FileLayer.h"

namespace kakeibo {

inline constexpr int kDailyGenerations = 30;
inline constexpr int kMonthlyGenerations = 24;

// programFolder + "backup/".
std::string backupFolderOf(const std::string& programFolder);
// backupFolderOf(programFolder) + "Mirab050-YYYYMMDD.mrb".
std::string generationFileName(const std::string& programFolder, Date day);
// The day in a generation's file name; nothing for any other name.
std::optional<Date> generationDayOf(std::string_view fileName);

struct Generation {
    Date day = 0;
    std::string path;
};
// The generations in the backup folder, oldest first.
std::vector<Generation> listGenerations(const std::string& programFolder);

// Which of days (any order, no repeats) to keep on today: the 30 newest,
// and the newest of each of the 24 months up to today's month. In
// ascending order.
std::vector<Date> generationsToKeep(std::vector<Date> days, Date today);

// The day a data file's generation is named by: the local day it was last
// written. Nothing when the file has no modification time.
std::optional<Date> generationDayOfFile(const std::string& path);

struct KeptGeneration {
    bool written = false;
    std::string path;  // the generation's name, written or not
};
// Writes bytes as the generation of day (replacing that day's copy; the
// folder is made owner-only when missing), then removes what the keeping
// rule above drops. Bytes that a generation holds already are not written
// again; that generation is the one kept. A failure leaves every earlier
// generation as it was.
KeptGeneration keepGeneration(const std::string& programFolder, std::string_view bytes, Date day, Date today,
                              FileLayer& files = systemFileLayer());

}  // namespace kakeibo
