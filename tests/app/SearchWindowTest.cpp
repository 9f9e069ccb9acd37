// The window "検索" driven as a person would: Ctrl+F in the main window,
// a word typed into the field, Enter or a double-click on a result, the
// calendar for the period, a field that cannot be read, and the results
// following the book as it is edited.

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "app/SheetView.h"
#include "app/TForm1.h"
#include "app/search/SearchResultModel.h"
#include "app/search/SearchWindow.h"
#include "book/DayDisplay.h"
#include "book/SettingsApply.h"
#include "book/Stores.h"
#include "dialogs/CalendarDialog.h"
#include "dialogs/CalendarGridWidget.h"
#include "model/Dates.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "TestRegistry.h"
#include "Typing.h"

using namespace kakeibo;
using kakeibo::shell::SearchResultModel;
using kakeibo::shell::SearchWindow;
using kakeibo::shell::SheetView;
using kakeibo::testing::makeActive;
using kakeibo::testing::typeText;

namespace {

Date on(int year, int month, int day) { return *makeDate(year, month, day); }

void line(Sheet& sheet, int row, const char* item, const char* amount, const char* category) {
    sheet.setCell(0, row, item);
    sheet.setCell(1, row, amount);
    sheet.setCell(2, row, category);
}

// Three cards, a credit row and notes; the card of 2024/6/10 shown.
void fillBook(Book& book) {
    book.chkBoxComma = true;
    book.chkBoxRedText = true;
    storeTheDay(book);
    dispTheDay(book, on(2024, 6, 1));
    line(book.GridShishutu, 1, "ケーキ", "1200", "食費");
    line(book.GridShishutu, 2, "冷蔵庫", "98000", "家電");
    book.Memo1 = "誕生日\nけーきを買った";
    storeTheDay(book);
    dispTheDay(book, on(2024, 6, 5));
    line(book.GridShuNyu, 1, "返金", "-300", "雑収入");
    line(book.GridShishutu, 1, "", "", "");
    line(book.GridShishutu, 2, "ｹｰｷ屋", "800", "食費");
    storeTheDay(book);
    dispTheDay(book, on(2024, 6, 10));
    for (int col = 0; col < 7; ++col) {
        book.GridCredit.setCell(col, 1, std::vector<std::string>{"2024", "6", "1", "冷蔵庫", "98000", "Xカード", ""}[col]);
    }
    book.MemoOboe = "買うもの\nケーキの型";
}

struct SearchSetup {
    TempDir dir;
    ScriptedUi ui;
    TForm1 form{dir.path(), ui};
    SearchWindow* window = nullptr;

    SearchSetup() {
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
        form.runCommand(fillBook);
        ui.clear();  // the welcome of a first start
        form.activateWindow();
        (void)QTest::qWaitForWindowActive(&form);
        QTest::keyClick(&form, Qt::Key_F, Qt::ControlModifier);
        window = form.findChild<SearchWindow*>(QStringLiteral("FormSearch"));
        if (window) makeActive(window);
    }
    ~SearchSetup() { form.close(); }

    template <typename T>
    T* child(const char* name) const {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QLineEdit* text() const { return child<QLineEdit>("EditSearchText"); }
    QTableView* table() const { return child<QTableView>("GridSearchResult"); }
    SearchResultModel* model() const { return window->resultModel(); }
    QString panel(const char* name) const { return child<QLabel>(name)->text(); }
    QString cell(int row, int col) const { return model()->index(row, col).data().toString(); }

    // Types into a field as a person does and waits for the results.
    bool type(QLineEdit* field, const QString& text) {
        field->setFocus();
        field->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        typeText(field, text);
        return QTest::qWaitFor([this] { return !window->searching(); });
    }
    // The row of the results whose item column reads text, or -1.
    int rowOf(const QString& text) const {
        for (int row = 0; row < model()->rowCount(); ++row) {
            if (cell(row, SearchResultModel::ColText) == text) return row;
        }
        return -1;
    }
    void activate(int row) {
        QTableView* view = table();
        const QRect rect = view->visualRect(model()->index(row, SearchResultModel::ColText));
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, rect.center());
        QTest::keyClick(view, Qt::Key_Return);
    }
    void doubleClick(int row) {
        QTableView* view = table();
        const QPoint at = view->visualRect(model()->index(row, SearchResultModel::ColText)).center();
        // What the mouse gives for a double-click: press, release, double-click, release.
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(view->viewport(), Qt::LeftButton, {}, at);
    }
    Page shownPage() const { return form.currentPage(); }
};

}  // namespace

