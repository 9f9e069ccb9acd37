// Any bytes as the import's own files beside the book: the rules and
// profiles file, the record of the last import and a rules text file.
// Reading must never crash; what reads must come back the same after
// writing it again.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "exchange/ImportProfiles.h"
#include "exchange/Rules.h"
#include "exchange/UndoRecord.h"

using namespace kakeibo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);

    if (const auto memory = decodeImportMemory(text)) {
        const std::string written = encodeImportMemory(*memory);
        const auto reread = decodeImportMemory(written);
        if (!reread || encodeImportMemory(*reread) != written) std::abort();
    }
    if (const auto record = decodeUndoRecord(text)) {
        const std::string written = encodeUndoRecord(*record);
        const auto reread = decodeUndoRecord(written);
        if (!reread || encodeUndoRecord(*reread) != written) std::abort();
    }
    const RulesText rules = readRulesText(text);
    for (const Rule& rule : rules.rules) {
        if (rule.text.empty() || rule.category.empty()) std::abort();
    }
    RuleSet(rules.rules).match(text);
    return 0;
}
