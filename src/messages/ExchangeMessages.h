#pragma once
// The message boxes of importing statements and of taking an import back,
// in the program's own style beside the others.

#include <string>
#include <utility>
#include <vector>

#include "messages/UiPort.h"

namespace kakeibo {

// A statement file that cannot be read at all.
MsgResult msgStatementUnreadable(UiPort& ui);

struct ImportCounts {
    int added = 0;
    int duplicates = 0;
    int bad = 0;
    int zeroRows = 0;
    int cardsCreated = 0;
};
MsgResult msgImportDone(UiPort& ui, const ImportCounts& counts);
std::string importDoneText(const ImportCounts& counts);

// Bad rows stopped the import: each with its line (the first ones when
// there are many).
MsgResult msgImportStopped(UiPort& ui, const std::vector<std::pair<int, std::string>>& badRows);
std::string importStoppedText(const std::vector<std::pair<int, std::string>>& badRows);

// The undo record could not be written, so nothing was imported.
MsgResult msgImportRecordWriteFailed(UiPort& ui);

MsgResult msgNothingToUndo(UiPort& ui);
// OK or Cancel before taking the last import back.
MsgResult msgConfirmUndoImport(UiPort& ui, const std::string& source, int lines);
// keptLines: the lines left because they were changed since, one text each.
MsgResult msgUndoImportDone(UiPort& ui, int removed, int cardsRemoved, const std::vector<std::string>& keptLines);
std::string undoImportDoneText(int removed, int cardsRemoved, const std::vector<std::string>& keptLines);
// The lines were taken back but the record of the import stayed.
MsgResult msgUndoRecordNotRemoved(UiPort& ui);

// The import's settings file could not be read; it starts empty. setAside:
// the broken file was kept under another name (else nothing is saved).
MsgResult msgRulesFileBroken(UiPort& ui, bool setAside);
MsgResult msgRulesFileWriteFailed(UiPort& ui);
// OK or Cancel before a saved mapping profile is forgotten.
MsgResult msgConfirmDeleteProfile(UiPort& ui, const std::string& name);
// A rule of the table has its text or its category only (row from 1).
MsgResult msgHalfRule(UiPort& ui, int row);

}  // namespace kakeibo
