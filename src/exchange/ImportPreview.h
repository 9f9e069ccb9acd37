#pragma once
// What the import dialog shows while a person maps a statement, all of it
// worked out here so the window only puts texts into its tables:
// - the first lines of the file as read, split into their columns, the
//   header lines marked, so the person sees which column holds what;
// - the first rows as they would land: line, date, sheet, item, category
//   and amount, with "重複" for a duplicate or the error of a bad row;
// - the counts of the whole file, and whether bad rows would stop it.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "exchange/Landing.h"
#include "exchange/StatementImport.h"
#include "sheets/AmountText.h"

namespace kakeibo {

struct SampleLine {
    int line = 0;
    std::vector<std::string> fields;  // a QIF line is one field
    bool header = false;              // a header line the import reads over
};

struct StatementSample {
    std::vector<SampleLine> lines;
    int columns = 0;  // the most fields of a line shown
    StatementEncoding encoding = StatementEncoding::Utf8;  // the one the bytes were read in
};

// The first maxLines rows of the file (CSV) or lines (QIF) as options read them.
StatementSample sampleStatement(std::string_view bytes, const StatementOptions& options, std::size_t maxLines);

enum class PreviewState { Adds, Duplicate, Bad };

struct PreviewRow {
    int line = 0;
    PreviewState state = PreviewState::Adds;
    std::string date;      // as the day page writes it: 2026/12/8
    std::string sheet;     // 支出, 収入, 口座
    std::string item;
    std::string category;
    std::string amount;    // in the book's display form
    std::string note;      // "重複", the row's error, or "新しいカード"
};

inline constexpr const char* kDuplicateNote = "重複";
inline constexpr const char* kNewCardNote = "新しいカード";

// The sheet as a person calls it.
const char* sheetWord(LandingSheet sheet);

// The first maxRows rows of the plan in the order of the file, bad rows
// among the others.
std::vector<PreviewRow> previewRows(const ImportPlan& plan, AmountDisplay display, std::size_t maxRows);

struct PlanCounts {
    std::string text;      // "追加 4 行　重複 1 行　不正 0 行　新しいカード 2 枚"
    bool stopped = false;  // bad rows would stop the import (the text says so first)
};
PlanCounts planCounts(const ImportPlan& plan, bool skipBad);

}  // namespace kakeibo
