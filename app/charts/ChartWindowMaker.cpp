#include "app/charts/ChartWindowMaker.h"

#include "app/ChartModule.h"
#include "app/charts/ChartWindow.h"

namespace kakeibo::shell {

ChartWindowPort* makeChartWindow(Book& book, QWidget* mainWindow) { return new ChartWindow(book, mainWindow); }

void linkChartWindowIn() { useChartWindowMaker(&makeChartWindow); }

}  // namespace kakeibo::shell
