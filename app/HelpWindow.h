#pragma once
// The help window: the help file "Mirab050.hlp" (HTML in Japanese) in a
// text browser. A copy in the book's folder is shown when there is one,
// then the copy installed with the program, otherwise the one built in.

#include <QTextBrowser>

namespace kakeibo::shell {

inline constexpr const char* kHelpFileName = "Mirab050.hlp";

class HelpWindow : public QTextBrowser {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& programFolder, QWidget* parent = nullptr);

    // The window of the contents, made once and raised on every later call.
    // It belongs to mainWindow, so it never keeps the program running after
    // the main window has closed.
    static HelpWindow* showContents(const QString& programFolder, QWidget* mainWindow);

    // The HTML of the help file, from programFolder or from the program.
    static QString helpHtml(const QString& programFolder);
    // Where the package puts the help file: share/kakeibo beside the
    // program's bin folder.
    static QString installedHelpFile();
};

}  // namespace kakeibo::shell
