// The editing aids of the window's sheets driven with real keys and clicks:
// the category lists over column 2, Enter walking the cells, the amount key
// filter, the pop-up menu's insert and delete, and the credit sheet's
// status click.

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QTest>

#include <memory>

#include "app/SheetView.h"
#include "app/TForm1.h"
#include "app/editing/AmountTextValidator.h"
#include "app/editing/CategoryComboBox.h"
#include "app/editing/SheetEditAids.h"
#include "book/Book.h"
#include "book/Credit.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "EntryWindow.h"
#include "TestRegistry.h"

using namespace kakeibo;
using kakeibo::shell::CategoryComboBox;
using kakeibo::shell::SheetView;

namespace {

using Window = kakeibo::testing::EntryWindow;
using kakeibo::testing::current;

// Keys as a person types them: each to whatever has the focus then (the
// first key on a sheet opens its cell editor).
void type(QWidget* start, const QString& keys) {
    for (const QChar c : keys) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : start;
        QTest::keyClicks(target, QString(c));
    }
}

void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

}  // namespace

class SheetEditAidsTest : public QObject {
    Q_OBJECT
private slots:
    void tabIntoTheCategoryColumnOpensItsListOverTheCell() {
        Window w;
        SheetView* grid = w.view("GridShishutu");
        w.spending().setCell(2, 1, "日用品");
        w.click(grid, 1, 1);
        QVERIFY(w.list()->isHidden());
        QTest::keyClick(grid, Qt::Key_Tab);
        QTRY_VERIFY(w.list()->isVisible());
        QCOMPARE(w.list()->geometry(), grid->cellRect(2, 1));
        QCOMPARE(w.list()->currentText(), QStringLiteral("日用品"));
        QCOMPARE(w.list()->maxVisibleItems(), 16);
        QCOMPARE(w.list()->count(), 4);
        QCOMPARE(w.form->book().combo, (ComboState{CategoryCombo::Shishutu, 2, 1}));

        // A click into another column closes it and writes what it shows.
        w.click(grid, 0, 3);
        QVERIFY(w.list()->isHidden());
        QCOMPARE(w.form->book().combo.open, CategoryCombo::None);
        QCOMPARE(w.spending().cell(2, 1), std::string("日用品"));
        QCOMPARE(current(w.spending()), QPoint(0, 3));
        QCOMPARE(w.form->editAids().comboBox(CategoryCombo::ShuNyu)->maxVisibleItems(), 12);
    }

