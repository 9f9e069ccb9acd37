#pragma once
// The window "検索": a text searched as the person types, a period and an
// amount range, the places to look in, the results in date order with their
// count and totals. Enter or a double-click on a result shows it in the
// main window; the window stays open and follows the book as it changes.
//
// The search runs in slices of a few milliseconds between the window's
// events, so typing never waits for a long search.

#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>

#include "search/BookSearchSource.h"
#include "search/FoldedCache.h"
#include "search/SearchRun.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;
class QToolButton;

namespace kakeibo::shell {

class CalendarDialog;
class SearchResultModel;
class TForm1;

class SearchWindow : public QWidget {
    Q_OBJECT
public:
    explicit SearchWindow(TForm1& form);
    ~SearchWindow() override;

    // Shows the window in front with its text field ready for typing.
    void open();
    // Whether a search is under way (or waits for the book to settle).
    bool searching() const;
    SearchResultModel* resultModel() const { return model_; }

signals:
    // A search is done and its results are on the table.
    void resultsShown();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildFields();
    void buildResults();
    QToolButton* makeCalendarButton(const char* name, QLineEdit* field);
    void pickDate(QLineEdit* field);

    // The query the fields ask for; nothing (with the reason shown) when a
    // field cannot be read or nothing is asked yet.
    std::optional<SearchQuery> readQuery();
    void startSearch();
    void runSlice();
    void showResult(SearchResult result);
    void showState(const QString& text, bool problem);
    void clearResults();
    void bookChanged();
    void goToResult(const QModelIndex& index);

    TForm1& form_;
    BookSearchSource source_;
    FoldedCache cache_;
    std::unique_ptr<SearchRun> run_;
    QTimer slices_;       // the next slice of a search
    QTimer bookSettled_;  // a search again once the book stops changing
    bool bookChangedWhileHidden_ = false;
    bool placed_ = false;

    QLineEdit* EditSearchText = nullptr;
    QLineEdit* EditFromDate = nullptr;
    QLineEdit* EditToDate = nullptr;
    QLineEdit* EditMinAmount = nullptr;
    QLineEdit* EditMaxAmount = nullptr;
    std::array<QCheckBox*, kSearchPlaceCount> places_{};
    QTableView* GridSearchResult = nullptr;
    SearchResultModel* model_ = nullptr;
    QLabel* pnlSearchCount = nullptr;
    QLabel* pnlSpendTotal = nullptr;
    QLabel* pnlIncomeTotal = nullptr;
    QLabel* pnlAccountTotal = nullptr;
    QLabel* pnlSearchState = nullptr;
    QPointer<CalendarDialog> calendar_;
};

}  // namespace kakeibo::shell
