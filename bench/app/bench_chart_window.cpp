// The graph window on a 20-year book on the offscreen platform: opening it
// on 推移 until its first paint is on the screen (the window made anew, its
// settings read, the balances of every card read and drawn), and one frame
// of zooming the history with the mouse wheel and of panning it, painted.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QChartView>
#include <QScrollBar>
#include <QWheelEvent>

#include <filesystem>
#include <memory>

#include "FirstPaint.h"
#include "app/Fonts.h"
#include "app/TForm1.h"
#include "app/charts/ChartWindow.h"
#include "app/charts/HistoryChartPage.h"
#include "app/charts/HistoryChartView.h"
#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"

namespace {

namespace fs = std::filesystem;
using kakeibo::ChartTab;
using kakeibo::shell::ChartWindow;
using kakeibo::shell::HistoryChartPage;

// The main window over the generated book, its categories applied.
struct GeneratedWindow {
    fs::path folder;
    kakeibo::SilentUi ui;
    std::unique_ptr<kakeibo::shell::TForm1> form;

    GeneratedWindow() {
        char pattern[] = "/tmp/kakeibo-charts-XXXXXX";
        folder = ::mkdtemp(pattern);
        kakeibo::writeProgramFolder(folder.string() + "/", 20);
        form = std::make_unique<kakeibo::shell::TForm1>(folder.string() + "/", ui);
        kakeibo::showAndPaint(*form);
        form->runCommand(kakeibo::applyGeneratedSettings);
    }
    ~GeneratedWindow() {
        form->close();
        form.reset();
        fs::remove_all(folder);
    }
};

void BM_OpenGraphWindowOnHistoryAndPaint(benchmark::State& state) {
    GeneratedWindow window;
    for (auto _ : state) {
        auto* charts = new ChartWindow(window.form->book(), window.form.get());
        kakeibo::FirstPaintWatch watch({});
        charts->showTab(ChartTab::History);
        while (!watch.finished()) QApplication::processEvents(QEventLoop::AllEvents, 50);
        state.PauseTiming();
        delete charts;
        QApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenGraphWindowOnHistoryAndPaint)->Unit(benchmark::kMillisecond)->Iterations(10)->UseRealTime();

// One notch in or out about the middle, then the chart painted.
void BM_HistoryZoomFrame(benchmark::State& state) {
    GeneratedWindow window;
    ChartWindow charts(window.form->book(), window.form.get());
    charts.showTab(ChartTab::History);
    auto* page = static_cast<HistoryChartPage*>(charts.page(ChartTab::History));
    QWidget* port = page->view()->viewport();
    int notch = 1;
    for (auto _ : state) {
        const QPointF at(port->width() / 2.0, port->height() / 2.0);
        QWheelEvent wheel(at, port->mapToGlobal(at), QPoint(), QPoint(0, 120 * notch), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(port, &wheel);
        port->repaint();
        notch = -notch;
    }
    state.counters["draws"] = page->drawCount();
}
BENCHMARK(BM_HistoryZoomFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

// A step of the scroll bar over a year of the twenty, then the chart painted.
void BM_HistoryPanFrame(benchmark::State& state) {
    GeneratedWindow window;
    ChartWindow charts(window.form->book(), window.form.get());
    charts.showTab(ChartTab::History);
    auto* page = static_cast<HistoryChartPage*>(charts.page(ChartTab::History));
    page->chooseRange(kakeibo::HistoryRange::OneYear);
    auto* scroll = page->findChild<QScrollBar*>(QStringLiteral("scrGraphHistory"));
    QWidget* port = page->view()->viewport();
    int step = -scroll->singleStep();
    for (auto _ : state) {
        if (scroll->value() + step < scroll->minimum()) step = scroll->singleStep();
        if (scroll->value() + step > scroll->maximum()) step = -scroll->singleStep();
        scroll->setValue(scroll->value() + step);
        port->repaint();
    }
}
BENCHMARK(BM_HistoryPanFrame)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The charts' Japanese labels in the fonts the program uses.
    kakeibo::shell::installJapaneseFonts();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
