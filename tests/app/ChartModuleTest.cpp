// The graph module as the window program loads it: found beside the program
// or in its library folder, its window made over the book and shown on the
// tab asked for; a module that is missing or lacks its entry is told as
// such, and the main window then warns and goes on without the graph.

#include <QApplication>
#include <QTabWidget>
#include <QTest>

#include <fstream>
#include <string>

#include "app/ChartModule.h"
#include "app/charts/ChartWindowMaker.h"
#include "messages/UiPort.h"
#include "support/TempDir.h"
#include "ChartTestWindow.h"
#include "TestRegistry.h"

using namespace kakeibo;
using kakeibo::shell::ChartWindowMaker;
using kakeibo::testing::ChartTestWindow;

namespace {

// The test program links the graph window in; a test that needs the
// module's loading hands the built-in maker back when it ends.
struct WithoutBuiltInWindow {
    WithoutBuiltInWindow() { shell::useChartWindowMaker(nullptr); }
    ~WithoutBuiltInWindow() { shell::linkChartWindowIn(); }
};

}  // namespace

class ChartModuleTest : public QObject {
    Q_OBJECT
private slots:
    void theModuleIsLookedForBesideTheProgramThenInItsLibraryFolder() {
        const auto places = shell::chartModulePlaces("/usr/bin");
        QCOMPARE(places.size(), std::size_t{2});
        QCOMPARE(places[0], std::string("/usr/bin/kakeibo-charts.so"));
        QCOMPARE(places[1], std::string("/usr/bin/../lib/kakeibo/modules/kakeibo-charts.so"));
        QCOMPARE(shell::chartModulePlaces("/opt/kakeibo/")[0], std::string("/opt/kakeibo/kakeibo-charts.so"));
    }

    void theBuiltModuleMakesAGraphWindowOverTheBook() {
        TempDir dir;
        std::string error;
        const ChartWindowMaker make =
            shell::loadChartModule({dir.path() + "kakeibo-charts.so", KAKEIBO_CHART_MODULE}, error);
        QVERIFY2(make, error.c_str());
        QVERIFY(make != &shell::makeChartWindow);  // the module's own, not the one linked in

        ChartTestWindow w;
        w.enterCard(w.book().today(), "食費", 1200);
        shell::ChartWindowPort* port = make(w.book(), w.form.get());
        QWidget* window = port->widget();
        QCOMPARE(window->objectName(), QStringLiteral("FormGraph"));
        QCOMPARE(window->parentWidget(), w.form.get());
        port->showTab(ChartTab::Month);
        QVERIFY(window->isVisible());
        auto* tabs = window->findChild<QTabWidget*>(QStringLiteral("tabGraph"));
        QVERIFY(tabs);
        QCOMPARE(tabs->count(), 4);
        QCOMPARE(tabs->currentIndex(), static_cast<int>(ChartTab::Month));
        port->bookChanged();
        delete window;
    }

    void aMissingOrForeignModuleIsToldAndNotLoaded() {
        TempDir dir;
        std::string error;
        QVERIFY(!shell::loadChartModule({dir.path() + "kakeibo-charts.so"}, error));
        QVERIFY2(error.find("kakeibo-charts.so") != std::string::npos, error.c_str());

        // A file that is no module at all, then a library without the entry.
        const std::string junk = dir.path() + "junk.so";
        std::ofstream(junk) << "not a shared object";
        QVERIFY(!shell::loadChartModule({junk}, error));
        QVERIFY(!error.empty());
        QVERIFY(!shell::loadChartModule({"libxxhash.so.0"}, error));
        QVERIFY2(error.find(shell::kChartModuleEntry) != std::string::npos, error.c_str());
        // A broken module at the first place is told even when the next
        // place has none at all.
        QVERIFY(!shell::loadChartModule({junk, dir.path() + "kakeibo-charts.so"}, error));
        QVERIFY2(error.find("junk.so") != std::string::npos, error.c_str());
        QVERIFY2(error.find("kakeibo-charts.so") != std::string::npos, error.c_str());
        QVERIFY(!shell::loadChartModule({}, error));
        QVERIFY(!error.empty());
    }

    void withoutTheModuleTheMenuWarnsAndTheBookGoesOn() {
        ChartTestWindow w;
        {
            // This test program's folder holds no module.
            WithoutBuiltInWindow without;
            w.ui.clear();
            w.form->mnuGraphClick();
            QCOMPARE(w.ui.messages().size(), std::size_t{1});
            QVERIFY(w.ui.messages()[0].text.find("グラフの部品 (kakeibo-charts.so)") != std::string::npos);
            QVERIFY(!w.charts());
        }
        // The next "グラフ", with a window to make, shows it.
        w.form->mnuGraphClick();
        QVERIFY(w.charts() && w.charts()->isVisible());
    }
};

KAKEIBO_REGISTER_TEST(ChartModuleTest);
#include "ChartModuleTest.moc"
