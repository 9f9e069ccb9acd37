// The window program's start on a 20-year book: from creating the main
// window to its first paint of the daily page, then the close with all four
// files written; beside the same for an empty main window holding one table
// view. Both are timed twice on the offscreen platform: inside this process
// (the window alone), and as processes of their own from the program's
// entry (libraries, application object and fonts counted, as a person
// waits for them); "start_ms" is the time to the first paint.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTableView>

#include <filesystem>
#include <string>

#include "FirstPaint.h"
#include "app/TForm1.h"
#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"

namespace {

namespace fs = std::filesystem;

// A program folder holding the generated book, copied afresh for every
// start so each one reads the same files.
struct Folders {
    fs::path pristine;
    fs::path work;

    Folders() {
        char pattern[] = "/tmp/kakeibo-startup-XXXXXX";
        const fs::path root = ::mkdtemp(pattern);
        pristine = root / "pristine";
        work = root / "work";
        fs::create_directories(pristine);
        kakeibo::writeProgramFolder(pristine.string() + "/", 20);
    }
    ~Folders() { fs::remove_all(pristine.parent_path()); }

    std::string fresh() const {
        fs::remove_all(work);
        fs::copy(pristine, work, fs::copy_options::recursive);
        return work.string() + "/";
    }
};

void BM_MainWindowStartAndClose(benchmark::State& state) {
    Folders folders;
    kakeibo::SilentUi ui;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string folder = folders.fresh();
        state.ResumeTiming();
        {
            kakeibo::shell::TForm1 window(folder, ui);
            kakeibo::showAndPaint(window);
            window.close();
        }
        QApplication::processEvents();
    }
    state.counters["messages"] = ui.messages;
}
BENCHMARK(BM_MainWindowStartAndClose)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_EmptyWindowStartAndClose(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.resize(700, 580);
        auto* view = new QTableView(&window);
        auto* model = new QStandardItemModel(30, 3, view);
        view->setModel(model);
        window.setCentralWidget(view);
        kakeibo::showAndPaint(window);
        window.close();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_EmptyWindowStartAndClose)->Unit(benchmark::kMillisecond)->Iterations(5);

// Runs a probe program to its end: the time to its "painted" line and the
// whole run, in milliseconds; false when it failed.
bool runProbe(const QString& program, const QStringList& arguments, double& startMs, double& totalMs) {
    QProcess probe;
    probe.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    probe.start(program, arguments);
    if (!probe.waitForStarted(30000)) return false;
    while (!probe.canReadLine() && probe.state() != QProcess::NotRunning) probe.waitForReadyRead(30000);
    startMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (!probe.waitForFinished(60000)) return false;
    totalMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    return probe.exitStatus() == QProcess::NormalExit && probe.exitCode() == 0 &&
           probe.readLine().trimmed() == "painted";
}

void timeProbe(benchmark::State& state, const QString& program, const Folders* folders) {
    double startSum = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QStringList arguments;
        if (folders) arguments << QString::fromStdString(folders->fresh());
        state.ResumeTiming();
        double startMs = 0;
        double totalMs = 0;
        if (!runProbe(program, arguments, startMs, totalMs)) {
            state.SkipWithError("the probe program failed");
            return;
        }
        startSum += startMs;
    }
    state.counters["start_ms"] = startSum / static_cast<double>(state.iterations());
}

void BM_ProgramProcessStartAndClose(benchmark::State& state) {
    Folders folders;
    timeProbe(state, QString::fromUtf8(KAKEIBO_PROBE_MAIN_WINDOW), &folders);
}
BENCHMARK(BM_ProgramProcessStartAndClose)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_EmptyWindowProcessStartAndClose(benchmark::State& state) {
    timeProbe(state, QString::fromUtf8(KAKEIBO_PROBE_EMPTY_WINDOW), nullptr);
}
BENCHMARK(BM_EmptyWindowProcessStartAndClose)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