class SearchWindowTest : public QObject {
    Q_OBJECT
private slots:
    void findsAsThePersonTypes() {
        SearchSetup s;
        QVERIFY(s.window);
        QVERIFY(s.window->isVisible());
        QCOMPARE(s.window->windowTitle(), QStringLiteral("検索"));
        QCOMPARE(QApplication::focusWidget(), s.text());
        QCOMPARE(s.model()->rowCount(), 0);  // nothing asked yet

        QVERIFY(s.type(s.text(), QStringLiteral("けーき")));
        QCOMPARE(s.model()->rowCount(), 4);
        QCOMPARE(s.cell(0, SearchResultModel::ColDate), QStringLiteral("2024/6/1"));
        QCOMPARE(s.cell(0, SearchResultModel::ColWeekday), QStringLiteral("土"));
        QCOMPARE(s.cell(0, SearchResultModel::ColPlace), QStringLiteral("支出"));
        QCOMPARE(s.cell(0, SearchResultModel::ColText), QStringLiteral("ケーキ"));
        QCOMPARE(s.cell(1, SearchResultModel::ColText), QStringLiteral("けーきを買った"));
        QCOMPARE(s.cell(2, SearchResultModel::ColText), QStringLiteral("ｹｰｷ屋"));
        QCOMPARE(s.cell(3, SearchResultModel::ColPlace), QStringLiteral("覚え書き"));
        QCOMPARE(s.cell(3, SearchResultModel::ColDate), QString());
        QCOMPARE(s.panel("pnlSearchCount"), QStringLiteral("4 件"));
        QCOMPARE(s.panel("pnlSpendTotal"), QStringLiteral("2,000"));
        QCOMPARE(s.panel("pnlIncomeTotal"), QStringLiteral("0"));

        // One key more narrows it; places narrow it too.
        typeText(s.text(), QStringLiteral("屋"));
        QTRY_VERIFY(!s.window->searching());
        QCOMPARE(s.model()->rowCount(), 1);
        QVERIFY(s.type(s.text(), QStringLiteral("冷蔵庫")));
        QCOMPARE(s.model()->rowCount(), 2);
        QCOMPARE(s.cell(1, SearchResultModel::ColPlace), QStringLiteral("クレジット"));
        QCOMPARE(s.panel("pnlSpendTotal"), QStringLiteral("98,000"));  // the credit row adds nothing
        QTest::mouseClick(s.child<QWidget>("chkBoxCredit"), Qt::LeftButton);
        QTRY_COMPARE(s.model()->rowCount(), 1);
        QVERIFY(s.type(s.text(), QStringLiteral("返金")));
        QCOMPARE(s.panel("pnlIncomeTotal"), QStringLiteral("-300"));
    }

    void rangesAndUnreadableFields() {
        SearchSetup s;
        QVERIFY(s.type(s.child<QLineEdit>("EditFromDate"), QStringLiteral("２０２４/６/５")));
        QCOMPARE(s.model()->rowCount(), 2);  // every line from the 5th on
        QVERIFY(s.type(s.child<QLineEdit>("EditMinAmount"), QStringLiteral("1,000")));
        QCOMPARE(s.model()->rowCount(), 0);
        QCOMPARE(s.panel("pnlSearchState"), QStringLiteral("見つかりませんでした"));

        QVERIFY(s.type(s.child<QLineEdit>("EditFromDate"), QStringLiteral("2024/13/1")));
        QCOMPARE(s.model()->rowCount(), 0);
        QVERIFY(s.panel("pnlSearchState").contains(QStringLiteral("「2024/13/1」は日付として読めません")));
        QCOMPARE(s.child<QLineEdit>("EditFromDate")->text(), QStringLiteral("2024/13/1"));  // kept as typed
        QCOMPARE(s.child<QLineEdit>("EditFromDate")->palette().color(QPalette::Text), QColor(255, 0, 0));
        QVERIFY(s.type(s.child<QLineEdit>("EditMaxAmount"), QStringLiteral("abc")));
        QVERIFY(s.panel("pnlSearchState").contains(QStringLiteral("「abc」は金額として読めません")));

        QVERIFY(s.type(s.child<QLineEdit>("EditFromDate"), QString()));
        QVERIFY(s.type(s.child<QLineEdit>("EditMaxAmount"), QStringLiteral("500")));
        QCOMPARE(s.panel("pnlSearchState"), QStringLiteral("金額の下限が上限より大きくなっています"));
        QVERIFY(s.type(s.child<QLineEdit>("EditMinAmount"), QString()));
        QCOMPARE(s.model()->rowCount(), 1);  // the refund of -300
        QVERIFY(s.ui.texts().empty());
    }

    void theCalendarFillsADateField() {
        SearchSetup s;
        QTimer::singleShot(0, [] {
            auto* calendar = qobject_cast<kakeibo::shell::CalendarDialog*>(QApplication::activeModalWidget());
            QVERIFY(calendar);
            kakeibo::shell::CalendarGridWidget* grid = calendar->grid();
            // Row 3 always holds a day of the month.
            QTest::mouseClick(grid, Qt::LeftButton, {}, grid->cellRect(3, 3).center());
        });
        QTest::mouseClick(s.child<QToolButton>("btnToDate"), Qt::LeftButton);
        const QString picked = s.child<QLineEdit>("EditToDate")->text();
        const std::optional<Date> date = [&] {
            const QStringList parts = picked.split(QLatin1Char('/'));
            return parts.size() == 3 ? makeDate(parts[0].toInt(), parts[1].toInt(), parts[2].toInt()) : std::nullopt;
        }();
        QVERIFY2(date.has_value(), qPrintable(picked));
        QCOMPARE(splitDate(*date).month, splitDate(s.form.book().today()).month);
        QTRY_VERIFY(!s.window->searching());
        // Every line and memo line of this book of 2024, and the credit row.
        QCOMPARE(s.model()->rowCount(), 7);
    }

