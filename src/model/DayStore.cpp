#include "model/DayStore.h"

#include "model/SheetRows.h"
#include "sheets/AmountText.h"

namespace kakeibo {

namespace {

double amountAt(const Sheet& sheet, int col, int row) { return textToAmount(sheet.cell(col, row)); }

// The lines of a text, broken at CR LF, LF or a lone CR. Text after the last
// break is a line only when it is not empty, so a final break ends the last
// line instead of starting an empty one.
std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t begin = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        lines.push_back(text.substr(begin, i - begin));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        begin = i + 1;
    }
    if (begin < text.size()) lines.push_back(text.substr(begin));
    return lines;
}

}  // namespace

std::vector<TKiroku> sheetToKiroku(const Sheet& sheet) {
    std::vector<TKiroku> list;
    const int n = storedLineCount(sheet);
    list.reserve(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r) {
        list.push_back(TKiroku{sheet.cell(0, r), sheet.cell(2, r), amountAt(sheet, 1, r)});
    }
    return list;
}

std::vector<TYosan> sheetToYosan(const Sheet& sheet) {
    std::vector<TYosan> list;
    const int n = storedLineCount(sheet);
    list.reserve(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r) {
        list.push_back(TYosan{sheet.cell(0, r), amountAt(sheet, 1, r), amountAt(sheet, 2, r)});
    }
    return list;
}

std::vector<TMatome> sheetToMatome(const Sheet& sheet) {
    std::vector<TMatome> list;
    const int n = storedLineCount(sheet);
    list.reserve(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r) list.push_back(TMatome{sheet.cell(0, r), amountAt(sheet, 1, r)});
    return list;
}

void dispKiroku(const std::vector<TKiroku>& list, Sheet& sheet) {
    ensureDataRows(sheet, static_cast<int>(list.size()));
    int row = 1;
    for (const TKiroku& line : list) {
        sheet.setCell(0, row, line.item);
        sheet.setCell(1, row, amountToText(line.amount));
        sheet.setCell(2, row, line.category);
        ++row;
    }
}

void dispYosan(const std::vector<TYosan>& list, Sheet& sheet) {
    ensureDataRows(sheet, static_cast<int>(list.size()));
    int row = 1;
    for (const TYosan& budget : list) {
        sheet.setCell(0, row, budget.name);
        sheet.setCell(1, row, amountToText(budget.amount1));
        sheet.setCell(2, row, amountToText(budget.amount2));
        ++row;
    }
}

void dispMatome(const std::vector<TMatome>& list, Sheet& sheet) {
    ensureDataRows(sheet, static_cast<int>(list.size()));
    int row = 1;
    for (const TMatome& summary : list) {
        sheet.setCell(0, row, summary.name);
        sheet.setCell(1, row, amountToText(summary.amount));
        ++row;
    }
}

std::string memoFromEditorText(std::string_view editorText) {
    std::string memo;
    for (std::string_view line : splitLines(editorText)) {
        memo.append(line);
        memo.append("\r\n");
    }
    return memo;
}

std::string memoToEditorText(std::string_view memo) {
    const std::vector<std::string_view> lines = splitLines(memo);
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) text.push_back('\n');
        text.append(lines[i]);
    }
    // An empty last line needs its break kept; without it the line would
    // read as the final break of the line before and be lost on storing.
    if (!lines.empty() && lines.back().empty()) text.push_back('\n');
    return text;
}

void storeCard(TIndex& card, const Sheet& shishutu, const Sheet& shuNyu, const Sheet& koza,
               const Sheet& yosan, const Sheet& matome, std::string_view memo1Text) {
    card.spendList = sheetToKiroku(shishutu);
    card.incomeList = sheetToKiroku(shuNyu);
    card.accountList = sheetToKiroku(koza);
    card.budgetList = sheetToYosan(yosan);
    card.summaryList = sheetToMatome(matome);
    card.memo = memoFromEditorText(memo1Text);
}

}  // namespace kakeibo
