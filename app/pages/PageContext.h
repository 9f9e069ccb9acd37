#pragma once
// What a page builder needs from the main window: the book, the bindings
// that keep its widgets and the book's texts alike, the way to run a
// command of the book, and the window's tools.

#include <functional>

class QWidget;

namespace kakeibo {
class Book;
class Sheet;
}  // namespace kakeibo

namespace kakeibo::shell {

class BookBindings;

enum class PrintKind { Week, Month, Year };

struct PageContext {
    Book& book;
    BookBindings& bindings;
    // Runs a command of the book, then brings every widget up to date.
    std::function<void(const std::function<void(Book&)>&)> run;
    // The view of a sheet, named after it.
    std::function<QWidget*(Sheet&, QWidget* parent)> makeSheet;
    // The "電卓" buttons and the "印刷" buttons.
    std::function<void()> calculator;
    std::function<void(PrintKind)> print;
    // The "グラフ" button: the graph window on the chart of that summary.
    std::function<void(PrintKind)> chart;

    // A button that runs a command of the book.
    template <typename Button>
    void onClick(Button* button, void (*command)(Book&)) const;
};

}  // namespace kakeibo::shell
