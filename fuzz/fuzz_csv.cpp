// Any bytes as a CSV statement, read in every encoding and with either
// separator: the reader must never crash, every row and every problem must
// name a line of the file, and the rows must land as the plan promises.
// The first byte chooses how the file is read.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "ImportFuzzBook.h"
#include "exchange/StatementImport.h"

using namespace kakeibo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::uint8_t how = data[0];
    const std::string_view bytes(reinterpret_cast<const char*>(data + 1), size - 1);

    StatementOptions options;
    options.encoding = static_cast<StatementEncoding>(how % 3);
    options.csv = CsvFormat{(how & 4) ? '\t' : ',', (how >> 3) & 1};
    options.columns = (how & 16) ? CsvColumns{1, 2, 0, AmountSign::OutNegative, 3, 4, DateForm::Auto}
                                 : CsvColumns{1, 2, 3, (how & 32) ? AmountSign::InNegative : AmountSign::OutNegative,
                                              0, 0, DateForm::Auto};

    const StatementText text = decodeStatement(bytes, options.encoding);
    if (!isValidUtf8(text.text)) std::abort();
    const CsvTable table = readCsv(text.text, options.csv);
    const int lines = static_cast<int>(physicalLines(text.text).size());
    int previous = 0;
    for (const CsvRow& row : table.rows) {
        if (row.line <= previous || row.line > lines) std::abort();
        previous = row.line;
    }
    for (const ReadProblem& problem : table.problems) {
        if (problem.line < 1 || problem.line > lines) std::abort();
    }

    ImportRequest request{options, "食費", "給料", {{"a", "Food"}, {"[", "Bank ＿ 引出"}}, (how & 64) != 0};
    fuzzing::checkPlan(planStatement(fuzzing::importBook(), bytes, request).plan);
    return 0;
}
