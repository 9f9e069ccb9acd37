// The one name the graph window's module exports: the main window finds
// the maker through it (app/ChartModule.h).

#include "app/ChartModule.h"
#include "app/charts/ChartWindowMaker.h"

extern "C" __attribute__((visibility("default"))) kakeibo::shell::ChartWindowMaker kakeibo_chart_window_maker() {
    return &kakeibo::shell::makeChartWindow;
}
