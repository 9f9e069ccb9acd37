#include "exchange/ImportCommands.h"

#include "exchange/ImportPreview.h"
#include "messages/ExchangeMessages.h"
#include "sheets/AmountText.h"

namespace kakeibo {

std::string fileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string addedLineText(const AddedLine& l) {
    return dateToText(0, l.date) + " " + sheetWord(l.sheet) + " " + l.line.item + " " + l.line.category + " " +
           amountToText(l.line.amount);
}

std::optional<ChosenStatement> askStatementFile(Book& book) {
    const auto path = book.ui().askOpenFileName(FileDialogRequest{kStatementDialogTitle, kStatementFilter, 1, {}});
    if (!path) return std::nullopt;
    auto bytes = readStatementFile(*path);
    if (!bytes) {
        msgStatementUnreadable(book.ui());
        return std::nullopt;
    }
    return ChosenStatement{*path, std::move(*bytes)};
}

ImportOutcome importAndReport(Book& book, const ChosenStatement& statement, const ImportRequest& request) {
    const StatementPlan planned = planStatement(book, statement.bytes, request);
    const ImportOutcome outcome = runImport(book, planned.plan, request.skipBad, fileNameOf(statement.path));
    switch (outcome.status) {
        case ImportStatus::StoppedByBadRows: {
            std::vector<std::pair<int, std::string>> bad;
            for (const ReadProblem& p : planned.plan.bad) bad.emplace_back(p.line, p.error);
            msgImportStopped(book.ui(), bad);
            break;
        }
        case ImportStatus::RecordNotWritten: msgImportRecordWriteFailed(book.ui()); break;
        case ImportStatus::Done:
            msgImportDone(book.ui(), ImportCounts{outcome.added, outcome.duplicates, outcome.bad, outcome.zeroRows,
                                                  outcome.cardsCreated});
            break;
    }
    return outcome;
}

void mnuUndoImportClick(Book& book) {
    const auto record = loadUndoRecord(book.folder);
    if (!record) {
        msgNothingToUndo(book.ui());
        return;
    }
    if (msgConfirmUndoImport(book.ui(), record->source, static_cast<int>(record->lines.size())) != MsgResult::Ok) {
        return;
    }
    const UndoOutcome outcome = undoRecordedImport(book, *record);
    std::vector<std::string> kept;
    for (const AddedLine& line : outcome.kept) kept.push_back(addedLineText(line));
    if (outcome.status == UndoStatus::RecordNotRemoved) msgUndoRecordNotRemoved(book.ui());
    msgUndoImportDone(book.ui(), outcome.removed, outcome.cardsRemoved, kept);
}

}  // namespace kakeibo
