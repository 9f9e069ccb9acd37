// The book's own start-up and close on a 20-year program folder, without a
// window: what the window program waits for beyond its widgets.
//
// The close of a book nobody changed is timed beside its floor in the same
// run: writing the same four files' bytes, each into a new file with one
// fsync and renamed over the last, and the folder synced once.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>
#include <string>
#include <vector>

#include "book/DataPrefetch.h"
#include "book/Lifecycle.h"
#include "model/Dates.h"
#include "storage/FileIdentity.h"
#include "storage/KeptTextCheck.h"
#include "storage/FileLayer.h"
#include "storage/FileNames.h"
#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"

namespace kakeibo {
namespace {

namespace fs = std::filesystem;

const Date kLastGeneratedDay = *makeDate(2025, 12, 31);

struct Folder {
    fs::path root;
    Folder() {
        char pattern[] = "/tmp/kakeibo-lifecycle-XXXXXX";
        root = ::mkdtemp(pattern);
        writeProgramFolder(root.string() + "/", 20);
        writeGeneratedPrefs(root.string() + "/");
    }
    ~Folder() { fs::remove_all(root); }
    std::string path() const { return root.string() + "/"; }
};

void BM_FormCreate(benchmark::State& state) {
    Folder folder;
    SilentUi ui;
    for (auto _ : state) {
        auto book = std::make_unique<Book>(ui);
        book->folder = folder.path();
        benchmark::DoNotOptimize(formCreate(*book));
        // The program frees the book once, at its end.
        state.PauseTiming();
        book.reset();
        state.ResumeTiming();
    }
    state.counters["messages"] = ui.messages;
}
BENCHMARK(BM_FormCreate)->Unit(benchmark::kMillisecond)->Iterations(10);

// The same with the data file read as the window program reads it, on a
// thread of its own while the start-up does the rest.
void BM_FormCreateWithPrefetch(benchmark::State& state) {
    Folder folder;
    SilentUi ui;
    for (auto _ : state) {
        auto book = std::make_unique<Book>(ui);
        book->folder = folder.path();
        DataPrefetch prefetch(dataFileName(folder.path()), monthFileName(folder.path()));
        benchmark::DoNotOptimize(formCreate(*book, &prefetch));
        state.PauseTiming();
        book.reset();
        state.ResumeTiming();
    }
    state.counters["messages"] = ui.messages;
}
BENCHMARK(BM_FormCreateWithPrefetch)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The floor of a close: each file's bytes into a new file, synced once,
// renamed into place; then the folder synced once.
bool writeWithFsync(const std::string& folder, const std::vector<std::pair<std::string, std::string>>& files) {
    for (const auto& [name, bytes] : files) {
        const std::string temporary = folder + name + ".new";
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        if (fd < 0) return false;
        bool ok = ::write(fd, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size()) && ::fsync(fd) == 0;
        ok = ::close(fd) == 0 && ok;
        if (!ok || ::rename(temporary.c_str(), (folder + name).c_str()) != 0) return false;
    }
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return false;
    const bool synced = ::fsync(dir) == 0;
    return ::close(dir) == 0 && synced;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n == 0 ? 0 : n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

constexpr int kCloseRounds = 9;

// The close of an unchanged 20-year book (the start just before, untimed,
// on a fresh copy of the folder each time) and its floor, interleaved. The
// copies are made before the rounds and are as old as a book's files are
// at a start (the last close was earlier than the file system's stamp
// needs, see FileStamp), so the close sees the file unchanged as it would.
void BM_CloseUnchangedBesideFloor(benchmark::State& state) {
    Folder pristine;
    // The close's folders, and the floor's, which replaces the same files.
    std::vector<fs::path> works, floors;
    for (int round = 0; round < 2 * kCloseRounds; ++round) {
        const fs::path work = pristine.root / ("work" + std::to_string(round));
        fs::create_directories(work);
        for (const char* ext : {".mrb", ".mmm", ".prf"}) {
            fs::copy_file(pristine.root / (std::string(kFileBaseName) + ext), work / (std::string(kFileBaseName) + ext));
        }
        (round % 2 ? floors : works).push_back(work);
    }
    ::sync();
    std::this_thread::sleep_for(std::chrono::nanoseconds(kSettledStampNs) + std::chrono::milliseconds(100));
    SilentUi ui;
    std::vector<double> closeMs, floorMs;
    std::size_t round = 0;
    for (auto _ : state) {
        const fs::path work = works.at(round % works.size());
        const fs::path floorFolder = floors.at(round % floors.size());
        ++round;
        const std::string folder = work.string() + "/";
        auto book = std::make_unique<Book>(ui);
        book->folder = folder;
        // On the book's last day, so the start adds no card for today and
        // the close has nothing new to write.
        book->clock().setToday(kLastGeneratedDay);
        {
            DataPrefetch prefetch(dataFileName(folder), monthFileName(folder));
            formCreate(*book, &prefetch);
        }
        // Nobody closes a window in the moment it opens: by the close, the
        // check of the cards' texts the start leaves to a thread of its own
        // (see CardList) has long ended.
        std::this_thread::sleep_for(KeptTextCheck::kBackgroundDelay + std::chrono::milliseconds(400));
        ::sync();
        auto start = std::chrono::steady_clock::now();
        const bool closed = formClose(*book, WindowSizes{});
        closeMs.push_back(msSince(start));
        book.reset();
        if (!closed) {
            state.SkipWithError("the close failed");
            return;
        }

        if (readWholeFile(dataFileName(folder)) != readWholeFile(backupFileName(dataFileName(folder)))) {
            state.SkipWithError("the close changed the book");
            return;
        }

        std::vector<std::pair<std::string, std::string>> files;
        for (const std::string& path : {iniFileName(folder), prefFileName(folder), dataFileName(folder),
                                        monthFileName(folder)}) {
            files.emplace_back(fs::path(path).filename().string(), readWholeFile(path).value_or(""));
        }
        ::sync();
        start = std::chrono::steady_clock::now();
        if (!writeWithFsync(floorFolder.string() + "/", files)) {
            state.SkipWithError("the floor's write failed");
            return;
        }
        floorMs.push_back(msSince(start));
    }
    state.counters["close_ms"] = median(closeMs);
    state.counters["floor_ms"] = median(floorMs);
    state.counters["close_over_floor"] = median(closeMs) / median(floorMs);
    state.counters["messages"] = ui.messages;
}
BENCHMARK(BM_CloseUnchangedBesideFloor)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(kCloseRounds);

}  // namespace
}  // namespace kakeibo