    // The lists are made as they are first opened, with the items the book
    // holds by then, and only the one opened.
    void aListIsMadeWhenFirstOpenedWithTheItemsOfThatMoment() {
        Window w;
        QVERIFY(w.form->findChildren<CategoryComboBox*>().isEmpty());
        w.form->book().cmbShishutu = {"食費", "交通費"};
        w.form->editAids().sync();
        QVERIFY(w.form->findChildren<CategoryComboBox*>().isEmpty());
        w.click(w.view("GridShishutu"), 2, 1);
        QTRY_VERIFY(w.form->findChild<CategoryComboBox*>() && w.form->findChild<CategoryComboBox*>()->isVisible());
        QCOMPARE(w.form->findChildren<CategoryComboBox*>().size(), qsizetype{1});
        CategoryComboBox* list = w.form->findChild<CategoryComboBox*>();
        QCOMPARE(list->objectName(), QStringLiteral("cmbShishutu"));
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->itemText(1), QStringLiteral("交通費"));
    }

    void enterOnAChosenItemWritesItAndMovesToTheNextLine() {
        Window w;
        SheetView* grid = w.view("GridShishutu");
        w.click(grid, 2, 1);
        QTRY_VERIFY(w.list()->view()->isVisible());
        QAbstractItemView* items = w.list()->view();
        items->setCurrentIndex(items->model()->index(0, 0));
        QTest::keyClick(items, Qt::Key_Down);
        QTest::keyClick(items, Qt::Key_Return);
        QCOMPARE(w.spending().cell(2, 1), std::string("日用品"));
        QCOMPARE(current(w.spending()), QPoint(0, 2));
        QVERIFY(w.list()->isHidden());
        QVERIFY(grid->hasFocus());

        // On the last row the selection stays on that row.
        const int last = w.spending().rowCount() - 1;
        w.click(grid, 2, last);
        QTRY_VERIFY(w.list()->isVisible());
        QTest::keyClick(w.list(), Qt::Key_Return);
        QCOMPARE(current(w.spending()), QPoint(0, last));
    }

    void aLetterWhileTheListIsOpenWritesItsTextAndReturns() {
        Window w;
        SheetView* grid = w.view("GridShishutu");
        w.spending().setCell(2, 4, "食費");
        w.click(grid, 2, 4);
        QTRY_VERIFY(w.list()->isVisible());
        QTest::keyClick(w.list()->view(), Qt::Key_Down);  // highlights the next item
        QTest::keyClick(w.list()->view(), Qt::Key_A);
        QCOMPARE(w.spending().cell(2, 4), std::string("日用品"));
        QVERIFY(w.list()->isHidden());
        QVERIFY(grid->hasFocus());
        QCOMPARE(current(w.spending()), QPoint(0, 5));

        // With the list closed a letter in the edit part does the same; the
        // letter is not written.
        w.click(grid, 2, 6);
        QTRY_VERIFY(w.list()->isVisible());
        w.list()->hidePopup();
        QTest::keyClick(w.list()->lineEdit(), Qt::Key_X);
        QCOMPARE(w.spending().cell(2, 6), std::string());
        QCOMPARE(current(w.spending()), QPoint(0, 7));

        // A double-click on the list writes it too.
        w.click(grid, 2, 8);
        QTRY_VERIFY(w.list()->isVisible());
        w.list()->hidePopup();
        w.list()->setCurrentIndex(0);
        QTest::mouseDClick(w.list()->lineEdit(), Qt::LeftButton);
        QCOMPARE(w.spending().cell(2, 8), std::string("食費"));
    }

    void aPageChangeOrACommandWritesTheOpenList() {
        Window w;
        SheetView* grid = w.view("GridShishutu");
        w.click(grid, 2, 2);
        QTRY_VERIFY(w.list()->isVisible());
        w.list()->hidePopup();
        w.list()->setCurrentIndex(1);
        w.showPage(4);
        QCOMPARE(w.form->book().combo.open, CategoryCombo::None);
        w.showPage(0);
        QCOMPARE(w.spending().cell(2, 2), std::string("日用品"));
        QVERIFY(w.list()->isHidden());
    }

    void enterWalksTheCellsAndStaysOnTheLastRow() {
        Window w;
        SheetView* grid = w.view("GridShishutu");
        w.click(grid, 0, 1);
        type(grid, QStringLiteral("pan"));
        pressEnter();  // in the cell editor
        QCOMPARE(w.spending().cell(0, 1), std::string("pan"));
        QCOMPARE(current(w.spending()), QPoint(1, 1));
        QTest::keyClick(grid, Qt::Key_Return);  // outside the editor
        QCOMPARE(current(w.spending()), QPoint(2, 1));
        QTRY_VERIFY(w.list()->isVisible());  // walking into column 2 opens the list
        QTest::keyClick(w.list(), Qt::Key_Return);
        QCOMPARE(current(w.spending()), QPoint(0, 2));

        // A sheet without a list: the last column goes on at column 0 of the
        // next row, and the last row stays.
        w.showPage(2, "subPageSet", 1);
        SheetView* koza = w.view("GridSetKoza0");
        Sheet& accounts = w.form->book().GridSetKoza0;
        w.click(koza, accounts.colCount() - 1, 1);
        QTest::keyClick(koza, Qt::Key_Return);
        QCOMPARE(current(accounts), QPoint(0, 2));
        const int last = accounts.rowCount() - 1;
        w.click(koza, accounts.colCount() - 1, last);
        QTest::keyClick(koza, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(current(accounts), QPoint(0, last));
    }

    void amountCellsTakeOnlyANumber() {
        Window w;
        SheetView* grid = w.view("GridShishutu");
        auto typeInto = [&](int col, int row, const QString& keys) {
            w.click(grid, col, row);
            type(grid, keys);
            pressEnter();
            return w.spending().cell(col, row);
        };
        QCOMPARE(typeInto(1, 1, QStringLiteral("12.5.3")), std::string("12.53"));
        QCOMPARE(typeInto(1, 2, QStringLiteral("1a2b")), std::string("12"));
        QCOMPARE(typeInto(1, 3, QStringLiteral("-40-")), std::string("-40"));
        QCOMPARE(typeInto(1, 4, QStringLiteral("4-0")), std::string("40"));
        QCOMPARE(typeInto(0, 5, QStringLiteral("a.b-1")), std::string("a.b-1"));

        // Typing over a selected amount judges the text that stays.
        w.spending().setCell(1, 6, "1.5");
        w.click(grid, 1, 6);
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->selectAll();
        QTest::keyClicks(editor, QStringLiteral("2.5"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(w.spending().cell(1, 6), std::string("2.5"));

        // Row 1 of the savings settings is numeric, the user's name free.
        w.showPage(2, "subPageSet", 3);
        SheetView* other = w.view("GridSetSonota");
        Sheet& sonota = w.form->book().GridSetSonota;
        w.click(other, 1, 1);
        QTest::keyClick(other, Qt::Key_F2);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_End);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("x5"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(sonota.cell(1, 1).find('x') == std::string::npos);
        w.click(other, 1, 2);
        type(other, QStringLiteral("Taro"));
        pressEnter();
        QCOMPARE(sonota.cell(1, 2), std::string("Taro"));
    }

    void pastedOrInputMethodAmountsKeepOnlyTheNumber() {
        auto kept = [](const QString& text, int pos = 0) {
            const QString result = kakeibo::shell::keepAmountCharacters(text, pos);
            return result + QLatin1Char('|') + QString::number(pos);
        };
        QCOMPARE(kept(QStringLiteral("１２，３４５円"), 7), QStringLiteral("12345|5"));
        QCOMPARE(kept(QStringLiteral("－３．５"), 2), QStringLiteral("-3.5|2"));
        QCOMPARE(kept(QStringLiteral("1.2.3-4"), 3), QStringLiteral("1.234|3"));
        QCOMPARE(kept(QStringLiteral("x-5")), QStringLiteral("-5|0"));
        QCOMPARE(kept(QString()), QStringLiteral("|0"));

        // In the window: a paste into an amount cell, and none into a name.
        Window w;
        SheetView* grid = w.view("GridShishutu");
        w.click(grid, 1, 1);
        QTest::keyClick(grid, Qt::Key_F2);
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        QVERIFY(!editor->testAttribute(Qt::WA_InputMethodEnabled));
        editor->insert(QStringLiteral("１，２００円"));  // as a paste or an input method gives it
        pressEnter();
        QCOMPARE(w.spending().cell(1, 1), std::string("1200"));
        w.click(grid, 0, 1);
        QTest::keyClick(grid, Qt::Key_F2);
        editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        QVERIFY(editor);
        editor->insert(QStringLiteral("１，２００円"));
        pressEnter();
        QCOMPARE(w.spending().cell(0, 1), std::string("１，２００円"));
    }

    void insertOnAFullSheetGrowsItAndLosesNothing() {
        Window w;
        w.showPage(0);
        SheetView* grid = w.view("GridShuNyu");
        Sheet& income = w.form->book().GridShuNyu;
        const int rows = income.rowCount();
        for (int r = 1; r < rows; ++r) income.setCell(0, r, "line" + std::to_string(r));
        w.popUp(grid, 0, 2, "popLineInsert");
        QCOMPARE(income.rowCount(), rows + 1);
        QCOMPARE(income.cell(0, 2), std::string());
        QCOMPARE(income.cell(0, 3), std::string("line2"));
        QCOMPARE(income.cell(0, rows), "line" + std::to_string(rows - 1));

        // With the last row empty the empty row drops off the bottom.
        Sheet& spending = w.spending();
        const int spendRows = spending.rowCount();
        spending.setCell(0, 1, "a");
        spending.setCell(0, 2, "b");
        w.popUp(w.view("GridShishutu"), 1, 1, "popLineInsert");
        QCOMPARE(spending.rowCount(), spendRows);
        QCOMPARE(spending.cell(0, 2), std::string("a"));
        QCOMPARE(spending.cell(0, 3), std::string("b"));
    }

    void accountSettingsInsertAndDeleteByColumnGroup() {
        Window w;
        w.showPage(2, "subPageSet", 1);
        SheetView* grid = w.view("GridSetKoza0");
        Sheet& accounts = w.form->book().GridSetKoza0;
        for (int c = 0; c < 7; ++c) accounts.setCell(c, 1, "c" + std::to_string(c));
        w.popUp(grid, 4, 1, "popLineInsert");
        for (int c : {0, 1, 2, 6}) QCOMPARE(accounts.cell(c, 1), "c" + std::to_string(c));
        for (int c : {3, 4, 5}) {
            QCOMPARE(accounts.cell(c, 1), std::string());
            QCOMPARE(accounts.cell(c, 2), "c" + std::to_string(c));
        }
        w.ui.pushYesNo(true);
        w.popUp(grid, 3, 2, "popLineDelete");
        for (int c : {3, 4, 5}) QCOMPARE(accounts.cell(c, 1), std::string());
        QCOMPARE(accounts.cell(3, 2), std::string());
        QCOMPARE(accounts.cell(0, 1), std::string("c0"));
        QCOMPARE(w.ui.questions().back().text, std::string("c3 - c4 - c5   この行を削除していいですか？"));
    }

    void deletingTheOnlyLineLeavesAnEmptySheetOfTheSameSize() {
        Window w;
        SheetView* grid = w.view("GridShishutu");
        Sheet& spending = w.spending();
        const int rows = spending.rowCount();
        spending.setCell(0, 1, "パン");
        spending.setCell(1, 1, "300");
        spending.setCell(2, 1, "食費");
        // No is the answer first: nothing changes.
        w.ui.pushYesNo(false);
        w.popUp(grid, 1, 1, "popLineDelete");
        QCOMPARE(spending.cell(0, 1), std::string("パン"));
        w.ui.pushYesNo(true);
        w.popUp(grid, 1, 1, "popLineDelete");
        QCOMPARE(spending.rowCount(), rows);
        for (int r = 1; r < rows; ++r)
            for (int c = 0; c < 3; ++c) QCOMPARE(spending.cell(c, r), std::string());
        const YesNoQuestion asked = w.ui.questions().back();
        QCOMPARE(asked.text, std::string("パン - 300 - 食費   この行を削除していいですか？"));
        const QPoint clicked = grid->viewport()->mapToGlobal(grid->cellRect(1, 1).center());
        QCOMPARE(QPoint(asked.screenX, asked.screenY), clicked - QPoint(20, 20));

        // A right click with Ctrl held opens no menu.
        w.click(grid, 1, 1, Qt::RightButton, Qt::ControlModifier);
        QVERIFY(!w.form->findChild<QMenu*>(QStringLiteral("PopupMenu1"))->isVisible());
    }

    void aClickOnTheCreditStatusTogglesPaid() {
        Window w;
        Sheet& credit = w.form->book().GridCredit;
        credit.setCell(0, 1, "2026");
        credit.setCell(3, 1, "靴");
        w.showPage(3);
        SheetView* grid = w.view("GridCredit");
        w.click(grid, kCreditStatusCol, 1);
        QCOMPARE(credit.cell(kCreditStatusCol, 1), std::string(kCreditPaid));
        w.click(grid, kCreditStatusCol, 1);
        QCOMPARE(credit.cell(kCreditStatusCol, 1), std::string());
        w.click(grid, 3, 1);
        QCOMPARE(credit.cell(3, 1), std::string("靴"));
        w.click(grid, kCreditStatusCol, 1, Qt::LeftButton, Qt::ShiftModifier);
        QCOMPARE(credit.cell(kCreditStatusCol, 1), std::string());
    }
};

KAKEIBO_REGISTER_TEST(SheetEditAidsTest);
#include "SheetEditAidsTest.moc"
