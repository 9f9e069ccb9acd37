#include "app/exchange/ImportMenu.h"

#include "app/TForm1.h"
#include "app/exchange/ImportDialog.h"
#include "book/Stores.h"
#include "exchange/ImportCommands.h"
#include "storage/FileLayer.h"

namespace kakeibo::shell {

void mnuImportClick(TForm1& form, const ImportDialogRunner& runDialog) {
    std::optional<ChosenStatement> chosen;
    // The card being typed goes into the book first: the preview finds the
    // lines already on it.
    form.runCommand([&chosen](Book& book) {
        storeTheDay(book);
        chosen = askStatementFile(book);
    });
    if (!chosen) return;
    ImportDialog dialog(form.book(), std::move(*chosen),
                        [&form](const std::function<void(Book&)>& command) { form.runCommand(command); }, &form);
    if (runDialog) {
        runDialog(dialog);
    } else {
        dialog.exec();
    }
}

void mnuUndoImportClick(TForm1& form) { form.runCommand([](Book& book) { kakeibo::mnuUndoImportClick(book); }); }

bool undoImportEnabled(TForm1& form) { return fileExists(undoRecordFileName(form.book().folder)); }

}  // namespace kakeibo::shell
