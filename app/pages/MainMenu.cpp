#include "app/pages/MainMenu.h"

#include <QMenuBar>

namespace kakeibo::shell {

namespace {

QMenu* menu(QMenuBar* bar, const char* name, const QString& caption) {
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(QString::fromLatin1(name));
    return m;
}

QAction* item(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    return a;
}

}  // namespace

MainMenu buildMainMenu(QMenuBar* bar, QWidget* window) {
    MainMenu m;
    m.File1 = menu(bar, "File1", QStringLiteral("ファイル(&F)"));
    m.mnuOpenData = item(m.File1, "mnuOpenData", QStringLiteral("データを開く(&O)"), QKeySequence("Ctrl+O"));
    m.File1->addSeparator();
    m.mnuSaveData = item(m.File1, "mnuSaveData", QStringLiteral("データを上書き保存(&S)"), QKeySequence("Ctrl+S"));
    m.mnuSaveAsData = item(m.File1, "mnuSaveAsData", QStringLiteral("名前を付けてデータを保存(&A)..."));
    m.File1->addSeparator();
    m.mnuOpenPref = item(m.File1, "mnuOpenPref", QStringLiteral("設定を開く"), QKeySequence("Ctrl+Alt+O"));
    m.mnuSaveAsPref = item(m.File1, "mnuSaveAsPref", QStringLiteral("名前を付けて設定を保存"),
                           QKeySequence("Ctrl+Alt+S"));
    m.File1->addSeparator();
    m.mnuExit = item(m.File1, "mnuExit", QStringLiteral("終了(&X)"));
    m.File1->addSeparator();
    m.mnuRestoreBackup = item(m.File1, "mnuRestoreBackup", QStringLiteral("バックアップから復元…"));
    m.File1->addSeparator();
    m.mnuImport = item(m.File1, "mnuImport", QStringLiteral("取り込み…"));
    m.mnuUndoImport = item(m.File1, "mnuUndoImport", QStringLiteral("取り込みを元に戻す"));

    m.Edit1 = menu(bar, "Edit1", QStringLiteral("編集(&E)"));
    m.mnuUndo = item(m.Edit1, "mnuUndo", QStringLiteral("元に戻す(&U)"), QKeySequence("Ctrl+Z"));
    m.Edit1->addSeparator();
    m.mnuCut = item(m.Edit1, "mnuCut", QStringLiteral("切り取り(&T)"), QKeySequence("Ctrl+X"));
    m.mnuCopy = item(m.Edit1, "mnuCopy", QStringLiteral("コピー(&C)"), QKeySequence("Ctrl+C"));
    m.mnuPaste = item(m.Edit1, "mnuPaste", QStringLiteral("貼り付け(&P)"), QKeySequence("Ctrl+V"));
    m.Edit1->addSeparator();
    m.mnuSearch = item(m.Edit1, "mnuSearch", QStringLiteral("検索…"), QKeySequence("Ctrl+F"));

    m.Output1 = menu(bar, "Output1", QStringLiteral("出力(&O)"));
    m.mnuSaveTabSepHibi = item(m.Output1, "mnuSaveTabSepHibi", QStringLiteral("日々の記録をカンマ区切り形式で保存"));
    m.Output1->addSeparator();
    m.mnuSaveTabSepWeek = item(m.Output1, "mnuSaveTabSepWeek", QStringLiteral("週間集計をカンマ区切り形式で保存"));
    m.mnuSaveTabSepMonth = item(m.Output1, "mnuSaveTabSepMonth", QStringLiteral("月間集計をカンマ区切り形式で保存"));
    m.mnuSaveTabSepYear = item(m.Output1, "mnuSaveTabSepYear", QStringLiteral("年間集計をカンマ 区切り形式で保存"));
    m.Output1->addSeparator();
    m.mnuSaveTextOboe = item(m.Output1, "mnuSaveTextOboe", QStringLiteral("覚え書きをテキスト形式で保存"));
    m.mnuSaveTextMemo = item(m.Output1, "mnuSaveTextMemo", QStringLiteral("メモ一覧をテキスト形式で保存"));
    m.Output1->addSeparator();
    m.mnuGraph = item(m.Output1, "mnuGraph", QStringLiteral("グラフ…"));

    m.Help2 = menu(bar, "Help2", QStringLiteral("ヘルプ(&H)"));
    m.mnuContents = item(m.Help2, "mnuContents", QStringLiteral("目次(&C)"));
    m.mnuAbout = item(m.Help2, "mnuAbout", QStringLiteral("バージョン情報(&A)..."));

    m.PopupMenu1 = new QMenu(window);
    m.PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
    m.popLineInsert = item(m.PopupMenu1, "popLineInsert", QStringLiteral("１行挿入"));
    m.popLineDelete = item(m.PopupMenu1, "popLineDelete", QStringLiteral("この行を削除"));
    return m;
}

}  // namespace kakeibo::shell
