#pragma once
// Ends the program the way its close box does when the desktop, not the
// person, ends it: a termination signal (SIGTERM at shutdown, SIGHUP when
// its terminal goes, SIGINT from Ctrl+C) closes the main window, whose close
// writes every file. The session manager's request at logout saves every
// file at once, in case the program is killed rather than closed after it.
// Boxes open at that moment are answered "Cancel" first, so no command is
// left half-way over a book that the close has already put away.

#include <QObject>
#include <QPointer>

#include <functional>

class QSocketNotifier;
class QSessionManager;
class QWidget;

namespace kakeibo::shell {

class GracefulQuit : public QObject {
    Q_OBJECT
public:
    // Listens from now on; the main window comes with setMainWindow. A
    // signal before it (during the start-up's boxes) closes those boxes
    // and the window once it is there.
    explicit GracefulQuit(QObject* parent = nullptr);
    GracefulQuit(QWidget& mainWindow, std::function<void()> saveAll, std::function<void()> endForced = {},
                 QObject* parent = nullptr);
    ~GracefulQuit() override;
    GracefulQuit(const GracefulQuit&) = delete;
    GracefulQuit& operator=(const GracefulQuit&) = delete;

    // saveAll writes every file and keeps the book open (the session may
    // go on after all). endForced ends the main window as an ending the
    // desktop forces (nothing is asked); unset, the window is closed.
    void setMainWindow(QWidget& mainWindow, std::function<void()> saveAll, std::function<void()> endForced = {});

    // Closes the open boxes, then the main window.
    void closeMainWindow();

private:
    void onSignal();
    void commitData(QSessionManager& manager);

    QPointer<QWidget> mainWindow_;
    std::function<void()> saveAll_;
    std::function<void()> endForced_;
    QSocketNotifier* notifier_ = nullptr;
    int boxesClosed_ = 0;
};

}  // namespace kakeibo::shell
