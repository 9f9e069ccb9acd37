#pragma once
// Qt's own dialogs and menus (the file and font dialogs, the printer setup,
// a text field's context menu) speak Japanese like the rest of the program,
// whatever the desktop's language: Debian's translations of Qt.

class QCoreApplication;

namespace kakeibo::shell {

// Loads Qt's Japanese texts into app and makes Japanese the default locale.
// Returns false when the translations are not installed: Qt's dialogs then
// stay in English, and everything else works as before.
bool installQtJapaneseTexts(QCoreApplication& app);

}  // namespace kakeibo::shell
