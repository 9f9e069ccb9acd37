#pragma once
// The window settings file: the main window's position and height, the
// heights of the panels the user resizes, and the calculator's left edge.

#include <map>
#include <optional>
#include <string>

#include "storage/FileLayer.h"
#include "storage/IniFile.h"

namespace kakeibo {

// Where the main window opens when the file does not say.
inline constexpr int kDefaultWindowLeft = 100;
inline constexpr int kDefaultWindowTop = 120;
inline constexpr int kDefaultWindowHeight = 480;

// The panels' heights as designed, kept when the file does not say.
inline constexpr int kDesignedL0 = 150;            // pnlL0: spending and income sheets
inline constexpr int kDesignedL2 = 77;             // pnlL2: bank-account sheet
inline constexpr int kDesignedR0 = 144;            // pnlR0: budget and summary sheets
inline constexpr int kDesignedR2 = 69;             // pnlR2: day memo
inline constexpr int kDesignedKoza0 = 97;          // pnlKoza0..3: settings of accounts 1 to 4
inline constexpr int kDesignedKoza1 = 96;
inline constexpr int kDesignedKoza2 = 100;
inline constexpr int kDesignedKoza3 = 207;
inline constexpr int kDesignedMonthSummary = 88;   // pnlMonthRH: monthly income and summary sheets
// The calculator's left edge written when no calculator position is known.
inline constexpr int kDefaultCalcLeft = 100;

// What the file says. The "Form" values are always set (to their defaults
// when the file lacks them); a panel height or the calculator's edge is
// nothing when the file lacks it, so that the window keeps its own.
struct WindowLayout {
    int left = kDefaultWindowLeft;
    int top = kDefaultWindowTop;
    int height = kDefaultWindowHeight;
    std::optional<int> L0;
    std::optional<int> L2;
    std::optional<int> R0;
    std::optional<int> R2;
    std::optional<int> Koza0;
    std::optional<int> Koza1;
    std::optional<int> Koza2;
    std::optional<int> Koza3;
    std::optional<int> MonthSummary;
    std::optional<int> calcLeft;
};

// The current sizes, all known, as shutdown writes them.
struct WindowSizes {
    int left = kDefaultWindowLeft;
    int top = kDefaultWindowTop;
    int height = kDefaultWindowHeight;
    int L0 = kDesignedL0;
    int L2 = kDesignedL2;
    int R0 = kDesignedR0;
    int R2 = kDesignedR2;
    int Koza0 = kDesignedKoza0;
    int Koza1 = kDesignedKoza1;
    int Koza2 = kDesignedKoza2;
    int Koza3 = kDesignedKoza3;
    int MonthSummary = kDesignedMonthSummary;
    int calcLeft = kDefaultCalcLeft;
};

// A value as a profile read gives it (at most 6 characters), as an integer;
// nothing when the key is absent, empty or not a decimal integer (a
// hand-edited "abc" or "12.5" counts as absent).
std::optional<int> readLayoutValue(const IniFile& file, const std::string& section, const std::string& key);

WindowLayout loadWindowLayout(const IniFile& file);
// Only "Calc"/"Left", as the calculator window reads it when it is created.
std::optional<int> loadCalcLeft(const IniFile& file);

// Applies what the file says to sizes: the "Form" values always, the
// others only where the file has them.
void applyWindowLayout(const WindowLayout& layout, WindowSizes& sizes);

// Writes all thirteen keys; the rest of the file stays as it was.
void saveWindowLayout(IniFile& file, const WindowSizes& sizes);

// Reads the file at path, writes the sizes into it and saves it. A file
// that exists but cannot be read is left alone (false), so that nothing in
// it is lost; a missing file is created.
bool writeWindowLayoutFile(const std::string& path, const WindowSizes& sizes,
                           FileLayer& files = systemFileLayer());
// The bytes writeWindowLayoutFile writes; nothing for a file it leaves alone.
std::optional<std::string> windowLayoutFileBytes(const std::string& path, const WindowSizes& sizes,
                                                 FileLayer& files = systemFileLayer());

// Every key's uncut text, section by section, for a machine-readable dump.
std::map<std::string, std::map<std::string, std::string>> allEntries(const IniFile& file);

}  // namespace kakeibo
