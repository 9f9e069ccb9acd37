#pragma once
// The messages of the book's safety net: the recovery copy, the backup
// generations, another writer's change to the data file, and a close whose
// files could not be written. File names are shown as the person finds
// them in the program folder.

#include <string>

#include "messages/UiPort.h"

namespace kakeibo {

// Start-up: a recovery copy made at madeAt ("2026/12/08 21:30") holds work
// the last program did not write. OK restores it; Cancel starts from the
// files and keeps the copy as keptName.
MsgResult msgAskRestoreRecovery(UiPort& ui, const std::string& madeAt, const std::string& keptName);
// After Cancel: where the copy is now.
MsgResult msgRecoveryPutAside(UiPort& ui, const std::string& keptName);
// The data file was written after the copy was made (by another program
// or computer): the copy is not restored over it but kept as keptName.
MsgResult msgRecoveryOutdated(UiPort& ui, const std::string& keptName);
// The copy cannot be read: kept as keptName, the start goes on.
MsgResult msgRecoveryUnreadable(UiPort& ui, const std::string& keptName);
// Restoring could not write the files (after the write-failure messages):
// the copy is kept as keptName.
MsgResult msgRestoreFailed(UiPort& ui, const std::string& keptName);
// A save killed last time had written its whole new book: kept as keptName.
MsgResult msgUnfinishedSaveKept(UiPort& ui, const std::string& keptName);
// The recovery copy could not be written while the book was open.
MsgResult msgRecoveryWriteFailed(UiPort& ui);

// The data file was changed by someone else since it was read: it was left
// as it is and the book written to conflictName.
MsgResult msgDataFileChangedElsewhere(UiPort& ui, const std::string& dataName, const std::string& conflictName);

// The close could not write every file. OK ends the program; with the
// recovery copy kept, the work comes back at the next start, otherwise it
// is lost and Cancel is the default.
MsgResult msgEndAfterFailedClose(UiPort& ui, bool recoveryKept);
// The command-line tool's close could not write every file: the book is in
// the recovery copy.
MsgResult msgWorkKeptInRecovery(UiPort& ui);

// What the command-line tool says when it will not start over a recovery
// copy that waits at path (it would otherwise decide for the person).
std::string recoveryWaitingText(const std::string& path);

// A backup generation could not be written (the close goes on).
MsgResult msgGenerationFailed(UiPort& ui, const std::string& generationName);
// Restoring a backup: the day ("2026/12/08") and what it holds.
MsgResult msgAskRestoreBackup(UiPort& ui, const std::string& day, int cards, const std::string& lastCard);
MsgResult msgBackupUnreadable(UiPort& ui, const std::string& generationName);
MsgResult msgNoBackups(UiPort& ui);

}  // namespace kakeibo
