// The program entry: the command line, the application object and its
// set-up, the program folder and its lock, then the main window.

#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include <QApplication>
#include <QMessageBox>

#include "app/ApplicationSetup.h"
#include "app/GracefulQuit.h"
#include "app/TForm1.h"
#include "app/ToolWindows.h"
#include "app/options/WindowOptions.h"
#include "book/DataPrefetch.h"
#include "storage/FileNames.h"
#include "storage/FolderLock.h"

int main(int argc, char* argv[]) {
    // Before the application object, which needs a display: --help and
    // --version answer on any terminal.
    int status = 0;
    auto arguments = kakeibo::shell::parseWindowArguments(argc, argv, std::cout, std::cerr, status);
    if (!arguments) return status;
    // A folder that is not there would start an empty book in its place.
    if (const std::string& dir = arguments->options.folder; !dir.empty() && !std::filesystem::is_directory(dir)) {
        std::cerr << "kakeibo: --dir needs an existing folder: " << dir << '\n';
        return 2;
    }

    // The book's files are read from here on, beside the start of Qt and
    // the building of the window; a second program on the same folder,
    // found below, ends without having used them.
    const std::string& chosen = arguments->options.folder;
    const std::string folder = chosen.empty() ? kakeibo::programFolder() : kakeibo::withTrailingSlash(chosen);
    kakeibo::DataPrefetch prefetch(kakeibo::dataFileName(folder), kakeibo::monthFileName(folder));

    // Qt takes its own options from what the program did not know. The
    // application object keeps argc and argv, so they live as long as main.
    std::vector<char*> qtArgv;
    for (std::string& argument : arguments->forQt) qtArgv.push_back(argument.data());
    int qtArgc = static_cast<int>(qtArgv.size());
    qtArgv.push_back(nullptr);
    QApplication app(qtArgc, qtArgv.data());
    if (const QStringList left = QCoreApplication::arguments().mid(1); !left.isEmpty()) {
        std::vector<std::string> unknown;
        for (const QString& argument : left) unknown.push_back(argument.toStdString());
        std::cerr << kakeibo::shell::unknownArgumentsMessage(unknown) << '\n';
        return 2;
    }
    kakeibo::shell::setUpApplication(app);

    kakeibo::FolderLock lock(folder);
    if (lock.acquire() == kakeibo::FolderLock::Outcome::HeldElsewhere) {
        // A second program on the same files would undo the first one's
        // work when closing: say so and end before anything is read or written.
        QMessageBox::information(nullptr, QStringLiteral("みらぶの家計簿"),
                                 QString::fromUtf8(kakeibo::alreadyRunningMessage()));
        return 1;
    }

    // Listening before the window exists: a termination signal during the
    // start-up's boxes closes them, then the window.
    kakeibo::shell::GracefulQuit quit;
    // Its creation runs the book's start-up (splash, files, today's card).
    kakeibo::shell::TForm1 form(folder, nullptr, &prefetch);
    kakeibo::shell::ToolWindows tools(form);
    quit.setMainWindow(form, [&form] { form.saveEverything(); }, [&form] { form.closeForcedByDesktop(); });
    form.show();
    return app.exec();
}
