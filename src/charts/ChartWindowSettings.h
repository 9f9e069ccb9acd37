#pragma once
// Where the graph window was and which tab it showed, kept in the window
// settings file under a section of its own, "Graph", so the keys the rest of
// the program writes stay as they are.

#include <optional>
#include <string>

#include "storage/FileLayer.h"
#include "storage/IniFile.h"

namespace kakeibo {

// The tabs in their order on the window: 週 / 月 / 年 / 推移.
enum class ChartTab { Week = 0, Month = 1, Year = 2, History = 3 };

inline constexpr const char* kChartSection = "Graph";

struct ChartWindowSettings {
    // Nothing when the file does not say: the window picks its own place.
    std::optional<int> left;
    std::optional<int> top;
    std::optional<int> width;
    std::optional<int> height;
    ChartTab tab = ChartTab::History;
    bool operator==(const ChartWindowSettings&) const = default;
};

// What the file says; a value that is not a number, or a tab that does not
// exist, counts as absent.
ChartWindowSettings loadChartWindowSettings(const IniFile& file);
void saveChartWindowSettings(IniFile& file, const ChartWindowSettings& settings);

// Reads the file at path, writes the section and saves it, every other line
// as it was. A file that exists but cannot be read is left alone (false);
// a missing one is created.
bool writeChartWindowSettingsFile(const std::string& path, const ChartWindowSettings& settings,
                                  FileLayer& files = systemFileLayer());

}  // namespace kakeibo
