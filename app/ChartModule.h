#pragma once
// The module that holds the graph window. The window program does not link
// Qt Charts: its libraries (Qt Charts, Qt OpenGL and Qt OpenGL Widgets)
// cost every start several milliseconds to load and relocate, for a window
// most sessions never open. The module is loaded at the first "グラフ",
// from beside the program (the build tree) or from the program's library
// folder (the installed package).

#include <string>
#include <vector>

#include "app/ChartWindowPort.h"

namespace kakeibo::shell {

// The name of the function the module exports; it returns the maker.
inline constexpr const char* kChartModuleEntry = "kakeibo_chart_window_maker";
inline constexpr const char* kChartModuleFile = "kakeibo-charts.so";

// A program that links the graph window in (the tests, the benchmarks)
// hands its maker here, and no module is loaded.
void useChartWindowMaker(ChartWindowMaker maker);

// Where the module is looked for, in order, for a program in programDir.
std::vector<std::string> chartModulePlaces(const std::string& programDir);

// Loads the first of the places that holds a module and returns its maker;
// nullptr with the reason in error when none can be loaded.
ChartWindowMaker loadChartModule(const std::vector<std::string>& places, std::string& error);

// What the person is told when the module cannot be loaded: the window
// cannot show, the rest of the program goes on.
std::string chartModuleMissingText(const std::string& error);

// The maker handed in, else the one of the module beside or under this
// program, loaded once; nullptr with the reason in error.
ChartWindowMaker chartWindowMaker(std::string& error);

}  // namespace kakeibo::shell
