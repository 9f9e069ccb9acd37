#pragma once
// The File menu's "取り込み…" and "取り込みを元に戻す" in the main window:
// the statement file asked for, the mapping dialog, the import and its
// undo run as the window's commands, so the pages, the search window and
// the recovery copy follow the book.

#include <functional>
#include <optional>

namespace kakeibo::shell {

class ImportDialog;
class TForm1;

// Shows the dialog; unset, the dialog runs modally. Tests drive it here.
using ImportDialogRunner = std::function<void(ImportDialog&)>;

void mnuImportClick(TForm1& form, const ImportDialogRunner& runDialog = {});
void mnuUndoImportClick(TForm1& form);
// Whether "取り込みを元に戻す" has an import to take back.
bool undoImportEnabled(TForm1& form);

}  // namespace kakeibo::shell
