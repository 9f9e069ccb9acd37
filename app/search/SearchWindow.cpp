#include "app/search/SearchWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QShortcut>
#include <QTableView>
#include <QToolButton>

#include "app/TForm1.h"
#include "app/search/ResultNavigation.h"
#include "app/search/SearchResultDelegate.h"
#include "app/search/SearchResultModel.h"
#include "dialogs/CalendarDialog.h"
#include "messages/Messages.h"
#include "search/TypedValues.h"

namespace kakeibo::shell {

namespace {

// A slice leaves the rest of a 60 Hz frame to the window's own work.
constexpr auto kSliceBudget = std::chrono::milliseconds(6);
// While a dialog holds the window, the book may be half way through a command.
constexpr int kModalWaitMs = 100;
// Typing on a card changes the book at every key: search once it pauses.
constexpr int kBookSettleMs = 150;
constexpr QPoint kOffsetFromMainWindow{60, 90};

QLineEdit* makeField(QWidget* parent, const char* name, const QString& placeholder, int width) {
    auto* field = new QLineEdit(parent);
    field->setObjectName(QString::fromLatin1(name));
    field->setPlaceholderText(placeholder);
    field->setFixedWidth(width);
    return field;
}

QLabel* makePanel(QWidget* parent, const char* name, int width) {
    auto* panel = new QLabel(parent);
    panel->setObjectName(QString::fromLatin1(name));
    panel->setMinimumWidth(width);
    panel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return panel;
}

// A field that cannot be read shows its text in red until it can.
void markField(QLineEdit* field, bool readable) {
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, readable ? QApplication::palette().color(QPalette::Text) : QColor(255, 0, 0));
    field->setPalette(palette);
}

QString trimmedText(const QLineEdit* field) { return field->text().trimmed(); }

}  // namespace

SearchWindow::SearchWindow(TForm1& form)
    : QWidget(&form, Qt::Window), form_(form), source_(form.book()), model_(new SearchResultModel(this)) {
    setObjectName(QStringLiteral("FormSearch"));
    setWindowTitle(QStringLiteral("検索"));
    resize(660, 480);
    setMinimumSize(560, 320);

    auto* layout = new QVBoxLayout(this);
    buildFields();
    buildResults();
    layout->setContentsMargins(8, 8, 8, 6);

    slices_.setSingleShot(true);
    connect(&slices_, &QTimer::timeout, this, &SearchWindow::runSlice);
    bookSettled_.setSingleShot(true);
    bookSettled_.setInterval(kBookSettleMs);
    connect(&bookSettled_, &QTimer::timeout, this, &SearchWindow::startSearch);
    connect(&form_, &TForm1::bookChanged, this, &SearchWindow::bookChanged);

    auto* findAgain = new QShortcut(QKeySequence(QStringLiteral("Ctrl+F")), this);
    connect(findAgain, &QShortcut::activated, this, [this] {
        EditSearchText->setFocus(Qt::ShortcutFocusReason);
        EditSearchText->selectAll();
    });
    startSearch();
}

SearchWindow::~SearchWindow() = default;

