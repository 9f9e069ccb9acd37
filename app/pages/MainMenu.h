#pragma once
// The main menu "MainMenu1" with its captions, mnemonics and shortcuts, and
// the pop-up menu of the day sheets. The window connects the commands.

#include <QAction>
#include <QMenu>

class QMenuBar;

namespace kakeibo::shell {

struct MainMenu {
    QMenu* File1 = nullptr;
    QAction* mnuOpenData = nullptr;
    QAction* mnuSaveData = nullptr;
    QAction* mnuSaveAsData = nullptr;
    QAction* mnuOpenPref = nullptr;
    QAction* mnuSaveAsPref = nullptr;
    QAction* mnuExit = nullptr;
    // Beyond the original items: the backup generations, bank and card
    // statements brought in and the last of them taken back.
    QAction* mnuRestoreBackup = nullptr;
    QAction* mnuImport = nullptr;
    QAction* mnuUndoImport = nullptr;

    QMenu* Edit1 = nullptr;
    QAction* mnuUndo = nullptr;
    QAction* mnuCut = nullptr;
    QAction* mnuCopy = nullptr;
    QAction* mnuPaste = nullptr;
    QAction* mnuSearch = nullptr;

    QMenu* Output1 = nullptr;
    QAction* mnuSaveTabSepHibi = nullptr;
    QAction* mnuSaveTabSepWeek = nullptr;
    QAction* mnuSaveTabSepMonth = nullptr;
    QAction* mnuSaveTabSepYear = nullptr;
    QAction* mnuSaveTextOboe = nullptr;
    QAction* mnuSaveTextMemo = nullptr;
    QAction* mnuGraph = nullptr;

    QMenu* Help2 = nullptr;
    QAction* mnuContents = nullptr;
    QAction* mnuAbout = nullptr;

    QMenu* PopupMenu1 = nullptr;
    QAction* popLineInsert = nullptr;
    QAction* popLineDelete = nullptr;
};

MainMenu buildMainMenu(QMenuBar* bar, QWidget* window);

}  // namespace kakeibo::shell
