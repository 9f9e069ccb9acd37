// The data file reader on arbitrary bytes: it never crashes, reads nothing
// past the end, allocates only what the bytes can hold, and whatever it
// keeps (all of a good file, or the part before a fault) is written again
// as a file that reads completely and is a fixed point of reading and
// writing.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "storage/DataFile.h"

using namespace kakeibo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DataImage first;
    ReadOutcome outcome = decodeDataFile(bytes, first);
    if (outcome == ReadOutcome::VersionTooNew) {
        if (!first.cards.empty() || !first.credit.empty() || !first.note.empty()) std::abort();
        return 0;
    }
    for (std::size_t i = 1; i < first.cards.size(); ++i) {
        if (!(first.cards[i - 1].date < first.cards[i].date)) std::abort();  // strictly ascending
    }
    // Writing maps what has no stored form ("?" for U+FFFD, text after a zero
    // byte dropped) once; from then on reading and writing change nothing.
    const std::string written = encodeDataFile(first);
    DataImage second;
    if (decodeDataFile(written, second) != ReadOutcome::Ok) std::abort();
    if (encodeDataFile(second) != written) std::abort();
    if (second.cards.size() != first.cards.size() || second.credit.size() != first.credit.size()) std::abort();
    return 0;
}