void SearchWindow::buildFields() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(6);
    auto* textLabel = new QLabel(QStringLiteral("検索する文字(&S)"), this);
    EditSearchText = new QLineEdit(this);
    EditSearchText->setObjectName(QStringLiteral("EditSearchText"));
    EditSearchText->setPlaceholderText(QStringLiteral("品名・分類・メモ・覚え書き・クレジットの内容"));
    EditSearchText->setClearButtonEnabled(true);
    EditSearchText->installEventFilter(this);
    textLabel->setBuddy(EditSearchText);
    grid->addWidget(textLabel, 0, 0);
    grid->addWidget(EditSearchText, 0, 1);

    auto* ranges = new QHBoxLayout;
    EditFromDate = makeField(this, "EditFromDate", QStringLiteral("2024/1/1"), 92);
    EditToDate = makeField(this, "EditToDate", QStringLiteral("2024/12/31"), 92);
    EditMinAmount = makeField(this, "EditMinAmount", QStringLiteral("下限"), 84);
    EditMaxAmount = makeField(this, "EditMaxAmount", QStringLiteral("上限"), 84);
    ranges->addWidget(EditFromDate);
    ranges->addWidget(makeCalendarButton("btnFromDate", EditFromDate));
    ranges->addWidget(new QLabel(QStringLiteral("～"), this));
    ranges->addWidget(EditToDate);
    ranges->addWidget(makeCalendarButton("btnToDate", EditToDate));
    ranges->addSpacing(16);
    ranges->addWidget(new QLabel(QStringLiteral("金額"), this));
    ranges->addWidget(EditMinAmount);
    ranges->addWidget(new QLabel(QStringLiteral("～"), this));
    ranges->addWidget(EditMaxAmount);
    ranges->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("期間"), this), 1, 0);
    grid->addLayout(ranges, 1, 1);

    static constexpr const char* kPlaceBoxes[kSearchPlaceCount] = {"chkBoxSpend", "chkBoxIncome", "chkBoxAccount",
                                                                   "chkBoxMemo",  "chkBoxNotes",  "chkBoxCredit"};
    auto* boxes = new QHBoxLayout;
    for (SearchPlace place : kAllSearchPlaces) {
        const auto at = static_cast<std::size_t>(place);
        auto* box = new QCheckBox(placeCaption(place), this);
        box->setObjectName(QString::fromLatin1(kPlaceBoxes[at]));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, &SearchWindow::startSearch);
        boxes->addWidget(box);
        places_[at] = box;
    }
    boxes->addStretch();
    grid->addWidget(new QLabel(QStringLiteral("場所"), this), 2, 0);
    grid->addLayout(boxes, 2, 1);

    for (QLineEdit* field : {EditSearchText, EditFromDate, EditToDate, EditMinAmount, EditMaxAmount}) {
        connect(field, &QLineEdit::textChanged, this, &SearchWindow::startSearch);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(grid);
}

void SearchWindow::buildResults() {
    GridSearchResult = new QTableView(this);
    GridSearchResult->setObjectName(QStringLiteral("GridSearchResult"));
    GridSearchResult->verticalHeader()->hide();
    GridSearchResult->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    GridSearchResult->verticalHeader()->setDefaultSectionSize(20);
    GridSearchResult->setModel(model_);
    GridSearchResult->setItemDelegate(new SearchResultDelegate(
        [this] {
            const Book& book = form_.book();
            return SheetDisplayOptions{book.amountDisplay(), book.chkBoxRedText};
        },
        GridSearchResult));
    GridSearchResult->setShowGrid(false);
    GridSearchResult->setWordWrap(false);
    GridSearchResult->setSelectionBehavior(QAbstractItemView::SelectRows);
    GridSearchResult->setSelectionMode(QAbstractItemView::SingleSelection);
    GridSearchResult->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridSearchResult->setTabKeyNavigation(false);
    QHeaderView* header = GridSearchResult->horizontalHeader();
    header->setHighlightSections(false);
    const std::pair<int, int> widths[] = {{SearchResultModel::ColDate, 84},     {SearchResultModel::ColWeekday, 36},
                                          {SearchResultModel::ColPlace, 70},    {SearchResultModel::ColText, 200},
                                          {SearchResultModel::ColCategory, 140}, {SearchResultModel::ColAmount, 84}};
    for (const auto& [column, width] : widths) header->resizeSection(column, width);
    header->setSectionResizeMode(SearchResultModel::ColText, QHeaderView::Stretch);
    // Enter and a double-click both activate a row.
    connect(GridSearchResult, &QAbstractItemView::activated, this, &SearchWindow::goToResult);

    auto* sums = new QHBoxLayout;
    pnlSearchCount = makePanel(this, "pnlSearchCount", 70);
    pnlSpendTotal = makePanel(this, "pnlSpendTotal", 96);
    pnlIncomeTotal = makePanel(this, "pnlIncomeTotal", 96);
    pnlAccountTotal = makePanel(this, "pnlAccountTotal", 96);
    sums->addWidget(pnlSearchCount);
    sums->addStretch();
    for (const auto& [caption, panel] : {std::pair{QStringLiteral("支出合計"), pnlSpendTotal},
                                         {QStringLiteral("収入合計"), pnlIncomeTotal},
                                         {QStringLiteral("口座合計"), pnlAccountTotal}}) {
        sums->addSpacing(8);
        sums->addWidget(new QLabel(caption, this));
        sums->addWidget(panel);
    }

    pnlSearchState = new QLabel(this);
    pnlSearchState->setObjectName(QStringLiteral("pnlSearchState"));

    auto* layout = static_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(GridSearchResult, 1);
    layout->addLayout(sums);
    layout->addWidget(pnlSearchState);
}

