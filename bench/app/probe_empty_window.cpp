// The least a Qt program of this kind does: an empty main window holding a
// page control with one page, a table view, shown and painted until quiet,
// then closed. It tells its paints and memory as the window program's
// probe does.

#include <QApplication>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTabWidget>
#include <QTableView>

#include "FirstPaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(700, 580);
    auto* pages = new QTabWidget(&window);
    auto* view = new QTableView(pages);
    view->setModel(new QStandardItemModel(30, 3, view));
    pages->addTab(view, QStringLiteral("日々の記録"));
    window.setCentralWidget(pages);
    kakeibo::QuietWatch watch(kakeibo::kQuietMs, [&](std::int64_t first, std::int64_t last) {
        kakeibo::announcePainted(first, last);
        window.close();
    });
    window.show();
    app.exec();
    return 0;
}
