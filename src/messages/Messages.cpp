#include "messages/Messages.h"

#include <charconv>
#include <system_error>

namespace kakeibo {

namespace {

constexpr const char* kCrLf = "\r\n";

MsgResult show(UiPort& ui, std::string text, MsgKind kind, MsgButtons buttons, int dx, int dy) {
    return showMessageBox(ui, std::move(text), kind, buttons, dx, dy);
}

MsgResult showError(UiPort& ui, std::string text, int dx, int dy) {
    return show(ui, std::move(text), MsgKind::Error, MsgButtons::Ok, dx, dy);
}

MsgResult showWarning(UiPort& ui, std::string text, int dx, int dy) {
    return show(ui, std::move(text), MsgKind::Warning, MsgButtons::Ok, dx, dy);
}

MsgResult showInformation(UiPort& ui, std::string text, int dx, int dy) {
    return show(ui, std::move(text), MsgKind::Information, MsgButtons::Ok, dx, dy);
}

MsgResult askConfirmation(UiPort& ui, std::string text, int dx, int dy) {
    return show(ui, std::move(text), MsgKind::Confirmation, MsgButtons::OkCancel, dx, dy);
}

// A file version as people read it: hundredths in the shortest plain
// decimal form (60 -> "0.6", 100 -> "1", 123 -> "1.23"). Fixed notation
// keeps large or odd versions from a broken file out of exponent form.
std::string versionNumberText(int version) {
    char buffer[64];
    const double value = static_cast<double>(version) / 100.0;
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec != std::errc()) {
        return std::to_string(version);
    }
    return std::string(buffer, result.ptr);
}

}  // namespace

MsgResult showMessageBox(UiPort& ui, std::string text, MsgKind kind, MsgButtons buttons, int dx, int dy,
                         bool cancelIsDefault) {
    Message message;
    message.text = std::move(text);
    message.kind = kind;
    message.buttons = buttons;
    message.dx = dx;
    message.dy = dy;
    message.cancelIsDefault = cancelIsDefault;
    return ui.showMessage(message);
}

MsgResult msgDateError(UiPort& ui) {
    return showError(ui, "日付が正しく処理されませんでした", 220, 250);
}

MsgResult msgCannotOpen(UiPort& ui) {
    return showError(ui, "そのファイルは開けません", 150, 100);
}

MsgResult msgWrongExt(UiPort& ui) {
    return showError(ui, "拡張子が違います", 150, 100);
}

MsgResult msgNotDataFile(UiPort& ui) {
    return showError(ui, "みらぶの家計簿のデータではないか、ファイルが壊れています", 120, 120);
}

MsgResult msgWriteFailed(UiPort& ui) {
    return showError(ui, "ファイル書き込みに失敗しました", 120, 120);
}

MsgResult msgNotPrefFile(UiPort& ui) {
    return showError(ui, "みらぶの家計簿の設定ファイルではないか、ファイルが壊れています", 120, 120);
}

MsgResult msgMonthFileBroken(UiPort& ui) {
    return showError(ui, "月間集計ファイルが壊れているようです", 120, 120);
}

std::string versionMessageText(int version) {
    const std::string number = versionNumberText(version);
    std::string text;
    text += "Ver." + number + " で作成したファイルを読み込もうとしています ！！";
    text += kCrLf;
    text += kCrLf;
    text += "Ver." + number + " で作成したファイルは Ver." + kVersionText + " では読み込めません";
    return text;
}

MsgResult msgVersion(UiPort& ui, int version) {
    return showError(ui, versionMessageText(version), 150, 150);
}

MsgResult msgWarning(UiPort& ui, const std::string& text) {
    return showWarning(ui, text, 200, 130);
}

MsgResult msgCannotDeleteLast(UiPort& ui) {
    return showWarning(ui, "最後の１枚は削除できません", 220, 250);
}

MsgResult msgUnstable(UiPort& ui) {
    return showWarning(ui, "動作が不安定になるので、いったん終了してください", 130, 150);
}

MsgResult msgAtFirst(UiPort& ui) {
    return showInformation(ui, "これが先頭のカードです", 150, 120);
}

MsgResult msgAtLast(UiPort& ui) {
    return showInformation(ui, "これが最後のカードです", 320, 120);
}

// The file names in the next three texts are part of the wording; they are
// shown as written whatever the real files are called.
MsgResult msgDeleteDataFile(UiPort& ui) {
    return showInformation(ui, "エラーが続くようならデータファイル（Mirab0.50.mrb）を削除してください", 200, 200);
}

MsgResult msgDeletePrefFile(UiPort& ui) {
    return showInformation(ui, "エラーが続くようなら設定ファイル（Mirab0.50.prf）を削除してください", 200, 200);
}

MsgResult msgDeleteMonthFile(UiPort& ui) {
    return showInformation(ui, "月間集計ファイル（Mirab0.50.mmm）を削除して起動しなおしてください", 200, 200);
}

std::string noDataText(int kind) {
    switch (kind) {
        case 0: return "この週のデータはありません";
        case 1: return "この月度のデータはありません";
        case 2: return "この年度のデータはありません";
        case 5: return "この期間の日々の記録はありません";
        default: return "";
    }
}

MsgResult msgNoData(UiPort& ui, int kind) {
    return showInformation(ui, noDataText(kind), 200, 200);
}

std::string welcomeMessageText() {
    std::string text;
    text += std::string("「みらぶの家計簿 Ver.") + kVersionText + "」 にようこそ！！　";
    text += kCrLf;
    text += kCrLf;
    text += kCrLf;
    text += "　使用に先立ちヘルプの 「はじめの一歩」 を読むことをお勧めします。　　　";
    text += kCrLf;
    text += kCrLf;
    text += "　ヘルプメニューの目次を選択するとヘルプを起動できます。";
    text += kCrLf;
    text += kCrLf;
    return text;
}

MsgResult msgWelcome(UiPort& ui) {
    return showInformation(ui, welcomeMessageText(), 200, 200);
}

MsgResult msgConfirmDelete(UiPort& ui) {
    return askConfirmation(ui, "このカードを削除しますか？　削除後の復旧はできません", 250, 100);
}

MsgResult msgConfirmDeleteAgain(UiPort& ui) {
    return askConfirmation(ui, "しつこいですが、本当に削除しますか？", 200, 200);
}

MsgResult msgPrinterReady(UiPort& ui) {
    return askConfirmation(ui, "プリンタの用意はできていますか？", 200, 200);
}

void reportDataReadFailure(UiPort& ui) {
    msgNotDataFile(ui);
    msgUnstable(ui);
    msgDeleteDataFile(ui);
}

void reportPrefReadFailure(UiPort& ui) {
    msgNotPrefFile(ui);
    msgUnstable(ui);
    msgDeletePrefFile(ui);
}

void reportMonthReadFailure(UiPort& ui) {
    msgMonthFileBroken(ui);
    msgDeleteMonthFile(ui);
}

void reportWriteFailure(UiPort& ui) {
    msgWriteFailed(ui);
    msgUnstable(ui);
}

bool confirmDelete(UiPort& ui, bool onlyOneLeft) {
    if (onlyOneLeft) {
        msgCannotDeleteLast(ui);
        return false;
    }
    if (msgConfirmDelete(ui) != MsgResult::Ok) {
        return false;
    }
    return msgConfirmDeleteAgain(ui) == MsgResult::Ok;
}

}  // namespace kakeibo
