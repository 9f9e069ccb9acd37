#pragma once
// The test classes of the window program, each registered by its own file,
// so one main runs them all:
//     KAKEIBO_REGISTER_TEST(SheetModelTest)
// at namespace scope after the class (and its "#include "X.moc"" if any).

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <QObject>

namespace kakeibo::testing {

using TestFactory = std::function<std::unique_ptr<QObject>()>;

inline std::vector<std::pair<std::string, TestFactory>>& testRegistry() {
    static std::vector<std::pair<std::string, TestFactory>> registry;
    return registry;
}

struct TestRegistrar {
    TestRegistrar(const char* name, TestFactory factory) {
        testRegistry().emplace_back(name, std::move(factory));
    }
};

}  // namespace kakeibo::testing

#define KAKEIBO_REGISTER_TEST(TestClass)                                                 \
    static const ::kakeibo::testing::TestRegistrar kakeiboRegistrar##TestClass{           \
        #TestClass, [] { return std::unique_ptr<QObject>(std::make_unique<TestClass>()); }}
