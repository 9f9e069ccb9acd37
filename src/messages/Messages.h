#pragma once
// Every message box of the household book: one routine per message, with
// its text, kind, buttons and place fixed here.

#include <string>

#include "messages/UiPort.h"

namespace kakeibo {

// The product's version as the messages and the caption show it; the build
// gives it from the project's version.
inline constexpr const char* kVersionText = KAKEIBO_VERSION;

// A box of the program's style: the text, its kind and buttons, its place
// from the main window's corner. Every message routine shows through this.
MsgResult showMessageBox(UiPort& ui, std::string text, MsgKind kind, MsgButtons buttons, int dx, int dy,
                         bool cancelIsDefault = false);

MsgResult msgDateError(UiPort& ui);
MsgResult msgCannotOpen(UiPort& ui);
MsgResult msgWrongExt(UiPort& ui);
MsgResult msgNotDataFile(UiPort& ui);
MsgResult msgWriteFailed(UiPort& ui);
MsgResult msgNotPrefFile(UiPort& ui);
MsgResult msgMonthFileBroken(UiPort& ui);
MsgResult msgVersion(UiPort& ui, int version);
MsgResult msgWarning(UiPort& ui, const std::string& text);
MsgResult msgCannotDeleteLast(UiPort& ui);
MsgResult msgUnstable(UiPort& ui);
MsgResult msgAtFirst(UiPort& ui);
MsgResult msgAtLast(UiPort& ui);
MsgResult msgDeleteDataFile(UiPort& ui);
MsgResult msgDeletePrefFile(UiPort& ui);
MsgResult msgDeleteMonthFile(UiPort& ui);
// kind 0 week, 1 fiscal month, 2 year, 5 daily-records period; others empty.
MsgResult msgNoData(UiPort& ui, int kind);
MsgResult msgWelcome(UiPort& ui);
MsgResult msgConfirmDelete(UiPort& ui);
MsgResult msgConfirmDeleteAgain(UiPort& ui);
MsgResult msgPrinterReady(UiPort& ui);

// The texts that are built rather than fixed.
std::string versionMessageText(int version);
std::string welcomeMessageText();
std::string noDataText(int kind);

// The fixed failure sequences.
void reportDataReadFailure(UiPort& ui);   // not data file, unstable, delete data file
void reportPrefReadFailure(UiPort& ui);   // not settings file, unstable, delete settings file
void reportMonthReadFailure(UiPort& ui);  // month file broken, delete month file
void reportWriteFailure(UiPort& ui);      // write failed, unstable

// The delete questions in their order: refuses the only element, then asks
// twice. True when the caller may delete.
bool confirmDelete(UiPort& ui, bool onlyOneLeft);

}  // namespace kakeibo
