#include "app/GracefulQuit.h"

#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>

#include <cerrno>
#include <csignal>
#include <iterator>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace kakeibo::shell {

namespace {

constexpr int kSignals[] = {SIGTERM, SIGHUP, SIGINT};
// Boxes that keep coming back (a caller showing one after another) are
// closed this many times at most before the window closes regardless.
constexpr int kMostBoxesClosed = 50;

// The write end is all a signal handler may touch: it only writes one byte,
// and the event loop does the rest.
int signalPipe[2] = {-1, -1};
struct sigaction previous[std::size(kSignals)];

extern "C" void onTerminationSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

GracefulQuit::GracefulQuit(QWidget& mainWindow, std::function<void()> saveAll, std::function<void()> endForced,
                           QObject* parent)
    : GracefulQuit(parent) {
    setMainWindow(mainWindow, std::move(saveAll), std::move(endForced));
}

void GracefulQuit::setMainWindow(QWidget& mainWindow, std::function<void()> saveAll, std::function<void()> endForced) {
    mainWindow_ = &mainWindow;
    saveAll_ = std::move(saveAll);
    endForced_ = std::move(endForced);
}

GracefulQuit::GracefulQuit(QObject* parent) : QObject(parent) {
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) == 0) {
        notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &GracefulQuit::onSignal);
        struct sigaction action {};
        action.sa_handler = onTerminationSignal;
        sigemptyset(&action.sa_mask);
        action.sa_flags = SA_RESTART;
        for (std::size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &action, &previous[i]);
    }
    if (auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(gui, &QGuiApplication::commitDataRequest, this, &GracefulQuit::commitData);
    }
}

GracefulQuit::~GracefulQuit() {
    if (!notifier_) return;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) ::sigaction(kSignals[i], &previous[i], nullptr);
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

void GracefulQuit::onSignal() {
    char bytes[16];
    while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
    }
    closeMainWindow();
}

void GracefulQuit::closeMainWindow() {
    QWidget* box = QApplication::activePopupWidget();
    if (!box) box = QApplication::activeModalWidget();
    if (box && box != mainWindow_ && boxesClosed_ < kMostBoxesClosed) {
        ++boxesClosed_;
        if (auto* dialog = qobject_cast<QDialog*>(box))
            dialog->reject();
        else
            box->close();
        // The box's caller runs on when its loop ends; the window closes after.
        QTimer::singleShot(0, this, &GracefulQuit::closeMainWindow);
        return;
    }
    if (!mainWindow_) {
        // Still starting: close the boxes it shows until the window is there.
        QTimer::singleShot(50, this, &GracefulQuit::closeMainWindow);
        return;
    }
    if (endForced_) {
        endForced_();
    } else {
        mainWindow_->close();
    }
}

void GracefulQuit::commitData(QSessionManager&) {
    if (mainWindow_ && mainWindow_->isVisible() && saveAll_) saveAll_();
}

}  // namespace kakeibo::shell
