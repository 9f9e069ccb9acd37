#pragma once
// The graph window's maker, which the module hands the main window, and
// which a program that links the graph window in hands it itself.

#include "app/ChartWindowPort.h"

namespace kakeibo::shell {

ChartWindowPort* makeChartWindow(Book& book, QWidget* mainWindow);

// For the programs that link the graph window in: the main window makes
// it with makeChartWindow and loads no module.
void linkChartWindowIn();

}  // namespace kakeibo::shell
