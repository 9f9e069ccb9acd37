// Runs every registered test class of the window program.
//   test_app                        every class
//   test_app SheetModelTest [args]  one class, with QtTest's own arguments
//                                   (function names, -v2, ...)
//   test_app -list                  the class names

#include <algorithm>
#include <cstdio>

#include <QApplication>
#include <QStringList>
#include <QTest>

#include "TestRegistry.h"
#include "app/ApplicationSetup.h"
#include "app/charts/ChartWindowMaker.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The windows under test live in the application the program sets up.
    kakeibo::shell::setUpApplication(app);
    kakeibo::shell::linkChartWindowIn();

    QStringList args = QCoreApplication::arguments();
    auto& registry = kakeibo::testing::testRegistry();
    std::sort(registry.begin(), registry.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });

    if (args.size() > 1 && args[1] == QStringLiteral("-list")) {
        for (const auto& entry : registry) std::printf("%s\n", entry.first.c_str());
        return 0;
    }
    QString only;
    if (args.size() > 1 && !args[1].startsWith(QLatin1Char('-'))) {
        only = args[1];
        args.removeAt(1);
    }

    int failed = 0;
    bool ran = false;
    for (const auto& [name, factory] : registry) {
        if (!only.isEmpty() && only != QString::fromStdString(name)) continue;
        ran = true;
        const std::unique_ptr<QObject> test = factory();
        failed += QTest::qExec(test.get(), args) != 0 ? 1 : 0;
    }
    if (!ran) {
        std::fprintf(stderr, "no test class named %s\n", qPrintable(only));
        return 2;
    }
    return failed;
}
