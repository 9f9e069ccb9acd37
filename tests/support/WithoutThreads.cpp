#include "support/WithoutThreads.h"

#include <pthread.h>
#include <sys/resource.h>

#include <algorithm>

#include <cstdlib>
#include <fstream>
#include <string>
#include <system_error>
#include <thread>

#if defined(__SANITIZE_ADDRESS__)
#define KAKEIBO_ADDRESS_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KAKEIBO_ADDRESS_SANITIZER 1
#endif
#endif

namespace kakeibo {
namespace {

long virtualMemoryKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmSize:", 0) == 0) return std::strtol(line.c_str() + 7, nullptr, 10);
    }
    return 0;
}

// Room for small allocations, but less than a new thread's stack.
long roomKb() {
    std::size_t stack = 0;
    pthread_attr_t defaults;
    if (pthread_getattr_default_np(&defaults) == 0) {
        pthread_attr_getstacksize(&defaults, &stack);
        pthread_attr_destroy(&defaults);
    }
    constexpr long kMostKb = 2048;
    return stack == 0 ? kMostKb : std::min(kMostKb, static_cast<long>(stack / 1024 / 2));
}

}  // namespace

bool threadsCanBeWithheld() {
#ifdef KAKEIBO_ADDRESS_SANITIZER
    return false;
#else
    return true;
#endif
}

void runWithoutThreads(const std::function<bool()>& body) {
    const auto bytes = static_cast<rlim_t>(virtualMemoryKb() + roomKb()) * 1024;
    const rlimit limit{bytes, bytes};
    if (setrlimit(RLIMIT_AS, &limit) != 0) std::_Exit(10);
    try {
        std::thread probe([] {});
        probe.join();
        std::_Exit(11);  // a thread still starts: the body would prove nothing
    } catch (const std::system_error&) {
    }
    std::_Exit(body() ? 0 : 12);
}

}  // namespace kakeibo
