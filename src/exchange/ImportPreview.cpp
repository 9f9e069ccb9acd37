#include "exchange/ImportPreview.h"

#include <algorithm>

#include "exchange/CsvReader.h"
#include "model/Dates.h"

namespace kakeibo {
namespace {

std::string_view withoutLineEnd(std::string_view line) {
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
    return line;
}

// A quoted field may hold line breaks; in a table cell it is one line.
std::string oneLine(std::string field) {
    std::replace_if(field.begin(), field.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return field;
}

PreviewRow landedRow(const PlannedLine& l, AmountDisplay display) {
    PreviewRow row;
    row.line = l.line;
    row.state = l.duplicate ? PreviewState::Duplicate : PreviewState::Adds;
    row.date = dateToText(0, l.date);
    row.sheet = sheetWord(l.sheet);
    row.item = l.item;
    row.category = l.category;
    row.amount = formatAmount(l.amount, display);
    if (l.duplicate) {
        row.note = kDuplicateNote;
    } else if (l.newCard) {
        row.note = kNewCardNote;
    }
    return row;
}

std::string counted(const char* what, int n, const char* unit) {
    return std::string(what) + " " + std::to_string(n) + " " + unit;
}

}  // namespace

const char* sheetWord(LandingSheet sheet) {
    switch (sheet) {
        case LandingSheet::Spend: return "支出";
        case LandingSheet::Income: return "収入";
        case LandingSheet::Account: return "口座";
    }
    return "";
}

StatementSample sampleStatement(std::string_view bytes, const StatementOptions& options, std::size_t maxLines) {
    const StatementText text = decodeStatement(bytes, options.encoding);
    StatementSample sample;
    sample.encoding = text.encoding;
    if (options.format == StatementFormat::Qif) {
        const std::vector<std::string_view> lines = physicalLines(text.text);
        for (std::size_t i = 0; i < lines.size() && sample.lines.size() < maxLines; ++i) {
            sample.lines.push_back(SampleLine{static_cast<int>(i) + 1, {std::string(withoutLineEnd(lines[i]))}, false});
        }
        sample.columns = sample.lines.empty() ? 0 : 1;
        return sample;
    }
    // Read from the first line, so the header lines show what they are.
    CsvTable table = readCsv(text.text, CsvFormat{options.csv.separator, 0});
    for (CsvRow& row : table.rows) {
        if (sample.lines.size() == maxLines) break;
        sample.columns = std::max(sample.columns, static_cast<int>(row.fields.size()));
        for (std::string& field : row.fields) field = oneLine(std::move(field));
        sample.lines.push_back(SampleLine{row.line, std::move(row.fields), row.line <= options.csv.skipLines});
    }
    return sample;
}

std::vector<PreviewRow> previewRows(const ImportPlan& plan, AmountDisplay display, std::size_t maxRows) {
    std::vector<PreviewRow> rows;
    auto line = plan.lines.begin();
    auto bad = plan.bad.begin();
    // Both lists are in the order of the file; at one line (a QIF record
    // and its splits) the landed rows go first.
    while (rows.size() < maxRows && (line != plan.lines.end() || bad != plan.bad.end())) {
        if (bad == plan.bad.end() || (line != plan.lines.end() && line->line <= bad->line)) {
            rows.push_back(landedRow(*line++, display));
        } else {
            PreviewRow row;
            row.line = bad->line;
            row.state = PreviewState::Bad;
            row.note = bad->error;
            rows.push_back(std::move(row));
            ++bad;
        }
    }
    return rows;
}

PlanCounts planCounts(const ImportPlan& plan, bool skipBad) {
    const int bad = static_cast<int>(plan.bad.size());
    PlanCounts counts;
    counts.stopped = bad > 0 && !skipBad;
    std::vector<std::string> parts{counted("追加", plan.added, "行"), counted("重複", plan.duplicates, "行"),
                                   counted("不正", bad, "行")};
    if (plan.zeroRows > 0) parts.push_back(counted("金額 0", plan.zeroRows, "行"));
    parts.push_back(counted("新しいカード", plan.cardsCreated, "枚"));
    // Stopped, the counts say what skipping the bad rows would import.
    if (counts.stopped) counts.text = "不正な行があるので、このままでは何も取り込みません。不正な行を飛ばすと：";
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) counts.text += "　";
        counts.text += parts[i];
    }
    return counts;
}

}  // namespace kakeibo
