#include "messages/SafetyMessages.h"

#include "messages/Messages.h"

namespace kakeibo {

namespace {

constexpr const char* kCrLf = "\r\n";

MsgResult show(UiPort& ui, std::string text, MsgKind kind, int dx, int dy, MsgButtons buttons = MsgButtons::Ok,
               bool cancelIsDefault = false) {
    return showMessageBox(ui, std::move(text), kind, buttons, dx, dy, cancelIsDefault);
}

std::string lines(std::initializer_list<std::string> parts) {
    std::string text;
    for (const std::string& part : parts) {
        if (!text.empty()) text += std::string(kCrLf) + kCrLf;
        text += part;
    }
    return text;
}

}  // namespace

MsgResult msgAskRestoreRecovery(UiPort& ui, const std::string& madeAt, const std::string& keptName) {
    return show(ui,
                lines({"前回、みらぶの家計簿は正しく終了しませんでした。",
                       "保存されていなかった入力（" + madeAt + " の時点）が復旧用のコピーに残っています。",
                       "この内容を復元しますか？",
                       "「OK」で復元します。いまのデータファイルはバックアップに残します。" + std::string(kCrLf) +
                           "「キャンセル」で復元せずに起動します。復旧用のコピーは " + keptName +
                           " として残します。"}),
                MsgKind::Confirmation, 200, 100, MsgButtons::OkCancel);
}

MsgResult msgRecoveryPutAside(UiPort& ui, const std::string& keptName) {
    return show(ui,
                lines({"復旧用のコピーを " + keptName + " として残しました。",
                       "「データを開く」で開いて内容を確かめることができます。"}),
                MsgKind::Information, 200, 200);
}

MsgResult msgRecoveryOutdated(UiPort& ui, const std::string& keptName) {
    return show(ui,
                lines({"復旧用のコピーが残っていましたが、その後にデータファイルがほかのプログラムで書き換えられています。",
                       "データファイルはそのままにして、復旧用のコピーを " + keptName + " として残しました。",
                       "「データを開く」で開いて内容を確かめることができます。"}),
                MsgKind::Warning, 130, 150);
}

MsgResult msgRecoveryUnreadable(UiPort& ui, const std::string& keptName) {
    return show(ui,
                lines({"復旧用のコピーが壊れているため、復元できません。",
                       "コピーは " + keptName + " として残し、データファイルから起動します。"}),
                MsgKind::Warning, 130, 150);
}

MsgResult msgRestoreFailed(UiPort& ui, const std::string& keptName) {
    return show(ui,
                lines({"復旧用のコピーを復元できませんでした。",
                       "コピーは " + keptName + " として残しました。空き容量を確かめてから、「データを開く」で開いてください。"}),
                MsgKind::Warning, 130, 150);
}

MsgResult msgUnfinishedSaveKept(UiPort& ui, const std::string& keptName) {
    return show(ui,
                lines({"前回、データファイルの保存が途中で終わっていました。",
                       "保存しかけた内容を " + keptName + " として残しました。「データを開く」で開いて内容を確かめることができます。"}),
                MsgKind::Information, 200, 200);
}

MsgResult msgRecoveryWriteFailed(UiPort& ui) {
    return show(ui,
                lines({"復旧用のコピーを書き込めませんでした。",
                       "ディスクの空き容量が足りないかもしれません。このまま異常終了すると、保存していない入力は失われます。"}),
                MsgKind::Warning, 130, 150);
}

MsgResult msgDataFileChangedElsewhere(UiPort& ui, const std::string& dataName, const std::string& conflictName) {
    return show(ui,
                lines({"データファイル " + dataName + " は、この家計簿を開いた後にほかのプログラムで書き換えられていました。",
                       "書き換えられたファイルはそのままにして、この家計簿の内容は " + conflictName + " に保存しました。",
                       "二つのファイルを「データを開く」で開いて見比べてください。"}),
                MsgKind::Warning, 130, 150);
}

MsgResult msgEndAfterFailedClose(UiPort& ui, bool recoveryKept) {
    const std::string advice =
        "ディスクの空き容量を増やしてからもう一度終了するか、「名前を付けてデータを保存」で別の場所に保存してください。";
    if (recoveryKept) {
        return show(ui,
                    lines({"ファイルを書き込めなかったため、まだ終了していません。", advice,
                           "このまま終了しますか？　保存していない入力は復旧用のコピーに残り、次の起動で復元できます。"}),
                    MsgKind::Confirmation, 200, 200, MsgButtons::OkCancel);
    }
    return show(ui,
                lines({"ファイルを書き込めなかったため、まだ終了していません。", advice,
                       "復旧用のコピーも書き込めませんでした。このまま終了すると、保存していない入力は失われます。それでも終了しますか？"}),
                MsgKind::Confirmation, 200, 200, MsgButtons::OkCancel, true);
}

MsgResult msgWorkKeptInRecovery(UiPort& ui) {
    return show(ui, "書き込めなかった内容は復旧用のコピーに残しました。次の起動で復元できます。",
                MsgKind::Information, 200, 200);
}

std::string recoveryWaitingText(const std::string& path) {
    return "前回、みらぶの家計簿が正しく終了しなかったため、保存されていない入力が復旧用のコピー " + path +
           " に残っています。ウィンドウのプログラムを起動して復元するか、--yes を付けて復元してください。";
}

MsgResult msgGenerationFailed(UiPort& ui, const std::string& generationName) {
    return show(ui,
                lines({"バックアップ " + generationName + " を書き込めませんでした。",
                       "ひとつ前のデータは Mirab050.bak に残っています。"}),
                MsgKind::Warning, 130, 150);
}

MsgResult msgAskRestoreBackup(UiPort& ui, const std::string& day, int cards, const std::string& lastCard) {
    return show(ui,
                lines({day + " のバックアップ（カード " + std::to_string(cards) + " 枚、最後のカード " + lastCard +
                           "）を復元しますか？",
                       "いまの内容はバックアップに残してから復元します。"}),
                MsgKind::Confirmation, 200, 200, MsgButtons::OkCancel);
}

MsgResult msgBackupUnreadable(UiPort& ui, const std::string& generationName) {
    return show(ui, "バックアップ " + generationName + " は壊れているため、復元できません。", MsgKind::Error, 120, 120);
}

MsgResult msgNoBackups(UiPort& ui) {
    return show(ui, "バックアップはまだありません。終了するたびに、その日のデータが backup フォルダに残ります。",
                MsgKind::Information, 200, 200);
}

}  // namespace kakeibo
