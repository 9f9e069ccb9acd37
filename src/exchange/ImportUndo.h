#pragma once
// Taking the last import back: exactly the lines it added are removed (a
// line changed by hand since is left where it is and reported), then its
// memo lines, then the cards it made when they hold nothing else; the book
// is recalculated from the earliest date touched and the record removed.

#include <optional>
#include <vector>

#include "book/Book.h"
#include "exchange/UndoRecord.h"

namespace kakeibo {

enum class UndoStatus {
    Done,
    NothingToUndo,
    RecordNotRemoved,  // the lines were taken back, the record stayed: say so
};

struct UndoOutcome {
    UndoStatus status = UndoStatus::Done;
    int removed = 0;
    std::vector<AddedLine> kept;  // lines no longer as the import left them
    int cardsRemoved = 0;
    std::optional<Date> first, last;  // the dates of the lines removed
};

// Takes back record on the book (the record file is not touched).
UndoOutcome undoImport(Book& book, const UndoRecord& record);
// The same, then the record file of the book's folder is removed.
UndoOutcome undoRecordedImport(Book& book, const UndoRecord& record, FileLayer& files = systemFileLayer());

// The folder's record, taken back and then removed.
UndoOutcome undoLastImport(Book& book, FileLayer& files = systemFileLayer());

}  // namespace kakeibo
