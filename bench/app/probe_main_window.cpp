// The window program as its entry runs it, on the book in the folder named
// by the first argument: the fonts, the main window over the book, the first
// paint, then the close that writes the files. It prints "painted" at the
// first paint so that whoever started it can time the start apart from the
// close. Boxes are answered silently (a box would wait for a person).

#include <QApplication>

#include "app/Fonts.h"
#include "app/QtTranslations.h"
#include "app/TForm1.h"
#include "FirstPaint.h"
#include "generator/BenchBook.h"

int main(int argc, char* argv[]) {
    if (argc < 2) return 2;
    QApplication app(argc, argv);
    kakeibo::shell::installJapaneseFonts();
    kakeibo::shell::installQtJapaneseTexts(app);
    kakeibo::SilentUi ui;
    kakeibo::shell::TForm1 form(argv[1], ui);
    kakeibo::showAndPaint(form, kakeibo::announceFirstPaint);
    form.close();
    return ui.messages == 0 ? 0 : 3;
}
