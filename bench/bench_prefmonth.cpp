// The preferences file of a fully used settings page and the month summary
// file of a 20-year book: reading (from disk and from memory) and writing,
// against one plain read() of the same bytes.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"
#include "messages/UiPort.h"
#include "storage/FileLayer.h"
#include "storage/MonthFile.h"
#include "storage/PrefFile.h"

namespace kakeibo {
namespace {

SheetRecord filledSheet(int rows, int cols, const char* stem) {
    SheetRecord sheet{rows, cols, {}};
    for (int r = 1; r < rows; ++r) {
        sheet.cells.emplace_back();
        for (int k = 0; k < cols; ++k) {
            // Category columns hold names, budget columns amounts, day columns small numbers.
            sheet.cells.back().push_back(k % 3 == 0 ? std::string(stem) + std::to_string(r)
                                         : k % 3 == 1 ? std::to_string(r * 1500)
                                                      : std::to_string(r % 28 + 1));
        }
    }
    return sheet;
}

// A settings page used to the full: every category row filled, four accounts.
PrefImage fullSettings() {
    PrefImage image;
    image.version = kPrefFileVersion;
    image.genkinOut = filledSheet(35, 2, "現金支出科目");
    image.genkinIn = filledSheet(20, 1, "現金収入科目");
    image.chokin = "20000";
    image.shonichi = "25";
    image.userName = "みらぶ　花子";
    image.winDentaku = false;
    image.redText = true;
    image.comma = true;
    image.kozaAuto = true;
    image.rowCounts = std::array<std::string, 4>{"30", "20", "15", "19"};
    image.bankNames = std::array<std::string, 4>{"○○銀行", "△△信金", "□□銀行", "郵便局"};
    for (auto& koza : image.koza) koza = filledSheet(20, 7, "口座振替科目");
    image.floatDigits = false;
    image.taxRate = "10";
    image.shokichiUse = true;
    image.shokiGenkin = "35000";
    image.shokiKoza = std::array<std::string, 8>{"1200000", "350000", "80000", "5000", "-25000", "0", "0", "0"};
    image.shokiChokin = "2000000";
    image.kozaShift = true;
    return image;
}

struct Fixture {
    std::string prefBytes = encodePrefFile(fullSettings());
    std::vector<MonthRecord> months = generateMonths(20);
    std::string monthBytes = encodeMonthFile(months);
    std::string folder;
    std::string prefPath;
    std::string monthPath;

    Fixture() {
        char pattern[] = "/tmp/kakeibo-bench-XXXXXX";
        folder = ::mkdtemp(pattern) ? pattern : "/tmp";
        prefPath = folder + "/Mirab050.prf";
        monthPath = folder + "/Mirab050.mmm";
        saveFileSafely(prefPath, prefBytes, false);
        saveFileSafely(monthPath, monthBytes, false);
    }
    ~Fixture() { std::filesystem::remove_all(folder); }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

void reportSize(benchmark::State& state, const std::string& bytes) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytes.size()));
    state.counters["file_KB"] = static_cast<double>(bytes.size()) / 1e3;
}

void BM_LoadPref(benchmark::State& state) {
    SilentUi ui;
    for (auto _ : state) {
        PrefImage image;
        benchmark::DoNotOptimize(loadPref(fixture().prefPath, image, ui));
        benchmark::DoNotOptimize(image.genkinOut);
    }
    if (ui.messages != 0) state.SkipWithError("loadPref reported a failure");
    reportSize(state, fixture().prefBytes);
}
BENCHMARK(BM_LoadPref)->Unit(benchmark::kMicrosecond);

void BM_DecodePref(benchmark::State& state) {
    for (auto _ : state) {
        PrefImage image;
        benchmark::DoNotOptimize(decodePrefFile(fixture().prefBytes, image));
        benchmark::DoNotOptimize(image.genkinOut);
    }
    reportSize(state, fixture().prefBytes);
}
BENCHMARK(BM_DecodePref)->Unit(benchmark::kMicrosecond);

void BM_LoadMonthFile(benchmark::State& state) {
    SilentUi ui;
    for (auto _ : state) {
        std::vector<MonthRecord> records;
        benchmark::DoNotOptimize(loadMonthFile(fixture().monthPath, records, ui));
        benchmark::DoNotOptimize(records.data());
    }
    if (ui.messages != 0) state.SkipWithError("loadMonthFile reported a failure");
    reportSize(state, fixture().monthBytes);
    state.counters["records"] = static_cast<double>(fixture().months.size());
}
BENCHMARK(BM_LoadMonthFile)->Unit(benchmark::kMicrosecond);

void BM_DecodeMonthFile(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<MonthRecord> records;
        benchmark::DoNotOptimize(decodeMonthFile(fixture().monthBytes, records));
        benchmark::DoNotOptimize(records.data());
    }
    reportSize(state, fixture().monthBytes);
}
BENCHMARK(BM_DecodeMonthFile)->Unit(benchmark::kMicrosecond);

void BM_SaveMonthFile(benchmark::State& state) {
    SilentUi ui;
    for (auto _ : state) benchmark::DoNotOptimize(saveMonthFile(fixture().monthPath, fixture().months, ui));
    if (ui.messages != 0) state.SkipWithError("saveMonthFile reported a failure");
    reportSize(state, fixture().monthBytes);
}
BENCHMARK(BM_SaveMonthFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// The floor: the month file's bytes with one read() into a buffer of its size.
void BM_PlainReadMonthFile(benchmark::State& state) {
    std::string buffer(fixture().monthBytes.size(), '\0');
    for (auto _ : state) {
        const int fd = ::open(fixture().monthPath.c_str(), O_RDONLY);
        const ssize_t got = ::read(fd, buffer.data(), buffer.size());
        ::close(fd);
        benchmark::DoNotOptimize(got);
    }
    reportSize(state, fixture().monthBytes);
}
BENCHMARK(BM_PlainReadMonthFile)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kakeibo
