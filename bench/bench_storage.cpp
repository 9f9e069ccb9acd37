// The data file of a 20-year book: reading and writing it, against one
// plain read() of the same bytes.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"
#include "messages/UiPort.h"
#include "storage/DataFile.h"
#include "storage/FileLayer.h"

namespace kakeibo {
namespace {

struct Fixture {
    DataImage book = generateBook(20);
    std::string bytes = encodeDataFile(book);
    std::string folder;
    std::string path;

    Fixture() {
        char pattern[] = "/tmp/kakeibo-bench-XXXXXX";
        folder = ::mkdtemp(pattern) ? pattern : "/tmp";
        path = folder + "/Mirab050.mrb";
        saveFileSafely(path, bytes, true);
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void reportSize(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fixture().bytes.size()));
    state.counters["cards"] = static_cast<double>(fixture().book.cards.size());
    state.counters["file_MB"] = static_cast<double>(fixture().bytes.size()) / 1e6;
}

// Freeing the book read is not part of reading it: the program does that once, at its end.
void BM_DecodeDataFile(benchmark::State& state) {
    for (auto _ : state) {
        DataImage image;
        benchmark::DoNotOptimize(decodeDataFile(fixture().bytes, image));
        benchmark::DoNotOptimize(image.cards.data());
        state.PauseTiming();
        image = DataImage{};
        state.ResumeTiming();
    }
    reportSize(state);
}
BENCHMARK(BM_DecodeDataFile)->Unit(benchmark::kMillisecond);

// Finding the card blocks by their lengths and checking that each is as
// the encoder writes it: what start-up does in place of decoding the cards.
void BM_ScanDataFile(benchmark::State& state) {
    for (auto _ : state) {
        std::optional<DataFileLayout> layout = scanDataFile(fixture().bytes);
        if (!layout) state.SkipWithError("the layout was not found");
        benchmark::DoNotOptimize(layout);
    }
    reportSize(state);
}
BENCHMARK(BM_ScanDataFile)->Unit(benchmark::kMillisecond);

// The start-up's scan: lengths and zero bytes only, the texts' CP932 left
// to the card list's check after the first paint.
void BM_ScanDataFileAtStart(benchmark::State& state) {
    for (auto _ : state) {
        std::optional<DataFileLayout> layout = scanDataFile(fixture().bytes, TextScan::LeftToCardList);
        if (!layout) state.SkipWithError("the layout was not found");
        benchmark::DoNotOptimize(layout);
    }
    reportSize(state);
}
BENCHMARK(BM_ScanDataFileAtStart)->Unit(benchmark::kMillisecond);

void BM_LoadData(benchmark::State& state) {
    SilentUi ui;
    for (auto _ : state) {
        DataImage image;
        benchmark::DoNotOptimize(loadData(fixture().path, image, ui));
        state.PauseTiming();
        image = DataImage{};
        state.ResumeTiming();
    }
    if (ui.messages != 0) state.SkipWithError("loading showed a message");
    reportSize(state);
}
BENCHMARK(BM_LoadData)->Unit(benchmark::kMillisecond);

void BM_EncodeDataFile(benchmark::State& state) {
    for (auto _ : state) {
        std::string bytes = encodeDataFile(fixture().book);
        benchmark::DoNotOptimize(bytes.data());
    }
    reportSize(state);
}
BENCHMARK(BM_EncodeDataFile)->Unit(benchmark::kMillisecond);

// Encoding, the temporary file, its fsync, the backup and the folder fsyncs.
void BM_SaveData(benchmark::State& state) {
    SilentUi ui;
    for (auto _ : state) {
        benchmark::DoNotOptimize(saveData(fixture().path, fixture().book, ui));
    }
    if (ui.messages != 0) state.SkipWithError("saving showed a message");
    reportSize(state);
}
BENCHMARK(BM_SaveData)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the same bytes with one read() into a buffer of the file's size.
void BM_PlainRead(benchmark::State& state) {
    std::string buffer(fixture().bytes.size(), '\0');
    for (auto _ : state) {
        int fd = ::open(fixture().path.c_str(), O_RDONLY);
        ssize_t got = ::read(fd, buffer.data(), buffer.size());
        ::close(fd);
        if (got != static_cast<ssize_t>(buffer.size())) state.SkipWithError("short read");
        benchmark::DoNotOptimize(buffer.data());
    }
    reportSize(state);
}
BENCHMARK(BM_PlainRead)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kakeibo
