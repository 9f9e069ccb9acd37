// The window program's start, beside an empty window of the same three
// widgets (a main window, a page control, a table view).
//
// In this process (BM_*InProcess): from creating the main window to its
// first paint, then the close with all four files written, on a 20-year
// book.
//
// As processes of their own (BM_ProcessStarts), from the exec to the last
// paint before 300 ms of quiet, libraries, application object and fonts
// counted as a person waits for them: the empty window, the program on a
// book of one card and on a 20-year book, each on the offscreen platform
// and under a real X server (Xvfb), the runs of all six interleaved so a
// busy machine weighs on each alike; medians of seven rounds. Beside them
// the peak memory of each process after its start (VmHWM), and of the
// 20-year program after a Ctrl run over every card, with the run's time.
// The goals are the ratios: 20 years against one card, one card against
// the empty window, and the 20-year book's memory against the one card's
// plus its data file.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "FirstPaint.h"
#include "app/TForm1.h"
#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"
#include "storage/FileNames.h"

namespace {

namespace fs = std::filesystem;

enum class BookKind { OneCard, TwentyYears };

// A program folder holding a generated book, copied afresh for every start
// so each one reads the same files (the close rewrites them).
struct Folders {
    fs::path pristine;
    fs::path work;

    explicit Folders(BookKind kind) {
        char pattern[] = "/tmp/kakeibo-startup-XXXXXX";
        const fs::path root = ::mkdtemp(pattern);
        pristine = root / "pristine";
        work = root / "work";
        fs::create_directories(pristine);
        const std::string folder = pristine.string() + "/";
        if (kind == BookKind::OneCard) {
            kakeibo::writeOneCardFolder(folder);
        } else {
            kakeibo::writeProgramFolder(folder, 20);
        }
        kakeibo::writeGeneratedPrefs(folder);
    }
    ~Folders() { fs::remove_all(pristine.parent_path()); }

    // On disk before the start, as a book is that was closed earlier: no
    // write-back of the copy runs beside the start it is timed for.
    std::string fresh() const {
        fs::remove_all(work);
        fs::copy(pristine, work, fs::copy_options::recursive);
        ::sync();
        return work.string() + "/";
    }
    double dataFileMb() const {
        return static_cast<double>(fs::file_size(kakeibo::dataFileName(pristine.string() + "/"))) / (1024.0 * 1024.0);
    }
};

void BM_MainWindowStartAndCloseInProcess(benchmark::State& state) {
    Folders folders(BookKind::TwentyYears);
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
BENCHMARK(BM_MainWindowStartAndCloseInProcess)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_EmptyWindowStartAndCloseInProcess(benchmark::State& state) {
    for (auto _ : state) {
        QMainWindow window;
        window.resize(700, 580);
        auto* pages = new QTabWidget(&window);
        auto* view = new QTableView(pages);
        view->setModel(new QStandardItemModel(30, 3, view));
        pages->addTab(view, QStringLiteral("日々の記録"));
        window.setCentralWidget(pages);
        kakeibo::showAndPaint(window);
        window.close();
        QApplication::processEvents();
    }
}
BENCHMARK(BM_EmptyWindowStartAndCloseInProcess)->Unit(benchmark::kMillisecond)->Iterations(5);

// An X server of this benchmark's own, on the first free display.
class XServer {
public:
    XServer() {
        server_.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"),
                                               QStringLiteral("-screen"), QStringLiteral("0"),
                                               QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"),
                                               QStringLiteral("tcp")});
        if (!server_.waitForStarted(10000)) return;
        while (!server_.canReadLine() && server_.state() == QProcess::Running) server_.waitForReadyRead(10000);
        const QString number = QString::fromUtf8(server_.readLine()).trimmed();
        if (!number.isEmpty()) display_ = QStringLiteral(":") + number;
    }
    ~XServer() {
        server_.terminate();
        if (!server_.waitForFinished(5000)) server_.kill();
        server_.waitForFinished(5000);
    }
    const QString& display() const { return display_; }

private:
    QProcess server_;
    QString display_;
};

