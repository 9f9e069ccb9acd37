#pragma once
// The person the fuzz targets' books talk to: every box answered OK, every
// question No, every dialog cancelled.

#include <optional>
#include <string>

#include "messages/UiPort.h"

namespace kakeibo::fuzzing {

class SilentUi : public UiPort {
public:
    MsgResult showMessage(const Message&) override { return MsgResult::Ok; }
    bool askYesNo(const std::string&, int, int) override { return false; }
    CalendarResult pickDate() override { return {}; }
    YearMonthResult askYearMonth(bool) override { return {}; }
    std::optional<std::string> askOpenFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> askSaveFileName(const FileDialogRequest&) override { return std::nullopt; }
    void beep() override {}
    void showWait(const std::string&) override {}
    void hideWait() override {}
};

}  // namespace kakeibo::fuzzing
