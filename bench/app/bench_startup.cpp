// The window program's start on a 20-year book: from creating the main
// window to its first paint of the daily page, then the close with all four
// files written; beside the same for an empty main window holding one table
// view. Both run on the offscreen platform in one process.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTableView>

#include <filesystem>
#include <string>

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

// Shows the window and waits until it has painted once.
void showAndPaint(QWidget& window) {
    window.show();
    QApplication::processEvents();
    window.grab();  // forces the first paint of everything visible
}

void BM_MainWindowStartAndClose(benchmark::State& state) {
    Folders folders;
    kakeibo::SilentUi ui;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string folder = folders.fresh();
        state.ResumeTiming();
        {
            kakeibo::shell::TForm1 window(folder, ui);
            showAndPaint(window);
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
        showAndPaint(window);
        window.close();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_EmptyWindowStartAndClose)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
