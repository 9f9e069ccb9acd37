#include "messages/ExchangeMessages.h"

namespace kakeibo {
namespace {

constexpr const char* kCrLf = "\r\n";
// More rows than this in one box would run off the screen.
constexpr std::size_t kListedRows = 10;

MsgResult show(UiPort& ui, std::string text, MsgKind kind, MsgButtons buttons, int dx, int dy) {
    return ui.showMessage(Message{std::move(text), kind, buttons, dx, dy});
}

std::string count(int n, const char* unit) { return std::to_string(n) + " " + unit; }

void addListed(std::string& text, const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < lines.size() && i < kListedRows; ++i) {
        text += kCrLf;
        text += lines[i];
    }
    if (lines.size() > kListedRows) {
        text += kCrLf;
        text += "ほか " + std::to_string(lines.size() - kListedRows) + " 行";
    }
}

}  // namespace

MsgResult msgStatementUnreadable(UiPort& ui) {
    return show(ui, "そのファイルは読み込めません", MsgKind::Error, MsgButtons::Ok, 150, 100);
}

std::string importDoneText(const ImportCounts& c) {
    std::string text = "取り込みました";
    text += kCrLf;
    text += kCrLf;
    text += "追加した行：" + count(c.added, "行") + kCrLf;
    text += "重複していた行：" + count(c.duplicates, "行") + kCrLf;
    text += "不正で飛ばした行：" + count(c.bad, "行") + kCrLf;
    if (c.zeroRows > 0) text += "金額が 0 の行：" + count(c.zeroRows, "行") + kCrLf;
    text += "新しく作ったカード：" + count(c.cardsCreated, "枚");
    return text;
}

MsgResult msgImportDone(UiPort& ui, const ImportCounts& counts) {
    return show(ui, importDoneText(counts), MsgKind::Information, MsgButtons::Ok, 200, 200);
}

std::string importStoppedText(const std::vector<std::pair<int, std::string>>& badRows) {
    std::string text = "取り込めない行があるので、何も取り込みませんでした";
    text += kCrLf;
    std::vector<std::string> lines;
    for (const auto& [line, error] : badRows) lines.push_back(std::to_string(line) + " 行め：" + error);
    addListed(text, lines);
    text += kCrLf;
    text += kCrLf;
    text += "「不正な行を飛ばす」を選ぶと、ほかの行だけを取り込めます";
    return text;
}

MsgResult msgImportStopped(UiPort& ui, const std::vector<std::pair<int, std::string>>& badRows) {
    return show(ui, importStoppedText(badRows), MsgKind::Error, MsgButtons::Ok, 200, 200);
}

MsgResult msgImportRecordWriteFailed(UiPort& ui) {
    return show(ui, "取り込みの記録（Mirab050.import）を書き込めなかったので、何も取り込みませんでした",
                MsgKind::Error, MsgButtons::Ok, 120, 120);
}

MsgResult msgNothingToUndo(UiPort& ui) {
    return show(ui, "元に戻せる取り込みはありません", MsgKind::Information, MsgButtons::Ok, 200, 200);
}

MsgResult msgConfirmUndoImport(UiPort& ui, const std::string& source, int lines) {
    std::string what = source.empty() ? count(lines, "行") : source + "、" + count(lines, "行");
    return show(ui, "最後の取り込み（" + what + "）を元に戻しますか？", MsgKind::Confirmation, MsgButtons::OkCancel,
                250, 100);
}

std::string undoImportDoneText(int removed, int cardsRemoved, const std::vector<std::string>& keptLines) {
    std::string text = "取り込みを元に戻しました";
    text += kCrLf;
    text += kCrLf;
    text += "削除した行：" + count(removed, "行") + kCrLf;
    text += "削除したカード：" + count(cardsRemoved, "枚");
    if (!keptLines.empty()) {
        text += kCrLf;
        text += kCrLf;
        text += "取り込みの後で変更されていたので、次の行は残しました：";
        addListed(text, keptLines);
    }
    return text;
}

MsgResult msgUndoImportDone(UiPort& ui, int removed, int cardsRemoved, const std::vector<std::string>& keptLines) {
    return show(ui, undoImportDoneText(removed, cardsRemoved, keptLines),
                keptLines.empty() ? MsgKind::Information : MsgKind::Warning, MsgButtons::Ok, 200, 200);
}

MsgResult msgUndoRecordNotRemoved(UiPort& ui) {
    return show(ui, "取り込みの記録（Mirab050.import）を消せませんでした", MsgKind::Error, MsgButtons::Ok, 120, 120);
}

MsgResult msgRulesFileBroken(UiPort& ui, bool setAside) {
    std::string text = "取り込みの設定ファイル（Mirab050.rules）が壊れているようです";
    text += kCrLf;
    text += setAside ? "規則と保存した設定は空から始めます（壊れたファイルは Mirab050.rules.broken として残しました）"
                     : "規則と保存した設定は空から始めます（壊れたファイルを残すため、今回は設定を保存しません）";
    return show(ui, text, MsgKind::Warning, MsgButtons::Ok, 200, 130);
}

MsgResult msgRulesFileWriteFailed(UiPort& ui) {
    return show(ui, "取り込みの設定ファイル（Mirab050.rules）を書き込めませんでした", MsgKind::Error, MsgButtons::Ok,
                120, 120);
}

MsgResult msgConfirmDeleteProfile(UiPort& ui, const std::string& name) {
    return show(ui, "保存した設定「" + name + "」を削除しますか？", MsgKind::Confirmation, MsgButtons::OkCancel, 250,
                100);
}

MsgResult msgHalfRule(UiPort& ui, int row) {
    return show(ui, "規則の " + std::to_string(row) + " 行めは、文字か分類が空です", MsgKind::Warning, MsgButtons::Ok,
                200, 130);
}

}  // namespace kakeibo
