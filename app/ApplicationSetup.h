#pragma once
// What the application object is given before the main window is made:
// its desktop name and icon, the built-in files, the help file's name, the
// Japanese fonts, the input method guard and Qt's own texts in Japanese.
// The program's entry and the start-up benchmark's probe both run it, so
// the probe's start is the program's.

class QApplication;

namespace kakeibo::shell {

void setUpApplication(QApplication& app);

}  // namespace kakeibo::shell
