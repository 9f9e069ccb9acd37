#pragma once
// The first paint of a window, the same for the window program and the
// empty window it is timed beside, in this process or in a probe process.

#include <QApplication>
#include <QWidget>

#include <cstdio>

namespace kakeibo {

// Shows the window and waits until it has painted once.
inline void showAndPaint(QWidget& window) {
    window.show();
    QApplication::processEvents();
    window.grab();  // forces the first paint of everything visible
}

// A probe's word to the benchmark that started it: the window has painted.
inline void announceFirstPaint() {
    std::puts("painted");
    std::fflush(stdout);
}

}  // namespace kakeibo