QToolButton* SearchWindow::makeCalendarButton(const char* name, QLineEdit* field) {
    auto* button = new QToolButton(this);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(QStringLiteral("…"));
    button->setToolTip(QStringLiteral("カレンダーから選ぶ"));
    connect(button, &QToolButton::clicked, this, [this, field] { pickDate(field); });
    return button;
}

void SearchWindow::pickDate(QLineEdit* field) {
    if (!calendar_) calendar_ = new CalendarDialog(form_.book(), &form_);
    const CalendarResult pick = calendar_->run();
    if (!pick.ok) return;
    const std::optional<Date> date = pick.month >= 1 && pick.month <= 12 && pick.day >= 1 && pick.day <= 31
                                         ? makeDate(pick.year, pick.month, pick.day)
                                         : std::nullopt;
    if (!date) {
        msgDateError(form_.book().ui());
        return;
    }
    field->setText(QString::fromStdString(dateToText(0, *date)));
    field->setFocus(Qt::OtherFocusReason);
}

std::optional<SearchQuery> SearchWindow::readQuery() {
    SearchQuery query;
    query.text = EditSearchText->text().toStdString();
    QStringList problems;
    // A field left empty sets no bound; one that cannot be read is named.
    const auto read = [&problems](QLineEdit* field, auto& bound, auto parse, const QString& what) {
        const QString text = trimmedText(field);
        if (!text.isEmpty()) bound = parse(text.toStdString());
        markField(field, text.isEmpty() || bound);
        if (!text.isEmpty() && !bound) problems << what.arg(text);
    };
    const auto readDate = [&](QLineEdit* field, std::optional<Date>& bound, const QString& name) {
        read(field, bound, parseTypedDate, name + QStringLiteral("「%1」は日付として読めません（例 2024/1/31）"));
    };
    const auto readAmount = [&](QLineEdit* field, std::optional<double>& bound, const QString& name) {
        read(field, bound, parseTypedAmount, name + QStringLiteral("「%1」は金額として読めません（例 1000）"));
    };
    readDate(EditFromDate, query.from, QStringLiteral("期間の始め"));
    readDate(EditToDate, query.to, QStringLiteral("期間の終わり"));
    readAmount(EditMinAmount, query.min, QStringLiteral("金額の下限"));
    readAmount(EditMaxAmount, query.max, QStringLiteral("金額の上限"));
    for (SearchPlace place : kAllSearchPlaces) query.places.set(place, places_[static_cast<std::size_t>(place)]->isChecked());

    if (!problems.isEmpty()) {
        showState(problems.join(QStringLiteral("　")), true);
        return std::nullopt;
    }
    switch (queryProblem(query)) {
        case QueryProblem::PeriodReversed:
            showState(QStringLiteral("期間の始めが終わりより後になっています"), true);
            return std::nullopt;
        case QueryProblem::AmountsReversed:
            showState(QStringLiteral("金額の下限が上限より大きくなっています"), true);
            return std::nullopt;
        case QueryProblem::NoPlace:
            showState(QStringLiteral("探す場所を１つ以上選んでください"), true);
            return std::nullopt;
        case QueryProblem::None: break;
    }
    // With nothing asked, every line of twenty years would be the answer.
    if (trimmedText(EditSearchText).isEmpty() && !query.hasDateRange() && !query.hasAmountRange()) {
        showState(QStringLiteral("文字・期間・金額のどれかを入れると検索します"), false);
        return std::nullopt;
    }
    return query;
}

