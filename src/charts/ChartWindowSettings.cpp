#include "charts/ChartWindowSettings.h"

#include "storage/WindowLayout.h"

namespace kakeibo {

namespace {

std::optional<int> positive(std::optional<int> value) {
    return value && *value > 0 ? value : std::nullopt;
}

}  // namespace

ChartWindowSettings loadChartWindowSettings(const IniFile& file) {
    ChartWindowSettings settings;
    settings.left = readLayoutValue(file, kChartSection, "Left");
    settings.top = readLayoutValue(file, kChartSection, "Top");
    settings.width = positive(readLayoutValue(file, kChartSection, "Width"));
    settings.height = positive(readLayoutValue(file, kChartSection, "Height"));
    const std::optional<int> tab = readLayoutValue(file, kChartSection, "Tab");
    if (tab && *tab >= static_cast<int>(ChartTab::Week) && *tab <= static_cast<int>(ChartTab::History))
        settings.tab = static_cast<ChartTab>(*tab);
    return settings;
}

void saveChartWindowSettings(IniFile& file, const ChartWindowSettings& settings) {
    auto put = [&file](const char* key, std::optional<int> value) {
        if (value) file.setString(kChartSection, key, std::to_string(*value));
    };
    put("Left", settings.left);
    put("Top", settings.top);
    put("Width", settings.width);
    put("Height", settings.height);
    put("Tab", static_cast<int>(settings.tab));
}

bool writeChartWindowSettingsFile(const std::string& path, const ChartWindowSettings& settings,
                                  FileLayer& files) {
    return IniFile::update(path, [&settings](IniFile& file) { saveChartWindowSettings(file, settings); }, files);
}

}  // namespace kakeibo
