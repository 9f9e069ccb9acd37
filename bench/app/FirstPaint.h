#pragma once
// The first paint of a window, the same for the window program and the
// empty window it is timed beside, in this process or in a probe process.

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QWidget>

#include <cstdio>
#include <functional>

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

// A probe's word to the benchmark that started it: the window has painted.
inline void announceFirstPaint() {
    std::puts("painted");
    std::fflush(stdout);
}

}  // namespace kakeibo
