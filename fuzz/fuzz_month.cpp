// Any bytes as a month summary file: reading must never crash or read past
// the end, every record read must keep its counts equal to its lists, the
// month list built from them must be in order with one record per key, and
// a file that reads completely must come back the same after writing it
// again (compared as bytes, see fuzz_pref.cpp).

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "storage/MonthFile.h"

using namespace kakeibo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<MonthRecord> records;
    const ReadOutcome outcome = decodeMonthFile(bytes, records);
    if (outcome == ReadOutcome::VersionTooNew) std::abort();
    // Each record read takes at least its key.
    if (records.size() * sizeof(double) > size) std::abort();

    const MonthList months = buildMonthList(records, 1.0);
    if (months.empty() || months.size() > static_cast<int>(records.size()) + 1) std::abort();
    for (int i = 1; i < months.size(); ++i) {
        const Date a = months.at(i - 1).key;
        const Date b = months.at(i).key;
        if (!std::isnan(a) && !std::isnan(b) && !(a < b)) std::abort();
    }

    if (outcome != ReadOutcome::Ok) return 0;
    const std::string written = encodeMonthFile(records);
    std::vector<MonthRecord> reread;
    if (decodeMonthFile(written, reread) != ReadOutcome::Ok) std::abort();
    if (reread.size() != records.size()) std::abort();
    if (encodeMonthFile(reread) != written) std::abort();
    return 0;
}