struct ProbeResult {
    double firstPaintMs = 0;
    double lastPaintMs = 0;
    double peakMb = 0;
    double ctrlMs = 0;
    double ctrlPeakMb = 0;
};

// Runs a probe program to its end and reads what it told.
std::optional<ProbeResult> runProbe(const QString& program, const QStringList& arguments,
                                    QProcessEnvironment environment) {
    QProcess probe;
    probe.setStandardErrorFile(QProcess::nullDevice());
    environment.insert(QString::fromLatin1(kakeibo::kLaunchedAtVariable), QString::number(kakeibo::monotonicNs()));
    probe.setProcessEnvironment(environment);
    probe.start(program, arguments);
    if (!probe.waitForStarted(30000) || !probe.waitForFinished(120000)) return std::nullopt;
    if (probe.exitStatus() != QProcess::NormalExit || probe.exitCode() != 0) return std::nullopt;
    ProbeResult result;
    bool painted = false;
    for (const QByteArray& line : probe.readAllStandardOutput().split('\n')) {
        double a = 0, b = 0;
        long kb = 0;
        if (std::sscanf(line.constData(), "painted %lf %lf %ld", &a, &b, &kb) == 3) {
            result.firstPaintMs = a;
            result.lastPaintMs = b;
            result.peakMb = static_cast<double>(kb) / 1024.0;
            painted = true;
        } else if (std::sscanf(line.constData(), "ctrl %lf %ld", &a, &kb) == 2) {
            result.ctrlMs = a;
            result.ctrlPeakMb = static_cast<double>(kb) / 1024.0;
        }
    }
    if (!painted) return std::nullopt;
    return result;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// The figures of one kind of run over the rounds.
struct Series {
    std::vector<double> firstPaint, lastPaint, peak, ctrl, ctrlPeak;
    void add(const ProbeResult& r) {
        firstPaint.push_back(r.firstPaintMs);
        lastPaint.push_back(r.lastPaintMs);
        peak.push_back(r.peakMb);
        ctrl.push_back(r.ctrlMs);
        ctrlPeak.push_back(r.ctrlPeakMb);
    }
};

constexpr int kRounds = 7;

void BM_ProcessStarts(benchmark::State& state) {
    const Folders oneCard(BookKind::OneCard);
    const Folders twentyYears(BookKind::TwentyYears);
    XServer x;
    const QString mainProbe = QString::fromUtf8(KAKEIBO_PROBE_MAIN_WINDOW);
    const QString emptyProbe = QString::fromUtf8(KAKEIBO_PROBE_EMPTY_WINDOW);

    struct Platform {
        const char* name;
        QProcessEnvironment environment;
    };
    std::vector<Platform> platforms;
    QProcessEnvironment offscreen = QProcessEnvironment::systemEnvironment();
    offscreen.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    platforms.push_back({"offscreen", offscreen});
    if (!x.display().isEmpty()) {
        QProcessEnvironment xcb = QProcessEnvironment::systemEnvironment();
        xcb.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        xcb.insert(QStringLiteral("DISPLAY"), x.display());
        platforms.push_back({"xvfb", xcb});
    }

    std::map<std::string, Series> series;
    for (auto _ : state) {
        for (int round = 0; round < kRounds; ++round) {
            for (const Platform& platform : platforms) {
                const std::string p = platform.name;
                auto run = [&](const char* what, const QString& program, QStringList arguments) {
                    const std::optional<ProbeResult> result = runProbe(program, arguments, platform.environment);
                    if (!result) return false;
                    series[p + "/" + what].add(*result);
                    return true;
                };
                if (!run("empty", emptyProbe, {}) ||
                    !run("one_card", mainProbe, {QString::fromStdString(oneCard.fresh())}) ||
                    !run("twenty_years", mainProbe, {QString::fromStdString(twentyYears.fresh())})) {
                    state.SkipWithError("a probe program failed");
                    return;
                }
                if (p == "offscreen" &&
                    !run("twenty_years_ctrl", mainProbe,
                         {QString::fromStdString(twentyYears.fresh()), QStringLiteral("--ctrl-run")})) {
                    state.SkipWithError("the Ctrl run probe failed");
                    return;
                }
            }
        }
    }

    const double dataMb = twentyYears.dataFileMb();
    std::printf("\nStart to the last paint before %d ms of quiet, medians of %d rounds (ms, MB):\n", kakeibo::kQuietMs,
                kRounds);
    std::printf("%-10s %8s %8s %8s %9s %9s %8s %8s %8s %9s\n", "platform", "empty", "1 card", "20 years",
                "20y/1card", "1card/emp", "MB 1card", "MB 20y", "MB limit", "MB/limit");
    for (const Platform& platform : platforms) {
        const std::string p = platform.name;
        const double empty = median(series[p + "/empty"].lastPaint);
        const double one = median(series[p + "/one_card"].lastPaint);
        const double twenty = median(series[p + "/twenty_years"].lastPaint);
        const double oneMb = median(series[p + "/one_card"].peak);
        const double twentyMb = median(series[p + "/twenty_years"].peak);
        const double limitMb = 1.3 * oneMb + dataMb;
        std::printf("%-10s %8.1f %8.1f %8.1f %9.3f %9.3f %8.1f %8.1f %8.1f %9.3f\n", p.c_str(), empty, one, twenty,
                    twenty / one, one / empty, oneMb, twentyMb, limitMb, twentyMb / limitMb);
        state.counters[p + "_empty_ms"] = empty;
        state.counters[p + "_one_card_ms"] = one;
        state.counters[p + "_twenty_years_ms"] = twenty;
        state.counters[p + "_20y_over_1card"] = twenty / one;
        state.counters[p + "_1card_over_empty"] = one / empty;
        state.counters[p + "_first_paint_20y_ms"] = median(series[p + "/twenty_years"].firstPaint);
        state.counters[p + "_peak_1card_mb"] = oneMb;
        state.counters[p + "_peak_20y_mb"] = twentyMb;
        state.counters[p + "_peak_20y_over_limit"] = twentyMb / limitMb;
    }
    // A busy moment of the machine only ever adds to a start: the fastest
    // of the rounds shows how far apart the starts are with the least of it.
    std::printf("Fastest of %d rounds (ms):\n%-10s %8s %8s %8s %9s %9s\n", kRounds, "platform", "empty", "1 card",
                "20 years", "20y/1card", "1card/emp");
    for (const Platform& platform : platforms) {
        const std::string p = platform.name;
        auto fastest = [&](const char* what) {
            const std::vector<double>& times = series[p + "/" + what].lastPaint;
            return times.empty() ? 0.0 : *std::min_element(times.begin(), times.end());
        };
        const double empty = fastest("empty");
        const double one = fastest("one_card");
        const double twenty = fastest("twenty_years");
        std::printf("%-10s %8.1f %8.1f %8.1f %9.3f %9.3f\n", p.c_str(), empty, one, twenty, twenty / one, one / empty);
        state.counters[p + "_fastest_20y_over_1card"] = twenty / one;
        state.counters[p + "_fastest_1card_over_empty"] = one / empty;
    }
    const Series& ctrl = series["offscreen/twenty_years_ctrl"];
    std::printf("20 years, Ctrl run over every card in the window (offscreen): %.1f ms, peak %.1f MB after it "
                "(%.1f MB after the start alone); data file %.1f MB\n\n",
                median(ctrl.ctrl), median(ctrl.ctrlPeak), median(ctrl.peak), dataMb);
    state.counters["ctrl_run_window_ms"] = median(ctrl.ctrl);
    state.counters["peak_after_ctrl_mb"] = median(ctrl.ctrlPeak);
    state.counters["data_file_mb"] = dataMb;
}
BENCHMARK(BM_ProcessStarts)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
