#include "exchange/ImportUndo.h"

#include <algorithm>

#include "book/Stores.h"
#include "exchange/BookCards.h"
#include "exchange/Recalculation.h"

namespace kakeibo {

UndoOutcome undoImport(Book& book, const UndoRecord& record) {
    UndoOutcome outcome;
    storeTheDay(book);
    const Date shown = book.cards.cur().date;
    std::optional<Date> earliest;
    auto touched = [&earliest](Date d) {
        if (!earliest || d < *earliest) earliest = d;
    };

    // Last line first, so the rows of the earlier ones still hold.
    for (auto it = record.lines.rbegin(); it != record.lines.rend(); ++it) {
        if (removeLine(book, it->date, it->sheet, it->row, it->line)) {
            ++outcome.removed;
            touched(it->date);
            if (!outcome.first || it->date < *outcome.first) outcome.first = it->date;
            if (!outcome.last || it->date > *outcome.last) outcome.last = it->date;
        } else {
            outcome.kept.push_back(*it);
        }
    }
    std::reverse(outcome.kept.begin(), outcome.kept.end());
    for (auto it = record.memos.rbegin(); it != record.memos.rend(); ++it) removeMemoLine(book, it->date, it->line);
    for (Date date : record.cardsCreated) {
        if (removeCardIfEmpty(book, date)) {
            ++outcome.cardsRemoved;
            touched(date);
        }
    }
    recalculateFrom(book, earliest, shown);
    return outcome;
}

UndoOutcome undoRecordedImport(Book& book, const UndoRecord& record, FileLayer& files) {
    UndoOutcome outcome = undoImport(book, record);
    if (!removeUndoRecord(book.folder, files)) outcome.status = UndoStatus::RecordNotRemoved;
    return outcome;
}

UndoOutcome undoLastImport(Book& book, FileLayer& files) {
    const auto record = loadUndoRecord(book.folder, files);
    if (!record) return UndoOutcome{UndoStatus::NothingToUndo, 0, {}, 0, std::nullopt, std::nullopt};
    return undoRecordedImport(book, *record, files);
}

}  // namespace kakeibo
