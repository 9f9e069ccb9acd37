#include "storage/WindowLayout.h"

#include <charconv>
#include <string_view>
#include <system_error>

#include "storage/FileLayer.h"

namespace kakeibo {

namespace {

constexpr const char* kForm = "Form";
constexpr const char* kPanel = "Panel";
constexpr const char* kCalc = "Calc";

std::optional<int> parseInteger(std::string_view text) {
    if (text.size() > 1 && text.front() == '+' && text[1] != '-') {
        text.remove_prefix(1);
    }
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

std::optional<int> readLayoutValue(const IniFile& file, const std::string& section, const std::string& key) {
    return parseInteger(file.getString(section, key));
}

WindowLayout loadWindowLayout(const IniFile& file) {
    WindowLayout layout;
    layout.left = readLayoutValue(file, kForm, "Left").value_or(kDefaultWindowLeft);
    layout.top = readLayoutValue(file, kForm, "Top").value_or(kDefaultWindowTop);
    layout.height = readLayoutValue(file, kForm, "Height").value_or(kDefaultWindowHeight);
    layout.L0 = readLayoutValue(file, kPanel, "L0");
    layout.L2 = readLayoutValue(file, kPanel, "L2");
    layout.R0 = readLayoutValue(file, kPanel, "R0");
    layout.R2 = readLayoutValue(file, kPanel, "R2");
    layout.Koza0 = readLayoutValue(file, kPanel, "Koza0");
    layout.Koza1 = readLayoutValue(file, kPanel, "Koza1");
    layout.Koza2 = readLayoutValue(file, kPanel, "Koza2");
    layout.Koza3 = readLayoutValue(file, kPanel, "Koza3");
    layout.MonthSummary = readLayoutValue(file, kPanel, "MonthSummary");
    layout.calcLeft = loadCalcLeft(file);
    return layout;
}

std::optional<int> loadCalcLeft(const IniFile& file) {
    return readLayoutValue(file, kCalc, "Left");
}

void applyWindowLayout(const WindowLayout& layout, WindowSizes& sizes) {
    sizes.left = layout.left;
    sizes.top = layout.top;
    sizes.height = layout.height;
    sizes.L0 = layout.L0.value_or(sizes.L0);
    sizes.L2 = layout.L2.value_or(sizes.L2);
    sizes.R0 = layout.R0.value_or(sizes.R0);
    sizes.R2 = layout.R2.value_or(sizes.R2);
    sizes.Koza0 = layout.Koza0.value_or(sizes.Koza0);
    sizes.Koza1 = layout.Koza1.value_or(sizes.Koza1);
    sizes.Koza2 = layout.Koza2.value_or(sizes.Koza2);
    sizes.Koza3 = layout.Koza3.value_or(sizes.Koza3);
    sizes.MonthSummary = layout.MonthSummary.value_or(sizes.MonthSummary);
    sizes.calcLeft = layout.calcLeft.value_or(sizes.calcLeft);
}

void saveWindowLayout(IniFile& file, const WindowSizes& sizes) {
    // Names and decimal digits always have a CP932 form, so no write is refused.
    auto put = [&file](const char* section, const char* key, int value) {
        file.setString(section, key, std::to_string(value));
    };
    put(kForm, "Left", sizes.left);
    put(kForm, "Top", sizes.top);
    put(kForm, "Height", sizes.height);
    put(kPanel, "L0", sizes.L0);
    put(kPanel, "L2", sizes.L2);
    put(kPanel, "R0", sizes.R0);
    put(kPanel, "R2", sizes.R2);
    put(kPanel, "Koza0", sizes.Koza0);
    put(kPanel, "Koza1", sizes.Koza1);
    put(kPanel, "Koza2", sizes.Koza2);
    put(kPanel, "Koza3", sizes.Koza3);
    put(kPanel, "MonthSummary", sizes.MonthSummary);
    put(kCalc, "Left", sizes.calcLeft);
}

std::optional<std::string> windowLayoutFileBytes(const std::string& path, const WindowSizes& sizes,
                                                 FileLayer& files) {
    IniFile file;
    if (files.exists(path)) {
        std::optional<IniFile> existing = IniFile::load(path, files);
        if (!existing) return std::nullopt;
        file = std::move(*existing);
    }
    saveWindowLayout(file, sizes);
    return file.toBytes();
}

bool writeWindowLayoutFile(const std::string& path, const WindowSizes& sizes, FileLayer& files) {
    return IniFile::update(path, [&sizes](IniFile& file) { saveWindowLayout(file, sizes); }, files);
}

std::map<std::string, std::map<std::string, std::string>> allEntries(const IniFile& file) {
    std::map<std::string, std::map<std::string, std::string>> result;
    for (IniFile::Section& section : file.sections()) {
        auto& keys = result[section.name];
        for (auto& [key, value] : section.entries) {
            keys.emplace(std::move(key), std::move(value));
        }
    }
    return result;
}

}  // namespace kakeibo
