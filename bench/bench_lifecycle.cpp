// The book's own start-up and close on a 20-year program folder, without a
// window: what the window program's start waits for beyond its widgets.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <string>

#include "book/DataPrefetch.h"
#include "book/Lifecycle.h"
#include "storage/FileNames.h"
#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"

namespace kakeibo {
namespace {

namespace fs = std::filesystem;

struct Folder {
    fs::path root;
    Folder() {
        char pattern[] = "/tmp/kakeibo-lifecycle-XXXXXX";
        root = ::mkdtemp(pattern);
        writeProgramFolder(root.string() + "/", 20);
    }
    ~Folder() { fs::remove_all(root); }
};

void BM_FormCreate(benchmark::State& state) {
    Folder folder;
    SilentUi ui;
    for (auto _ : state) {
        auto book = std::make_unique<Book>(ui);
        book->folder = folder.root.string() + "/";
        benchmark::DoNotOptimize(formCreate(*book));
        // The program frees the book once, at its end.
        state.PauseTiming();
        book.reset();
        state.ResumeTiming();
    }
    state.counters["messages"] = ui.messages;
}
BENCHMARK(BM_FormCreate)->Unit(benchmark::kMillisecond)->Iterations(10);

// The same with the data file read as the window program reads it: a
// thread decodes the cards from the oldest on while the start-up decodes
// from the newest back, so the two share the work.
void BM_FormCreateWithPrefetch(benchmark::State& state) {
    Folder folder;
    SilentUi ui;
    const std::string path = folder.root.string() + "/";
    for (auto _ : state) {
        auto book = std::make_unique<Book>(ui);
        book->folder = path;
        DataPrefetch prefetch(dataFileName(path));
        benchmark::DoNotOptimize(formCreate(*book, &prefetch));
        state.PauseTiming();
        book.reset();
        state.ResumeTiming();
    }
    state.counters["messages"] = ui.messages;
}
BENCHMARK(BM_FormCreateWithPrefetch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

}  // namespace
}  // namespace kakeibo
