#include "app/TForm1.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/ChartModule.h"
#include "app/HelpWindow.h"
#include "app/QtUiPort.h"
#include "app/SheetView.h"
#include "app/SplashBox.h"
#include "app/editing/SheetEditAids.h"
#include "app/exchange/ImportMenu.h"
#include "app/pages/BookBindings.h"
#include "app/pages/CreditPage.h"
#include "app/search/SearchWindow.h"
#include "app/safety/BackupListDialog.h"
#include "app/safety/RecoveryScheduler.h"
#include "book/BackupRestore.h"
#include "book/Credit.h"
#include "book/DataPrefetch.h"
#include "book/FileCommands.h"
#include "book/PageChange.h"
#include "book/SheetEditing.h"
#include "messages/Messages.h"
#include "messages/SafetyMessages.h"
#include "storage/FileNames.h"
#include "storage/IniFile.h"

namespace kakeibo::shell {

TForm1::TForm1(const std::string& programFolder, QWidget* parent, DataPrefetch* prefetch)
    : QMainWindow(parent), ownUi_(std::make_unique<QtUiPort>(this)), book_(std::make_unique<Book>(*ownUi_)) {
    formCreate(programFolder, prefetch);
}

TForm1::TForm1(const std::string& programFolder, UiPort& ui, QWidget* parent, DataPrefetch* prefetch)
    : QMainWindow(parent), book_(std::make_unique<Book>(ui)) {
    formCreate(programFolder, prefetch);
}

TForm1::~TForm1() {
    // The views listen to the book's sheets: they go before the book does,
    // and no page change may reach the book on the way.
    closed_ = true;
    delete search_;
    delete charts_;
    delete takeCentralWidget();
    recovery_.reset();
}

// The window's creation: the splash, the position read before anything can
// show a message over the window, the book's start-up, then the layout it
// read, the first page and the first cell.
void TForm1::formCreate(const std::string& programFolder, DataPrefetch* prefetch) {
    // The data file is read while the splash shows and the pages are built.
    const std::string folder = withTrailingSlash(programFolder);
    std::optional<DataPrefetch> ownPrefetch;
    if (!prefetch) prefetch = &ownPrefetch.emplace(dataFileName(folder), monthFileName(folder));
    QPointer<SplashBox> splash = SplashBox::showAtStartup();

    setObjectName(QStringLiteral("Form1"));
    programFolder_ = QString::fromStdString(programFolder);
    book_->folder = folder;
    recovery_ = std::make_unique<RecoveryScheduler>(*book_);
    setFixedWidth(kWindowWidth);

    if (auto ini = IniFile::load(iniFileName(book_->folder)))
        applyLayout(loadWindowLayout(*ini), true);
    else
        applyLayout(WindowLayout{}, false);

    bindings_ = new BookBindings(*book_, this);
    editAids_ = new SheetEditAids(*book_, this);
    buildPages();
    connectMenus();

    {
        // The views are not shown yet: one reset each afterwards costs far
        // less than following every cell the start-up writes.
        HoldNotifications hold(book_->allSheets());
        report_ = kakeibo::formCreate(*book_, prefetch);
    }
    prefetch->dropUntaken();
    applyLayout(report_.layout, report_.windowFileFound);
    refreshFromBook();
    // The other pages are built when one of them is first shown
    // (pageTopChange, showPage): nothing delays the first paint, the first
    // keystroke or a close that never needed them.

    pageTop_->setCurrentIndex(static_cast<int>(Page::TabInput));
    // Page changes reach the book only once it holds its records.
    connect(pageTop_, &QTabWidget::currentChanged, this, [this] { pageTopChange(); });
    if (auto* first = qobject_cast<SheetView*>(day_.GridShishutu)) {
        first->selectCell(0, 1);
        first->setFocus();
    }
    // Every change from here on reaches the recovery copy: cells and memos,
    // the options and bank names ticked or typed, and (commandRan) commands.
    connect(this, &TForm1::bookChanged, recovery_.get(), &RecoveryScheduler::bookChanged);
    connect(bindings_, &BookBindings::edited, recovery_.get(), &RecoveryScheduler::bookChanged);
    recovery_->resume();
    if (splash) splash->release();
}

void TForm1::applyLayout(const WindowLayout& layout, bool fromFile) {
    move(layout.left, layout.top);
    resize(kWindowWidth, fromFile ? layout.height : kDesignedHeight);
    applyPanelHeights(layout);
}

namespace {

// The panels whose heights the window settings file keeps, with their keys
// as read at start-up and as written at the close.
struct KeptPanel {
    const char* name;
    std::optional<int> WindowLayout::*read;
    int WindowSizes::*written;
};
constexpr KeptPanel kKeptPanels[] = {
    {"pnlL0", &WindowLayout::L0, &WindowSizes::L0},
    {"pnlL2", &WindowLayout::L2, &WindowSizes::L2},
    {"pnlR0", &WindowLayout::R0, &WindowSizes::R0},
    {"pnlR2", &WindowLayout::R2, &WindowSizes::R2},
    {"pnlKoza0", &WindowLayout::Koza0, &WindowSizes::Koza0},
    {"pnlKoza1", &WindowLayout::Koza1, &WindowSizes::Koza1},
    {"pnlKoza2", &WindowLayout::Koza2, &WindowSizes::Koza2},
    {"pnlKoza3", &WindowLayout::Koza3, &WindowSizes::Koza3},
    {"pnlMonthRH", &WindowLayout::MonthSummary, &WindowSizes::MonthSummary},
};

}  // namespace

void TForm1::applyPanelHeights(const WindowLayout& layout) {
    for (const KeptPanel& panel : kKeptPanels) {
        const std::optional<int>& height = layout.*panel.read;
        if (!height) continue;
        if (StackedPanels* stack = stackOf(QString::fromLatin1(panel.name))) stack->setPanelHeight(panel.name, *height);
    }
}

QWidget* TForm1::makeSheetView(Sheet& sheet, QWidget* parent) {
    auto* view = new SheetView(sheet, *book_, parent);
    view->setObjectName(QString::fromStdString(sheet.name()));
    views_.push_back(view);
    editAids_->attach(view);
    connectSheetMouse(view);
    QAbstractItemModel* cells = view->model();
    connect(cells, &QAbstractItemModel::dataChanged, this, &TForm1::bookChanged);
    connect(cells, &QAbstractItemModel::modelReset, this, &TForm1::bookChanged);
    connect(cells, &QAbstractItemModel::rowsInserted, this, &TForm1::bookChanged);
    connect(cells, &QAbstractItemModel::rowsRemoved, this, &TForm1::bookChanged);
    return view;
}

void TForm1::buildPages() {
    context_ = std::make_unique<PageContext>(PageContext{
        *book_, *bindings_, [this](const std::function<void(Book&)>& command) { runCommand(command); },
        [this](Sheet& sheet, QWidget* parent) { return makeSheetView(sheet, parent); },
        [this] { btnDentakuClick(); },
        [this](PrintKind kind) {
            if (printSummary) printSummary(kind);
        },
        [this](PrintKind kind) {
            showCharts(kind == PrintKind::Week    ? ChartTab::Week
                       : kind == PrintKind::Month ? ChartTab::Month
                                                  : ChartTab::Year);
        }});

    pageTop_ = new QTabWidget(this);
    pageTop_->setObjectName(QStringLiteral("pageTop"));
    setCentralWidget(pageTop_);
    day_ = buildDayPage(*context_, nullptr);
    pageTop_->addTab(day_.page, QStringLiteral("日々の記録"));
    // The other four pages hold their contents from buildHiddenPages on.
    for (const QString& caption : {QStringLiteral("集計"), QStringLiteral("設定"),
                                   QStringLiteral("クレジット記録"), QStringLiteral("メモ")}) {
        auto* holder = new QWidget;
        auto* layout = new QVBoxLayout(holder);
        layout->setContentsMargins(0, 0, 0, 0);
        pageTop_->addTab(holder, caption);
    }
    stacks_ = {day_.left, day_.right};
    connect(day_.Memo1, &QPlainTextEdit::textChanged, this, &TForm1::bookChanged);
    connect(bindings_, &BookBindings::optionChanged, this, [this] {
        for (SheetView* view : views_) view->viewport()->update();
    });
}

void TForm1::buildHiddenPages() {
    if (hiddenPagesBuilt_ || closed_) return;
    hiddenPagesBuilt_ = true;
    summaries_ = buildSummaryPages(*context_, nullptr);
    settings_ = buildSettingsPages(*context_, nullptr);
    QWidget* credit = buildCreditPage(*context_, nullptr);
    memos_ = buildMemoPages(*context_, nullptr);
    const std::pair<Page, QWidget*> pages[] = {{Page::TabStat, summaries_.page},
                                               {Page::TabSetting, settings_.page},
                                               {Page::TabCredit, credit},
                                               {Page::TabMemo, memos_.page}};
    for (const auto& [page, contents] : pages) pageTop_->widget(static_cast<int>(page))->layout()->addWidget(contents);
    stacks_.insert(stacks_.end(), {summaries_.week, summaries_.month, summaries_.year, settings_.accounts});
    connect(memos_.MemoOboe, &QPlainTextEdit::textChanged, this, &TForm1::bookChanged);
    applyPanelHeights(report_.layout);
    refreshFromBook();
}

void TForm1::connectSheetMouse(SheetView* view) {
    const std::string name = view->objectName().toStdString();
    if (isLineEditGrid(name)) {
        connect(view, &SheetView::rightClicked, this, [this, view](int col, int row, QPoint globalPos) {
            view->setFocus();
            editAids_->hideAll();
            Sheet& sheet = view->sheet();
            const bool accountSheet = sheet.name().rfind("GridSetKoza", 0) == 0;
            const auto chosen = accountSheet ? showPopDelAndInsert3(sheet, col, row)
                                             : showPopDelAndInsert(sheet, col, row);
            view->syncFromSheet();
            if (!chosen) return;
            popupPoint_ = globalPos;
            menu_.PopupMenu1->setProperty("sheet", view->objectName());
            menu_.PopupMenu1->popup(globalPos + QPoint(0, kPopupMenuDy));
        });
    }
    if (name == "GridCredit") {
        connect(view, &SheetView::leftPressed, this, [this](int col, int row) {
            runCommand([col, row](Book& book) { toggleCreditStatus(book, col, row); });
        });
    }
    connect(view, &SheetView::textRefused, this, [this](const QString& message) {
        book_->ui().showMessage(Message{message.toStdString(), MsgKind::Warning, MsgButtons::Ok, 200, 130});
    });
}

void TForm1::connectMenus() {
    menu_ = buildMainMenu(menuBar(), this);
    auto onTrigger = [this](QAction* action, void (*command)(Book&)) {
        connect(action, &QAction::triggered, this, [this, command] { runCommand(command); });
    };
    onTrigger(menu_.mnuOpenData, mnuOpenDataClick);
    onTrigger(menu_.mnuSaveData, mnuSaveDataClick);
    onTrigger(menu_.mnuSaveAsData, mnuSaveAsDataClick);
    onTrigger(menu_.mnuOpenPref, mnuOpenPrefClick);
    onTrigger(menu_.mnuSaveAsPref, mnuSaveAsPrefClick);
    connect(menu_.mnuExit, &QAction::triggered, this, [this] { mnuExitClick(); });
    connect(menu_.mnuRestoreBackup, &QAction::triggered, this, [this] { mnuRestoreBackupClick(); });
    connect(menu_.mnuImport, &QAction::triggered, this, [this] { shell::mnuImportClick(*this); });
    connect(menu_.mnuUndoImport, &QAction::triggered, this, [this] { shell::mnuUndoImportClick(*this); });
    connect(menu_.File1, &QMenu::aboutToShow, this,
            [this] { menu_.mnuUndoImport->setEnabled(undoImportEnabled(*this)); });

    connect(menu_.Edit1, &QMenu::aboutToShow, this, [this] { Edit1Click(); });
    // The shortcuts stay live while the menu is closed; each command checks
    // the focused control itself.
    connect(menu_.Edit1, &QMenu::aboutToHide, this, [this] {
        for (QAction* a : {menu_.mnuUndo, menu_.mnuCut, menu_.mnuCopy, menu_.mnuPaste}) a->setEnabled(true);
    });
    connect(menu_.mnuUndo, &QAction::triggered, this, [this] { mnuUndoClick(); });
    connect(menu_.mnuCut, &QAction::triggered, this, [this] { mnuCutClick(); });
    connect(menu_.mnuCopy, &QAction::triggered, this, [this] { mnuCopyClick(); });
    connect(menu_.mnuPaste, &QAction::triggered, this, [this] { mnuPasteClick(); });

    connect(menu_.Output1, &QMenu::aboutToShow, this, [this] { Output1Click(); });
    connect(menu_.mnuSaveTabSepHibi, &QAction::triggered, this, [this] {
        runCommand([this](Book& book) {
            const HibiFields fields = mnuSaveTabSepHibiClick(book);
            // Without the dialog the shown card is saved, as its first choice does.
            if (showHibiDialog)
                showHibiDialog(fields);
            else
                btnSaveHibiClick(book, fields);
        });
    });
    onTrigger(menu_.mnuSaveTabSepWeek, mnuSaveTabSepWeekClick);
    onTrigger(menu_.mnuSaveTabSepMonth, mnuSaveTabSepMonthClick);
    onTrigger(menu_.mnuSaveTabSepYear, mnuSaveTabSepYearClick);
    onTrigger(menu_.mnuSaveTextOboe, mnuSaveTextOboeClick);
    onTrigger(menu_.mnuSaveTextMemo, mnuSaveTextMemoClick);

    connect(menu_.mnuSearch, &QAction::triggered, this, [this] { mnuSearchClick(); });
    connect(menu_.mnuGraph, &QAction::triggered, this, [this] { mnuGraphClick(); });
    connect(menu_.mnuContents, &QAction::triggered, this, [this] { mnuContentsClick(); });
    connect(menu_.mnuAbout, &QAction::triggered, this, [this] { mnuAboutClick(); });

    auto popupSheet = [this] { return menu_.PopupMenu1->property("sheet").toString().toStdString(); };
    connect(menu_.popLineInsert, &QAction::triggered, this, [this, popupSheet] {
        runCommand([popupSheet](Book& book) { popLineInsertClick(getActiveGrid(book, popupSheet())); });
    });
    connect(menu_.popLineDelete, &QAction::triggered, this, [this, popupSheet] {
        const QPoint at = popupPoint_;
        runCommand([popupSheet, at](Book& book) {
            popLineDeleteClick(book, getActiveGrid(book, popupSheet()), at.x(), at.y());
        });
    });
}

void TForm1::runCommand(const std::function<void(Book&)>& command) {
    if (closed_) return;
    // A cell being typed into goes into its sheet before the book reads it.
    if (QWidget* focus = QApplication::focusWidget()) {
        for (SheetView* view : views_) {
            if (view != focus && view->isAncestorOf(focus)) {
                view->setFocus();
                break;
            }
        }
    }
    command(*book_);
    refreshFromBook();
    emit bookChanged();
    recovery_->commandRan();
}

void TForm1::refreshFromBook() {
    bindings_->refresh();
    setWindowTitle(QString::fromStdString(book_->caption));
    editAids_->sync();
    for (SheetView* view : views_) {
        view->syncFromSheet();
        view->viewport()->update();
    }
}

Page TForm1::currentPage() const { return static_cast<Page>(pageTop_->currentIndex()); }

SubPage TForm1::currentSubPage() const {
    switch (currentPage()) {
    case Page::TabStat:
        return static_cast<SubPage>(static_cast<int>(SubPage::TabWeek) + summaries_.subPageStat->currentIndex());
    case Page::TabSetting:
        return static_cast<SubPage>(static_cast<int>(SubPage::TabGenkin) + settings_.subPageSet->currentIndex());
    case Page::TabMemo:
        return static_cast<SubPage>(static_cast<int>(SubPage::TabOboe) + memos_.subPageMemo->currentIndex());
    default:
        return SubPage::None;
    }
}

void TForm1::pageTopChange() {
    buildHiddenPages();
    const Page page = currentPage();
    runCommand([page](Book& book) { kakeibo::pageTopChange(book, page); });
}

void TForm1::showPage(Page page, SubPage subPage) {
    buildHiddenPages();
    const auto first = [](SubPage sub) { return static_cast<int>(sub); };
    const int sub = first(subPage);
    if (sub >= first(SubPage::TabWeek) && sub <= first(SubPage::TabYear))
        summaries_.subPageStat->setCurrentIndex(sub - first(SubPage::TabWeek));
    else if (sub >= first(SubPage::TabGenkin) && sub <= first(SubPage::TabOthers))
        settings_.subPageSet->setCurrentIndex(sub - first(SubPage::TabGenkin));
    else if (sub >= first(SubPage::TabOboe) && sub <= first(SubPage::TabMemoIchiran))
        memos_.subPageMemo->setCurrentIndex(sub - first(SubPage::TabOboe));
    // A change of page runs pageTopChange through the tab's signal.
    pageTop_->setCurrentIndex(static_cast<int>(page));
}

void TForm1::showCharts(std::optional<ChartTab> tab) {
    if (closed_) return;
    if (!charts_) {
        std::string error;
        const ChartWindowMaker make = chartWindowMaker(error);
        if (!make) {
            msgWarning(book_->ui(), chartModuleMissingText(error));
            return;
        }
        chartPort_ = make(*book_, this);
        charts_ = chartPort_->widget();
        ChartWindowPort* port = chartPort_;
        connect(this, &TForm1::bookChanged, charts_, [port] { port->bookChanged(); });
    }
    chartPort_->showTab(tab);
}

void TForm1::mnuGraphClick() {
    switch (currentSubPage()) {
    case SubPage::TabWeek: return showCharts(ChartTab::Week);
    case SubPage::TabMonth: return showCharts(ChartTab::Month);
    case SubPage::TabYear: return showCharts(ChartTab::Year);
    default: return showCharts(std::nullopt);
    }
}

void TForm1::mnuSearchClick() {
    if (closed_) return;
    if (!search_) search_ = new SearchWindow(*this);
    search_->open();
}

QPlainTextEdit* TForm1::focusedMemo() const {
    QWidget* focus = QApplication::focusWidget();
    for (QPlainTextEdit* memo : {day_.Memo1, memos_.MemoOboe, memos_.MemoLeft, memos_.MemoRight})
        if (memo && memo == focus) return memo;
    return nullptr;
}

bool TForm1::memoIsEditable(const QPlainTextEdit* memo) const {
    return memo == day_.Memo1 || memo == memos_.MemoOboe;
}

void TForm1::Edit1Click() {
    for (QAction* a : {menu_.mnuUndo, menu_.mnuCut, menu_.mnuCopy, menu_.mnuPaste}) a->setEnabled(false);
    QPlainTextEdit* memo = focusedMemo();
    if (!memo) return;
    const bool editable = memoIsEditable(memo);
    if (memo->textCursor().hasSelection()) {
        menu_.mnuCopy->setEnabled(true);
        menu_.mnuCut->setEnabled(editable);
    }
    if (!editable) return;
    menu_.mnuUndo->setEnabled(memo->document()->isUndoAvailable());
    const QMimeData* clip = QGuiApplication::clipboard()->mimeData();
    menu_.mnuPaste->setEnabled(clip && clip->hasText());
}

void TForm1::Output1Click() {
    const OutputMenuItems items = kakeibo::Output1Click(currentPage(), currentSubPage());
    menu_.mnuSaveTabSepHibi->setEnabled(items.mnuSaveTabSepHibi);
    menu_.mnuSaveTabSepWeek->setEnabled(items.mnuSaveTabSepWeek);
    menu_.mnuSaveTabSepMonth->setEnabled(items.mnuSaveTabSepMonth);
    menu_.mnuSaveTabSepYear->setEnabled(items.mnuSaveTabSepYear);
    menu_.mnuSaveTextOboe->setEnabled(items.mnuSaveTextOboe);
    menu_.mnuSaveTextMemo->setEnabled(items.mnuSaveTextMemo);
}

void TForm1::mnuUndoClick() {
    QPlainTextEdit* memo = focusedMemo();
    if (memo && memoIsEditable(memo) && memo->document()->isUndoAvailable()) memo->undo();
}

void TForm1::mnuCutClick() {
    QPlainTextEdit* memo = focusedMemo();
    if (memo && memoIsEditable(memo)) memo->cut();
}

void TForm1::mnuCopyClick() {
    if (QPlainTextEdit* memo = focusedMemo()) memo->copy();
}

void TForm1::mnuPasteClick() {
    QPlainTextEdit* memo = focusedMemo();
    if (memo && memoIsEditable(memo)) memo->paste();
}

void TForm1::mnuContentsClick() { HelpWindow::showContents(programFolder_, this); }

void TForm1::mnuAboutClick() { SplashBox::showVersionBox(this); }

void TForm1::mnuExitClick() { close(); }

void TForm1::btnDentakuClick() {
    if (book_->rdBtnWinDentaku) {
        // The desktop's own calculator, whichever this desktop has; a
        // failure to start one is not reported.
        for (const char* program : {"gnome-calculator", "kcalc", "mate-calc", "galculator", "qalculate-gtk",
                                    "xcalc"}) {
            const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
            if (!path.isEmpty()) {
                QProcess::startDetached(path, {});
                return;
            }
        }
        return;
    }
    if (showCalculator) showCalculator();
}

StackedPanels* TForm1::stackOf(const QString& panelName) const {
    for (StackedPanels* stack : stacks_)
        if (stack && stack->panelNames().contains(panelName)) return stack;
    return nullptr;
}

WindowSizes TForm1::currentSizes() const {
    WindowSizes sizes;
    sizes.left = x();
    sizes.top = y();
    sizes.height = height();
    for (const KeptPanel& panel : kKeptPanels) {
        int& height = sizes.*panel.written;  // the designed height unless known
        // A page not built yet keeps the height read at start-up.
        if (const std::optional<int>& read = report_.layout.*panel.read) height = *read;
        const QString name = QString::fromLatin1(panel.name);
        if (const StackedPanels* stack = stackOf(name)) height = stack->panelHeight(name).value_or(height);
    }
    sizes.calcLeft = calculatorLeft ? calculatorLeft() : report_.layout.calcLeft.value_or(kDefaultCalcLeft);
    return sizes;
}

void TForm1::saveEverything() {
    if (closed_) return;
    recovery_->pause();
    runCommand([this](Book& book) { kakeibo::saveAllFiles(book, currentSizes()); });
    recovery_->resume();
}

void TForm1::closeForcedByDesktop() {
    closeForced_ = true;
    close();
    closeForced_ = false;
}

namespace {
// A layout done asks its parent's for another: as many rounds as panels
// lie inside one another, with room to spare.
constexpr int kLayoutRounds = 8;
}  // namespace

void TForm1::showEvent(QShowEvent* event) {
    // The buttons still to be polished and the panels and splitters just
    // shown ask for their layouts to be done again; done now, before the
    // window is on the screen, the first frame is the finished one, not
    // one drawn again as soon as it is there.
    // (A window shown again by the desktop has nothing waiting.)
    if (!event->spontaneous()) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::PolishRequest);
        for (int round = 0; round < kLayoutRounds; ++round) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        }
    }
    QMainWindow::showEvent(event);
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (closed_) {
        event->accept();
        return;
    }
    // Whatever is being typed goes in before the files are written, and no
    // recovery copy is written while the close writes the files.
    runCommand([](Book&) {});
    recovery_->pause();
    const CloseKind kind = closeForced_ ? CloseKind::ForcedByDesktop : CloseKind::ByPerson;
    if (kakeibo::formCloseRequested(*book_, currentSizes(), kind) == CloseResult::KeptOpen) {
        // The person frees room or saves elsewhere, then closes again.
        refreshFromBook();
        recovery_->resume();
        event->ignore();
        return;
    }
    closed_ = true;
    event->accept();
}

void TForm1::mnuRestoreBackupClick() {
    if (closed_) return;
    std::optional<std::string> chosen;
    if (chooseBackup) {
        chosen = chooseBackup();
    } else {
        const std::vector<GenerationSummary> generations = summarizeGenerations(book_->folder);
        if (generations.empty()) {
            msgNoBackups(book_->ui());
            return;
        }
        BackupListDialog dialog(generations, this);
        if (dialog.exec() == QDialog::Accepted) chosen = dialog.chosenPath();
    }
    if (!chosen) return;
    runCommand([path = *chosen](Book& book) { restoreGeneration(book, path); });
}

}  // namespace kakeibo::shell
