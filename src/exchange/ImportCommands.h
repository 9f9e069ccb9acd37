#pragma once
// The File menu's import commands as the person meets them: the file
// chosen, the import run and told in a message, the last import taken back
// after a question. The window adds only its mapping dialog in between.

#include <optional>
#include <string>

#include "book/Book.h"
#include "exchange/ImportUndo.h"
#include "exchange/StatementImport.h"

namespace kakeibo {

inline constexpr const char* kStatementDialogTitle = "取り込むファイルを開く";
inline constexpr const char* kStatementFilter =
    "明細ファイル（CSV・QIF）|*.csv;*.qif;*.txt|CSV ファイル|*.csv|QIF ファイル|*.qif|すべてのファイル|*.*";

struct ChosenStatement {
    std::string path;
    std::string bytes;
};

// "取り込み…": asks for the statement file and reads it; nothing when the
// dialog was cancelled or the file cannot be read (which is said).
std::optional<ChosenStatement> askStatementFile(Book& book);

// "取り込む": runs the import and tells how it went: the bad rows that
// stopped it, a record that could not be written, or the counts.
ImportOutcome importAndReport(Book& book, const ChosenStatement& statement, const ImportRequest& request);

// "取り込みを元に戻す": asks, takes the last import back and tells what was
// removed and what was left.
void mnuUndoImportClick(Book& book);

// A line as a person reads it in a message: "2026/12/8 支出 昼食 食費 800".
std::string addedLineText(const AddedLine& line);

// The file name of a path, for the messages and the undo record.
std::string fileNameOf(const std::string& path);

}  // namespace kakeibo
