#pragma once
// What the main window asks of the graph window "グラフ". The graph window
// and Qt Charts behind it live in a module of their own, loaded at the
// first "グラフ" (see ChartModule.h), so the main window knows it only by
// this interface.

#include <optional>

#include "charts/ChartWindowSettings.h"

class QWidget;

namespace kakeibo {
class Book;
}

namespace kakeibo::shell {

class ChartWindowPort {
public:
    virtual ~ChartWindowPort() = default;
    // The window itself, a child window of the main window, which deletes it.
    virtual QWidget* widget() = 0;
    // Shows and raises the window on tab, or on the tab it last showed.
    virtual void showTab(std::optional<ChartTab> tab) = 0;
    // A command changed the book.
    virtual void bookChanged() = 0;
};

// Makes the graph window over the book, belonging to the main window.
using ChartWindowMaker = ChartWindowPort* (*)(Book& book, QWidget* mainWindow);

}  // namespace kakeibo::shell
