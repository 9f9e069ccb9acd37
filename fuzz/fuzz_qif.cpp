// Any bytes as a QIF file: the reader must never crash, every record and
// problem must name a line of the file, and the rows must land as the plan
// promises (splits, transfers to the bank and memos included).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ImportFuzzBook.h"
#include "exchange/CsvReader.h"
#include "exchange/QifRows.h"
#include "exchange/StatementImport.h"

using namespace kakeibo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const StatementText text = decodeStatement(bytes, StatementEncoding::Auto);
    const QifFile file = readQif(text.text);
    const int lines = static_cast<int>(physicalLines(text.text).size());
    for (const QifRecord& record : file.records) {
        if (record.line < 1 || record.line > lines) std::abort();
        for (const QifSplit& split : record.splits) {
            if (split.line < record.line || split.line > lines) std::abort();
        }
    }
    const StatementRows rows = qifToRows(file);
    for (const ReadProblem& problem : rows.bad) {
        if (problem.line < 1 || problem.line > lines) std::abort();
    }

    StatementOptions options;
    options.format = StatementFormat::Qif;
    ImportRequest request{options, "食費", "給料", {{"P", "電気代"}}, true};
    fuzzing::checkPlan(planStatement(fuzzing::importBook(), bytes, request).plan);
    return 0;
}