    void enterOnALineShowsItsCardWithTheRowSelected() {
        SearchSetup s;
        Book& book = s.form.book();
        // Typed on the shown card and not stored yet: the move stores it.
        auto* grid = s.form.findChild<SheetView*>(QStringLiteral("GridShishutu"));
        makeActive(&s.form);
        grid->selectCell(0, 1);
        QTest::keyClick(grid, Qt::Key_F2);
        typeText(QApplication::focusWidget(), QStringLiteral("コーヒー"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(book.GridShishutu.cell(0, 1), std::string("コーヒー"));

        s.window->open();
        makeActive(s.window);
        QVERIFY(s.type(s.text(), QStringLiteral("ｹｰｷ")));
        const int row = s.rowOf(QStringLiteral("ｹｰｷ屋"));
        QVERIFY(row >= 0);
        s.activate(row);
        QCOMPARE(book.pnlDay, std::string("2024/6/5"));
        QCOMPARE(grid->currentIndex().row(), 2);
        QCOMPARE(grid->currentIndex().column(), 0);
        QCOMPARE(s.form.focusWidget(), grid);
        QVERIFY(s.window->isVisible());
        const TIndex& left = book.cards.read(*findCardIndex(book, on(2024, 6, 10)));
        QCOMPARE(left.spendList.at(0).item, std::string("コーヒー"));
        // The line typed is found now, and the results stay as they were.
        QVERIFY(s.type(s.text(), QStringLiteral("コーヒー")));
        QCOMPARE(s.model()->rowCount(), 1);
    }

    void memoCreditAndNotesResultsOpenTheirPlaces() {
        SearchSetup s;
        QVERIFY(s.type(s.text(), QStringLiteral("けーき")));
        s.doubleClick(s.rowOf(QStringLiteral("けーきを買った")));
        auto* memo = s.form.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
        QCOMPARE(s.form.book().pnlDay, std::string("2024/6/1"));
        QCOMPARE(s.form.focusWidget(), memo);
        QCOMPARE(memo->textCursor().selectedText(), QStringLiteral("けーきを買った"));

        s.doubleClick(s.rowOf(QStringLiteral("ケーキの型")));
        QCOMPARE(s.shownPage(), Page::TabMemo);
        QCOMPARE(s.form.currentSubPage(), SubPage::TabOboe);
        auto* notes = s.form.findChild<QPlainTextEdit*>(QStringLiteral("MemoOboe"));
        QCOMPARE(s.form.focusWidget(), notes);
        QCOMPARE(notes->textCursor().selectedText(), QStringLiteral("ケーキの型"));

        QVERIFY(s.type(s.text(), QStringLiteral("冷蔵庫")));
        s.activate(s.rowOf(QStringLiteral("冷蔵庫")) + 1);  // the credit row follows the card's line
        QCOMPARE(s.shownPage(), Page::TabCredit);
        auto* credit = s.form.findChild<SheetView*>(QStringLiteral("GridCredit"));
        QCOMPARE(credit->currentIndex().row(), 1);
        QCOMPARE(s.form.focusWidget(), credit);
    }

    void resultsFollowTheBookAndAGoneCardIsNeverMade() {
        SearchSetup s;
        Book& book = s.form.book();
        QVERIFY(s.type(s.text(), QStringLiteral("ケーキ")));
        const int before = s.model()->rowCount();
        // Typed on the day page while the results are shown.
        auto* grid = s.form.findChild<SheetView*>(QStringLiteral("GridShishutu"));
        makeActive(&s.form);
        grid->selectCell(0, 3);
        QTest::keyClick(grid, Qt::Key_F2);
        typeText(QApplication::focusWidget(), QStringLiteral("ケーキ皿"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTRY_COMPARE(s.model()->rowCount(), before + 1);
        QVERIFY(s.rowOf(QStringLiteral("ケーキ皿")) >= 0);

        // The card of a result is thrown away: the result goes, and going
        // to it beforehand makes no card.
        const int row = s.rowOf(QStringLiteral("ｹｰｷ屋"));
        const int cards = book.cards.size();
        s.form.runCommand([](Book& b) {
            b.cards.setCurIndex(*findCardIndex(b, on(2024, 6, 5)));
            b.cards.deleteCurrent();
            dispTheDay(b, b.cards.cur().date);
        });
        s.activate(row);
        QCOMPARE(book.cards.size(), cards - 1);
        QVERIFY(!findCardIndex(book, on(2024, 6, 5)));
        QTRY_VERIFY(!s.window->searching());
        QCOMPARE(s.rowOf(QStringLiteral("ｹｰｷ屋")), -1);
    }
};

KAKEIBO_REGISTER_TEST(SearchWindowTest);
#include "SearchWindowTest.moc"
