#include "exchange/ImportRun.h"

#include <map>

#include "book/Stores.h"
#include "exchange/BookCards.h"
#include "exchange/Recalculation.h"

namespace kakeibo {

UndoRecord undoRecordFor(const Book& book, const ImportPlan& plan, const std::string& source) {
    UndoRecord record;
    record.source = source;
    std::map<std::pair<Date, LandingSheet>, int> rows;  // the last row of each card's sheet so far
    std::vector<Date> dates;
    for (const PlannedLine& p : plan.lines) {
        if (p.duplicate) continue;
        auto [it, fresh] = rows.try_emplace({p.date, p.sheet}, 0);
        if (fresh) {
            const auto* lines = cardLines(book, p.date, p.sheet);
            it->second = lines ? static_cast<int>(lines->size()) : 0;
        }
        record.lines.push_back(AddedLine{p.date, p.sheet, ++it->second, TKiroku{p.item, p.category, p.amount}});
        for (const std::string& memo : p.memos) record.memos.push_back(AddedMemo{p.date, memo});
        if (!hasCard(book, p.date) && (dates.empty() || dates.back() != p.date)) dates.push_back(p.date);
    }
    std::sort(dates.begin(), dates.end());
    dates.erase(std::unique(dates.begin(), dates.end()), dates.end());
    record.cardsCreated = std::move(dates);
    return record;
}

namespace {

// The counts of a plan when none of its lines were added.
ImportOutcome nothingAdded(const ImportPlan& plan, ImportStatus status) {
    ImportOutcome outcome;
    outcome.status = status;
    outcome.duplicates = plan.duplicates;
    outcome.bad = static_cast<int>(plan.bad.size());
    outcome.zeroRows = plan.zeroRows;
    return outcome;
}

}  // namespace

ImportOutcome plannedOutcome(const ImportPlan& plan, bool skipBad) {
    if (!plan.bad.empty() && !skipBad) return nothingAdded(plan, ImportStatus::StoppedByBadRows);
    ImportOutcome outcome = nothingAdded(plan, ImportStatus::Done);
    outcome.added = plan.added;
    outcome.cardsCreated = plan.cardsCreated;
    outcome.first = plan.first;
    outcome.last = plan.last;
    return outcome;
}

ImportOutcome runImport(Book& book, const ImportPlan& plan, bool skipBad, const std::string& source,
                        FileLayer& files) {
    const ImportOutcome outcome = plannedOutcome(plan, skipBad);
    if (outcome.status != ImportStatus::Done || outcome.added == 0) return outcome;

    storeTheDay(book);
    const Date shown = book.cards.cur().date;
    const UndoRecord record = undoRecordFor(book, plan, source);
    if (!saveUndoRecord(book.folder, record, files)) return nothingAdded(plan, ImportStatus::RecordNotWritten);
    createCards(book, record.cardsCreated);
    for (const AddedLine& added : record.lines) appendLine(book, added.date, added.sheet, added.line);
    for (const AddedMemo& memo : record.memos) appendMemoLine(book, memo.date, memo.line);
    recalculateFrom(book, plan.first, shown);
    return outcome;
}

}  // namespace kakeibo
