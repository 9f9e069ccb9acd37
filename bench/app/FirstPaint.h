#pragma once
// The first paint of a window, the same for the window program and the
// empty window it is timed beside, in this process or in a probe process;
// and the last paint before the window falls quiet, which is when a person
// sees it finished.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <QWidget>

#include <time.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

namespace kakeibo {

// Waits for the first paint of any widget and then queues done: a paint
// draws every widget that needs it in one go, so done runs once the window
// is on the screen as the person first sees it, and before anything that
// the paint itself queued (the main window builds its other pages then).
class FirstPaintWatch : public QObject {
public:
    explicit FirstPaintWatch(std::function<void()> done) : done_(std::move(done)) {
        QApplication::instance()->installEventFilter(this);
    }
    ~FirstPaintWatch() override { QApplication::instance()->removeEventFilter(this); }
    bool finished() const { return finished_; }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !queued_) {
            queued_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (done_) done_();
                    finished_ = true;
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    std::function<void()> done_;
    bool queued_ = false;
    bool finished_ = false;
};

// Shows the window and handles its events until its first paint is done;
// painted runs at that moment.
inline void showAndPaint(QWidget& window, const std::function<void()>& painted = {}) {
    FirstPaintWatch watch(painted);
    window.show();
    while (!watch.finished()) QApplication::processEvents(QEventLoop::AllEvents, 50);
}

// The monotonic clock, which every process of the machine shares: a probe
// tells its moments against the moment the benchmark started it.
inline std::int64_t monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<std::int64_t>(now.tv_sec) * 1'000'000'000 + now.tv_nsec;
}

// The peak resident memory of this process so far, in kB (VmHWM).
inline long peakMemoryKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

// Watches every paint from show() on; once no paint came for quietMs, done
// runs with the moments of the first and the last paint.
class QuietWatch : public QObject {
public:
    using Done = std::function<void(std::int64_t firstPaintNs, std::int64_t lastPaintNs)>;
    QuietWatch(int quietMs, Done done) : done_(std::move(done)) {
        quiet_.setSingleShot(true);
        quiet_.setInterval(quietMs);
        connect(&quiet_, &QTimer::timeout, this, [this] {
            QApplication::instance()->removeEventFilter(this);
            done_(first_, last_);
        });
        QApplication::instance()->installEventFilter(this);
    }
    ~QuietWatch() override { QApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            last_ = monotonicNs();
            if (first_ == 0) first_ = last_;
            quiet_.start();
        }
        return false;
    }

private:
    Done done_;
    QTimer quiet_;
    std::int64_t first_ = 0;
    std::int64_t last_ = 0;
};

// What a probe tells the benchmark that started it, one line each:
//   "painted <first paint ms> <last paint ms> <peak kB>" once the window is
//   quiet, the moments counted from the benchmark's start of the process;
//   "ctrl <run ms> <peak kB>" after a Ctrl run over every card.
// The benchmark puts its start moment into this variable.
inline constexpr const char* kLaunchedAtVariable = "KAKEIBO_PROBE_LAUNCHED_NS";

inline double msSinceLaunch(std::int64_t ns) {
    const char* launched = std::getenv(kLaunchedAtVariable);
    const std::int64_t start = launched ? std::strtoll(launched, nullptr, 10) : 0;
    return static_cast<double>(ns - start) / 1e6;
}

inline void announcePainted(std::int64_t firstPaintNs, std::int64_t lastPaintNs) {
    std::printf("painted %.3f %.3f %ld\n", msSinceLaunch(firstPaintNs), msSinceLaunch(lastPaintNs), peakMemoryKb());
    std::fflush(stdout);
}

// How long a window must stay unpainted to count as finished.
inline constexpr int kQuietMs = 300;

}  // namespace kakeibo
