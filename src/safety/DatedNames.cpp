#include "safety/DatedNames.h"

#include <cstdio>

#include "storage/FileLayer.h"

namespace kakeibo {

namespace {

std::tm localTime(std::time_t moment) {
    std::tm parts{};
    if (::localtime_r(&moment, &parts) == nullptr) parts = std::tm{};
    return parts;
}

}  // namespace

std::string dayDigits(Date day) {
    const Ymd ymd = splitDate(day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", ymd.year % 10000, ymd.month, ymd.day);
    return text;
}

std::string momentDigits(std::time_t moment) {
    const std::tm t = localTime(moment);
    char text[32];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", (t.tm_year + 1900) % 10000, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec);
    return text;
}

std::string momentText(std::time_t moment) {
    const std::tm t = localTime(moment);
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d %02d:%02d", (t.tm_year + 1900) % 10000, t.tm_mon + 1,
                  t.tm_mday, t.tm_hour, t.tm_min);
    return text;
}

Date localDayOf(std::time_t moment) {
    const std::tm t = localTime(moment);
    return makeDate(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday).value_or(0);
}

std::string freeFileName(const std::string& stem, const std::string& suffix) {
    for (int n = 1; n <= 100; ++n) {
        std::string name = stem + (n == 1 ? std::string() : "-" + std::to_string(n)) + suffix;
        if (!fileExists(name)) return name;
    }
    return {};
}

}  // namespace kakeibo