void SearchWindow::startSearch() {
    run_.reset();
    slices_.stop();
    bookSettled_.stop();
    const std::optional<SearchQuery> query = readQuery();
    if (!query) {
        clearResults();
        emit resultsShown();
        return;
    }
    run_ = std::make_unique<SearchRun>(source_, cache_, *query);
    runSlice();
}

void SearchWindow::runSlice() {
    if (!run_) return;
    if (QApplication::activeModalWidget()) {
        slices_.start(kModalWaitMs);
        return;
    }
    if (!run_->advance(SearchRun::Clock::now() + kSliceBudget)) {
        showState(QStringLiteral("検索中…"), false);
        slices_.start(0);
        return;
    }
    SearchResult result = run_->takeResult();
    run_.reset();
    showResult(std::move(result));
}

void SearchWindow::showResult(SearchResult result) {
    // The row shown before stays selected when the book changed under it.
    std::optional<SearchMatch> selected;
    if (const QModelIndex current = GridSearchResult->currentIndex(); current.isValid()) {
        selected = model_->match(current.row());
    }
    const Book& book = form_.book();
    const auto total = [&](QLabel* panel, double amount) {
        panel->setText(QString::fromStdString(formatAmount(amount, book.amountDisplay())));
        panel->setStyleSheet(amount < 0 && book.chkBoxRedText ? QStringLiteral("color: rgb(255, 0, 0);") : QString());
    };
    pnlSearchCount->setText(QStringLiteral("%1 件").arg(result.count()));
    total(pnlSpendTotal, result.spendTotal);
    total(pnlIncomeTotal, result.incomeTotal);
    total(pnlAccountTotal, result.accountTotal);
    model_->setResult(std::move(result));
    if (selected) {
        const auto& matches = model_->result().matches;
        const auto again = std::find(matches.begin(), matches.end(), *selected);
        if (again != matches.end()) {
            const QModelIndex row = model_->index(static_cast<int>(again - matches.begin()), 0);
            GridSearchResult->selectionModel()->setCurrentIndex(
                row, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        }
    }
    showState(model_->rowCount() == 0 ? QStringLiteral("見つかりませんでした") : QString(), false);
    emit resultsShown();
}

void SearchWindow::clearResults() {
    model_->setResult(SearchResult{});
    for (QLabel* panel : {pnlSearchCount, pnlSpendTotal, pnlIncomeTotal, pnlAccountTotal}) panel->clear();
}

void SearchWindow::showState(const QString& text, bool problem) {
    pnlSearchState->setText(text);
    pnlSearchState->setStyleSheet(problem ? QStringLiteral("color: rgb(255, 0, 0);") : QString());
}

void SearchWindow::bookChanged() {
    cache_.bookChanged();
    // A search under way read the book as it was: it starts again.
    run_.reset();
    slices_.stop();
    if (!isVisible()) {
        bookChangedWhileHidden_ = true;
        return;
    }
    bookSettled_.start();
}

bool SearchWindow::searching() const { return run_ != nullptr || bookSettled_.isActive(); }

void SearchWindow::open() {
    if (!placed_) {
        move(form_.pos() + kOffsetFromMainWindow);
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
    EditSearchText->setFocus(Qt::ActiveWindowFocusReason);
    EditSearchText->selectAll();
    if (bookChangedWhileHidden_) {
        bookChangedWhileHidden_ = false;
        startSearch();
    }
}

void SearchWindow::goToResult(const QModelIndex& index) {
    if (!index.isValid()) return;
    const SearchMatch match = model_->match(index.row());
    if (!showResultInWindow(form_, match)) {
        // The book moved on since this search: show what it holds now.
        QApplication::beep();
        startSearch();
    }
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == EditSearchText && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Down) && model_->rowCount() > 0) {
            // From the text to the results; Enter there goes to the row.
            GridSearchResult->setFocus(Qt::TabFocusReason);
            if (!GridSearchResult->currentIndex().isValid()) {
                GridSearchResult->selectionModel()->setCurrentIndex(
                    model_->index(0, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
            }
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SearchWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace kakeibo::shell
