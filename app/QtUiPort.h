#pragma once
// The household book's questions and messages, answered with real dialogs.
// Message boxes open at the main window's top-left corner plus the
// message's offset; the calendar and year/month dialogs are reached
// through hooks the main window sets (cancelled until it does).

#include <functional>
#include <memory>

#include <QPointer>
#include <QStringList>

#include "messages/UiPort.h"

class QWidget;

namespace kakeibo::shell {

class WaitBox;

// "desc|pattern|desc|pattern" as Qt's name filters ("desc (pattern)");
// patterns separated by ";" become space-separated.
QStringList toQtNameFilters(const std::string& filter);

// The caption of a message box of a kind.
QString messageCaption(MsgKind kind);

class QtUiPort : public UiPort {
public:
    explicit QtUiPort(QWidget* mainWindow = nullptr);
    ~QtUiPort() override;

    void setMainWindow(QWidget* mainWindow);
    QWidget* mainWindow() const { return mainWindow_; }

    std::function<CalendarResult()> pickDateHook;
    std::function<YearMonthResult(bool showMonth)> askYearMonthHook;

    MsgResult showMessage(const Message& message) override;
    bool askYesNo(const std::string& text, int screenX, int screenY) override;
    CalendarResult pickDate() override;
    YearMonthResult askYearMonth(bool showMonth) override;
    std::optional<std::string> askOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> askSaveFileName(const FileDialogRequest& request) override;
    // Qt's save dialog with a "文字コード" list below the file type.
    std::optional<SaveFileChoice> askSaveFile(const FileDialogRequest& request,
                                              const std::vector<std::string>& encodings) override;
    void beep() override;
    void showWait(const std::string& text) override;
    void hideWait() override;

    // The wait box (created at the first use, or earlier by this call).
    WaitBox* waitBox();

private:
    // With encodings, the dialog offers them and encoding receives the
    // index of the one chosen.
    std::optional<std::string> askFileName(const FileDialogRequest& request, bool save,
                                           const std::vector<std::string>& encodings = {}, int* encoding = nullptr);

    QPointer<QWidget> mainWindow_;
    QPointer<WaitBox> waitBox_;
};

}  // namespace kakeibo::shell
