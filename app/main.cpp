// The program entry: the application object, the help file's name, the
// Japanese fonts, the program folder and its lock, then the main window.
// No arguments and no environment variables are read here.

#include <QApplication>
#include <QMessageBox>

#include "app/Fonts.h"
#include "app/GracefulQuit.h"
#include "app/HelpWindow.h"
#include "app/QtTranslations.h"
#include "app/TForm1.h"
#include "app/ToolWindows.h"
#include "storage/FileNames.h"
#include "storage/FolderLock.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The help command opens the file of this name (beside the program, or
    // the copy built in).
    app.setProperty("helpFile", QString::fromLatin1(kakeibo::shell::kHelpFileName));
    kakeibo::shell::installJapaneseFonts();
    kakeibo::shell::installQtJapaneseTexts(app);

    const std::string folder = kakeibo::programFolder();
    kakeibo::FolderLock lock(folder);
    if (lock.acquire() == kakeibo::FolderLock::Outcome::HeldElsewhere) {
        // A second program on the same files would undo the first one's
        // work when closing: say so and end before anything is read or written.
        QMessageBox::information(nullptr, QStringLiteral("みらぶの家計簿"),
                                 QString::fromUtf8(kakeibo::alreadyRunningMessage()));
        return 1;
    }

    // Its creation runs the book's start-up (splash, files, today's card).
    kakeibo::shell::TForm1 form(folder);
    kakeibo::shell::ToolWindows tools(form);
    kakeibo::shell::GracefulQuit quit(form, [&form] { form.saveEverything(); });
    form.show();
    return app.exec();
}
