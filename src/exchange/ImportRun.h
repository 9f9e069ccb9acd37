#pragma once
// Carrying out a planned import on the book, all or nothing: with bad rows
// (and no choice to pass over them) nothing changes; otherwise the record
// of what will be added is written beside the book first (an import that
// could not be taken back is not made), then the cards are made, the lines
// and memo lines added after each card's last line, and the book
// recalculated from the earliest date imported.

#include <optional>
#include <string>

#include "book/Book.h"
#include "exchange/Landing.h"
#include "exchange/UndoRecord.h"

namespace kakeibo {

enum class ImportStatus {
    Done,           // lines were added (or there was nothing new to add)
    StoppedByBadRows,
    RecordNotWritten,  // the undo record could not be written: nothing added
};

struct ImportOutcome {
    ImportStatus status = ImportStatus::Done;
    int added = 0;
    int duplicates = 0;
    int bad = 0;
    int zeroRows = 0;
    int cardsCreated = 0;
    std::optional<Date> first, last;
};

// The record the plan's added lines will leave, rows counted from the
// cards as they stand.
UndoRecord undoRecordFor(const Book& book, const ImportPlan& plan, const std::string& source);

// What carrying out the plan would do, told as its outcome, without doing
// it (kakeibo-cli import --dry-run).
ImportOutcome plannedOutcome(const ImportPlan& plan, bool skipBad);

// source names the statement in the undo record. An import that adds
// nothing leaves the record of the import before it.
ImportOutcome runImport(Book& book, const ImportPlan& plan, bool skipBad, const std::string& source,
                        FileLayer& files = systemFileLayer());

}  // namespace kakeibo
