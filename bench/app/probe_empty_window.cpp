// The least a Qt program with a table does: an empty main window holding
// one table view, shown and painted once, then closed. It prints "painted"
// at the first paint, as the window program's probe does.

#include <QApplication>
#include <QMainWindow>
#include <QStandardItemModel>
#include <QTableView>

#include "FirstPaint.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.resize(700, 580);
    auto* view = new QTableView(&window);
    view->setModel(new QStandardItemModel(30, 3, view));
    window.setCentralWidget(view);
    kakeibo::showAndPaint(window, kakeibo::announceFirstPaint);
    window.close();
    return 0;
}
