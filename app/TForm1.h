#pragma once
// TForm1, the main window: the page control "pageTop" with its five pages,
// the main menu and the pop-up menu. It owns the book; its handlers read
// the event, call the book's routine and let the widgets show the result.

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/pages/DayPage.h"
#include "app/pages/MainMenu.h"
#include "app/pages/MemoPage.h"
#include "app/pages/SettingsPages.h"
#include "app/pages/SummaryPages.h"
#include "book/Lifecycle.h"
#include "book/TextExports.h"
#include "charts/ChartWindowSettings.h"

class QTabWidget;

namespace kakeibo::shell {

class BookBindings;
class QtUiPort;
class ChartWindowPort;
class SearchWindow;
class RecoveryScheduler;
class SheetEditAids;
class SheetView;
class SplashBox;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    // The design size of the client area, and the fixed outer width.
    static constexpr int kWindowWidth = 700;
    static constexpr int kDesignedHeight = 580;

    // With the program's own dialogs. A read of the folder's files started
    // before the window (prefetch) is taken over; otherwise the window
    // starts one of its own.
    explicit TForm1(const std::string& programFolder, QWidget* parent = nullptr, DataPrefetch* prefetch = nullptr);
    // With the dialogs of ui (tests answer them from a script).
    TForm1(const std::string& programFolder, UiPort& ui, QWidget* parent = nullptr,
           DataPrefetch* prefetch = nullptr);
    ~TForm1() override;

    Book& book() { return *book_; }
    SheetEditAids& editAids() { return *editAids_; }
    // The window's own dialogs (nullptr when a UiPort was given), for the
    // calendar and year/month hooks.
    QtUiPort* qtUi() { return ownUi_.get(); }
    const StartupReport& startupReport() const { return report_; }

    // The tools that live outside the window. Unset, the built-in
    // calculator and printing do nothing.
    std::function<void()> showCalculator;
    std::function<void(PrintKind)> printSummary;
    std::function<void(const HibiFields&)> showHibiDialog;
    // The calculator's left edge for the window settings; unset, the one
    // read at start-up is kept.
    std::function<int()> calculatorLeft;

    // The sizes the window settings file receives.
    WindowSizes currentSizes() const;
    // The stacked panels, by any of their panels' names (pnlL0, pnlKoza2, ...).
    StackedPanels* stackOf(const QString& panelName) const;

    // Writes every file as the close does and goes on (the session
    // manager's request at logout).
    void saveEverything();
    // Closes the window as an ending the desktop forces (a termination
    // signal): the book goes into the recovery copy first, nothing is asked.
    void closeForcedByDesktop();

    // When the recovery copy is written.
    RecoveryScheduler& recoveryScheduler() { return *recovery_; }
    // The backup generations' list, and the restore of the one chosen.
    void mnuRestoreBackupClick();
    // Shows the backup list, unset: the list's own dialog (tests answer it).
    std::function<std::optional<std::string>()> chooseBackup;

    // Builds the pages other than the daily page, which the window makes
    // only when one of them is needed first.
    void buildHiddenPages();

    // Brings every widget up to date with the book.
    void refreshFromBook();
    // Runs a command of the book, then refreshes.
    void runCommand(const std::function<void(Book&)>& command);

    // The page and sub-page shown.
    Page currentPage() const;
    SubPage currentSubPage() const;
    // Shows a page, and a sub-page of it, as clicks on their tabs do.
    void showPage(Page page, SubPage subPage = SubPage::None);

    // Handlers with their established names.
    void pageTopChange();
    void Edit1Click();
    void Output1Click();
    void mnuUndoClick();
    void mnuCutClick();
    void mnuCopyClick();
    void mnuPasteClick();
    void mnuContentsClick();
    void mnuAboutClick();
    void mnuExitClick();
    void btnDentakuClick();
    // 編集 > 検索…: the search window, made at its first use.
    void mnuSearchClick();
    // 出力 > グラフ… and the summary pages' "グラフ": the graph window, made
    // at its first use, on tab (from the menu: the shown summary's, else
    // the tab it last showed).
    void showCharts(std::optional<ChartTab> tab);
    void mnuGraphClick();

signals:
    // Something in the book may have changed: a command ran, a cell or a
    // memo was typed into.
    void bookChanged();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void formCreate(const std::string& programFolder, DataPrefetch* prefetch);
    void buildPages();
    void connectMenus();
    void connectSheetMouse(SheetView* view);
    void applyLayout(const WindowLayout& layout, bool fromFile);
    void applyPanelHeights(const WindowLayout& layout);
    QWidget* makeSheetView(Sheet& sheet, QWidget* parent);
    QPlainTextEdit* focusedMemo() const;
    bool memoIsEditable(const QPlainTextEdit* memo) const;

    std::unique_ptr<QtUiPort> ownUi_;
    std::unique_ptr<Book> book_;
    // Goes before the book: it listens to the book's recovery writer.
    std::unique_ptr<RecoveryScheduler> recovery_;
    BookBindings* bindings_ = nullptr;
    SheetEditAids* editAids_ = nullptr;
    std::unique_ptr<PageContext> context_;
    StartupReport report_;
    QString programFolder_;
    bool closed_ = false;
    bool closeForced_ = false;
    bool hiddenPagesBuilt_ = false;

    QTabWidget* pageTop_ = nullptr;
    DayPage day_;
    SummaryPages summaries_;
    SettingsPages settings_;
    MemoPages memos_;
    MainMenu menu_;
    std::vector<SheetView*> views_;
    std::vector<StackedPanels*> stacks_;
    QPoint popupPoint_;
    QPointer<SearchWindow> search_;
    // The graph window, made by the graph module at the first "グラフ";
    // chartPort_ is its interface while charts_ lives.
    QPointer<QWidget> charts_;
    ChartWindowPort* chartPort_ = nullptr;
};

}  // namespace kakeibo::shell

namespace kakeibo {
using shell::TForm1;
}  // namespace kakeibo
