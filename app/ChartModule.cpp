#include "app/ChartModule.h"

#include <dlfcn.h>

#include <QCoreApplication>

namespace kakeibo::shell {

namespace {

ChartWindowMaker& handedIn() {
    static ChartWindowMaker maker = nullptr;
    return maker;
}

using EntryFunction = ChartWindowMaker (*)();

}  // namespace

void useChartWindowMaker(ChartWindowMaker maker) { handedIn() = maker; }

std::vector<std::string> chartModulePlaces(const std::string& programDir) {
    const std::string dir = programDir.empty() || programDir.back() == '/' ? programDir : programDir + '/';
    return {dir + kChartModuleFile, dir + KAKEIBO_CHART_MODULE_FROM_PROGRAM "/" + kChartModuleFile};
}

ChartWindowMaker loadChartModule(const std::vector<std::string>& places, std::string& error) {
    error.clear();
    // Each place's reason is kept: a broken module beside the program must
    // not hide behind the missing one of the next place.
    auto tell = [&error](const std::string& reason) { error += (error.empty() ? "" : "\n") + reason; };
    for (const std::string& place : places) {
        // Bound at once, so a module that lacks something fails here and
        // not halfway through drawing a chart; never closed, as the windows
        // it made may outlive any moment to close it.
        void* module = ::dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            const char* why = ::dlerror();
            tell(why ? why : place + ": cannot be loaded");
            continue;
        }
        auto entry = reinterpret_cast<EntryFunction>(::dlsym(module, kChartModuleEntry));
        if (!entry) {
            tell(place + ": " + kChartModuleEntry + " is missing");
            continue;
        }
        if (ChartWindowMaker maker = entry()) {
            error.clear();
            return maker;
        }
        tell(place + ": " + kChartModuleEntry + " gave nothing");
    }
    if (error.empty()) error = "no place to look for " + std::string(kChartModuleFile);
    return nullptr;
}

std::string chartModuleMissingText(const std::string& error) {
    return std::string("グラフの部品 (") + kChartModuleFile + ") を読み込めないため、グラフを表示できません。\n" + error;
}

ChartWindowMaker chartWindowMaker(std::string& error) {
    if (ChartWindowMaker maker = handedIn()) return maker;
    static std::string loadError;
    static const ChartWindowMaker loaded =
        loadChartModule(chartModulePlaces(QCoreApplication::applicationDirPath().toStdString()), loadError);
    error = loadError;
    return loaded;
}

}  // namespace kakeibo::shell
