// The window program as its entry runs it, on the book in the folder named
// by the first argument: the application's set-up, the main window over the
// book, its paints until it is quiet, then the close that writes the files.
// It tells the benchmark that started it when it painted and how much
// memory it took (see FirstPaint.h). With "--ctrl-run" it then shows the
// first card and recalculates every card with Ctrl held, as a person would,
// and tells how long that took and the memory after it. Boxes are answered
// silently (a box would wait for a person); a box shown fails the probe.

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include "app/ApplicationSetup.h"
#include "app/TForm1.h"
#include "FirstPaint.h"
#include "book/DataPrefetch.h"
#include "book/DayCalculation.h"
#include "book/DayNavigation.h"
#include "generator/BenchBook.h"
#include "storage/FileNames.h"

int main(int argc, char* argv[]) {
    if (argc < 2) return 2;
    const bool ctrlRun = argc > 2 && std::strcmp(argv[2], "--ctrl-run") == 0;

    // As the program's entry: the files are read from before Qt starts.
    const std::string folder = kakeibo::withTrailingSlash(argv[1]);
    kakeibo::DataPrefetch prefetch(kakeibo::dataFileName(folder), kakeibo::monthFileName(folder));
    QApplication app(argc, argv);
    kakeibo::shell::setUpApplication(app);
    kakeibo::SilentUi ui;
    kakeibo::shell::TForm1 form(argv[1], ui, nullptr, &prefetch);
    kakeibo::QuietWatch watch(kakeibo::kQuietMs, [&](std::int64_t first, std::int64_t last) {
        kakeibo::announcePainted(first, last);
        if (ctrlRun) {
            const std::int64_t start = kakeibo::monotonicNs();
            form.runCommand([](kakeibo::Book& book) {
                kakeibo::btnGoHeadClick(book);
                kakeibo::btnCalcMouseUp(book, true);
            });
            const double ms = static_cast<double>(kakeibo::monotonicNs() - start) / 1e6;
            std::printf("ctrl %.3f %ld\n", ms, kakeibo::peakMemoryKb());
            std::fflush(stdout);
        }
        form.close();
    });
    form.show();
    app.exec();
    return ui.messages == 0 ? 0 : 3;
}
