// Typing through an input method, as IBus or Fcitx deliver it: a preedit
// (the conversion shown uncommitted), then its commit, then Enter, each
// sent to whatever has the focus, into the real widgets of the window and
// its dialogs: the sheets' cell editors, the category lists, the memos, the
// notes page, the bank names and the dialogs' number fields.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextLayout>

#include <memory>

#include "app/SheetView.h"
#include "app/TForm1.h"
#include "app/TextRefusal.h"
#include "app/editing/CategoryComboBox.h"
#include "app/editing/SheetEditAids.h"
#include "book/Book.h"
#include "dialogs/YearMonthDialog.h"
#include "support/FixedToday.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "EntryWindow.h"
#include "TestRegistry.h"

using namespace kakeibo;
using kakeibo::shell::CategoryComboBox;
using kakeibo::shell::SheetView;

namespace {

// What the input method sends: to the focus, as the platform does, with
// the event loop running between (as it does between two keys).
void preedit(const QString& text) {
    QInputMethodEvent event(text, {QInputMethodEvent::Attribute(QInputMethodEvent::Cursor, int(text.size()), 1)});
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &event);
    QApplication::processEvents();
}
void commit(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QCoreApplication::sendEvent(QGuiApplication::focusObject(), &event);
    QApplication::processEvents();
}
void pressEnter() {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QApplication::processEvents();
}

// Whether a line edit draws its caret behind a preedit shown after its text
// (at least half the preedit's width behind the text's end: the caret
// stays at the text's end when the preedit is not shown).
bool caretBehindPreedit(const QLineEdit* edit, const QString& preedit) {
    const int caret = edit->inputMethodQuery(Qt::ImCursorRectangle).toRect().center().x();
    const QFontMetrics metrics(edit->font());
    return caret > metrics.horizontalAdvance(edit->text()) + metrics.horizontalAdvance(preedit) / 2;
}

// The preedit a text edit shows at its caret.
QString shownPreedit(const QPlainTextEdit* edit) { return edit->textCursor().block().layout()->preeditAreaText(); }

std::string utf8(const QString& text) { return text.toStdString(); }

// The main window, with the handles these tests take.
struct Window : kakeibo::testing::EntryWindow {
    template <typename T>
    T* child(const char* name) const { return form->findChild<T*>(QString::fromLatin1(name)); }
    SheetView* spendingView() const { return view("GridShishutu"); }
    QLineEdit* cellEditor() const { return spendingView()->viewport()->findChild<QLineEdit*>(); }
    void click(int col, int row) { EntryWindow::click(spendingView(), col, row); }
};

using kakeibo::testing::current;

}  // namespace

class InputMethodTest : public QObject {
    Q_OBJECT
private slots:
    void aCellShowsTheConversionInPlaceTakesItsCommitOnceAndEnterWalksOn() {
        Window w;
        w.click(0, 1);
        preedit(QStringLiteral("ひるしょく"));
        QLineEdit* editor = w.cellEditor();
        QVERIFY(editor);
        QCOMPARE(editor->text(), QString());
        QVERIFY(caretBehindPreedit(editor, QStringLiteral("ひるしょく")));
        QCOMPARE(w.spending().cell(0, 1), std::string());

        commit(QStringLiteral("昼食"));
        QCOMPARE(w.cellEditor()->text(), QStringLiteral("昼食"));
        pressEnter();
        QCOMPARE(w.spending().cell(0, 1), utf8(QStringLiteral("昼食")));
        QCOMPARE(current(w.spending()), QPoint(1, 1));
    }

    void enterThatCommitsAConversionStaysInTheCell() {
        Window w;
        w.click(0, 1);
        preedit(QStringLiteral("くすり"));
        pressEnter();
        // The conversion is the cell's text, and the cell is still edited.
        QCOMPARE(current(w.spending()), QPoint(0, 1));
        QVERIFY(w.cellEditor());
        QCOMPARE(w.cellEditor()->text(), QStringLiteral("くすり"));
        QCOMPARE(w.spending().cell(0, 1), std::string());

        // Once more in an open editor.
        preedit(QStringLiteral("だい"));
        pressEnter();
        QCOMPARE(w.cellEditor()->text(), QStringLiteral("くすりだい"));
        QCOMPARE(current(w.spending()), QPoint(0, 1));
        pressEnter();
        QCOMPARE(w.spending().cell(0, 1), utf8(QStringLiteral("くすりだい")));
        QCOMPARE(current(w.spending()), QPoint(1, 1));
    }

    void aClickOnAnotherCellKeepsTheConversion() {
        Window w;
        w.click(0, 1);
        commit(QStringLiteral("本"));
        preedit(QStringLiteral("やさん"));
        w.click(0, 3);
        QCOMPARE(w.spending().cell(0, 1), utf8(QStringLiteral("本やさん")));
        QCOMPARE(current(w.spending()), QPoint(0, 3));
    }

    void aCommitTheFilesCannotHoldIsRefusedWithTheTypedTextsMessage() {
        Window w;
        QSignalSpy refused(w.spendingView(), &SheetView::textRefused);
        w.click(0, 1);
        commit(QStringLiteral("寿司"));
        commit(QStringLiteral("🍣"));
        QCOMPARE(w.cellEditor()->text(), QStringLiteral("寿司"));
        QCOMPARE(refused.size(), 1);
        QCOMPARE(refused.at(0).at(0).toString(), shell::refusalMessage(TextCheck::NotEncodable, kShortTextMaxBytes));

        // 254 bytes, and a character of two more.
        w.cellEditor()->setText(QString(254, QLatin1Char('a')));
        commit(QStringLiteral("あ"));
        QCOMPARE(w.cellEditor()->text().size(), 254);
        QCOMPARE(refused.size(), 2);
        QCOMPARE(refused.at(1).at(0).toString(), shell::refusalMessage(TextCheck::TooLong, kShortTextMaxBytes));
        pressEnter();
        QCOMPARE(w.spending().cell(0, 1), std::string(254, 'a'));
    }

    void anAmountCellKeepsTheInputMethodOffAndCleansWhatIsCommittedAllTheSame() {
        Window w;
        SheetView* view = w.spendingView();
        w.click(0, 1);
        QCOMPARE(view->inputMethodQuery(Qt::ImEnabled).toBool(), true);
        w.click(1, 1);
        QCOMPARE(view->inputMethodQuery(Qt::ImEnabled).toBool(), false);

        // An input method that converts there anyway: the preedit shows,
        // the commit lands as the number it means, once.
        preedit(QStringLiteral("１２"));
        QLineEdit* editor = w.cellEditor();
        QVERIFY(editor);
        QVERIFY(caretBehindPreedit(editor, QStringLiteral("１２")));
        commit(QStringLiteral("１，２００．５円"));
        QCOMPARE(w.cellEditor()->text(), QStringLiteral("1200.5"));
        preedit(QStringLiteral("０"));
        pressEnter();
        QCOMPARE(w.cellEditor()->text(), QStringLiteral("1200.50"));
        pressEnter();
        QCOMPARE(w.spending().cell(1, 1), std::string("1200.50"));
        QCOMPARE(current(w.spending()), QPoint(2, 1));
    }

    void aConversionOverTheOpenCategoryListGoesToItsEditPart() {
        Window w;
        w.spending().setCell(2, 1, "日用品");
        w.click(2, 1);
        QTRY_VERIFY(w.list()->view()->isVisible());
        preedit(QStringLiteral("こうつう"));
        QVERIFY(w.list()->view()->isVisible());
        // The typed text replaces the shown one; the preedit shows there.
        QCOMPARE(w.list()->currentText(), QString());
        QVERIFY(caretBehindPreedit(w.list()->lineEdit(), QStringLiteral("こうつう")));

        // Enter ends the conversion, and writes nothing yet.
        pressEnter();
        QCOMPARE(w.list()->currentText(), QStringLiteral("こうつう"));
        QVERIFY(!w.list()->view()->isVisible());
        QVERIFY(w.list()->isVisible());
        QCOMPARE(w.spending().cell(2, 1), utf8(QStringLiteral("日用品")));

        // The person converts again, commits, and writes it.
        w.list()->lineEdit()->selectAll();
        preedit(QStringLiteral("こうつうひ"));
        commit(QStringLiteral("交通費"));
        QCOMPARE(w.list()->currentText(), QStringLiteral("交通費"));
        pressEnter();
        QCOMPARE(w.spending().cell(2, 1), utf8(QStringLiteral("交通費")));
        QCOMPARE(current(w.spending()), QPoint(0, 2));
        QVERIFY(w.list()->isHidden());
    }

    void aConversionOnACategoryCellOpensTheListWithoutMovingTheCursor() {
        Window w;
        QSignalSpy refused(w.spendingView(), &SheetView::textRefused);
        // The cell is current with the list closed (as after Escape and a click back).
        w.spendingView()->setFocus();
        w.spendingView()->selectCell(2, 3);
        commit(QStringLiteral("食"));
        QTRY_VERIFY(w.list()->isVisible());
        QCOMPARE(current(w.spending()), QPoint(2, 3));
        QCOMPARE(w.list()->currentText(), QStringLiteral("食"));

        commit(QStringLiteral("🍣"));
        QCOMPARE(w.list()->currentText(), QStringLiteral("食"));
        QCOMPARE(refused.size(), 1);
        QCOMPARE(refused.at(0).at(0).toString(), shell::refusalMessage(TextCheck::NotEncodable, kShortTextMaxBytes));
        commit(QStringLiteral("費"));
        pressEnter();
        QCOMPARE(w.spending().cell(2, 3), utf8(QStringLiteral("食費")));
    }

    void theDayMemoShowsTheConversionAndEnterThatCommitsItStartsNoLine() {
        Window w;
        auto* memo = w.child<QPlainTextEdit>("Memo1");
        memo->setFocus();
        preedit(QStringLiteral("どうそうかい"));
        QCOMPARE(shownPreedit(memo), QStringLiteral("どうそうかい"));
        QCOMPARE(memo->toPlainText(), QString());
        QCOMPARE(w.form->book().Memo1, std::string());
        commit(QStringLiteral("同窓会"));
        QCOMPARE(memo->toPlainText(), QStringLiteral("同窓会"));
        QCOMPARE(w.form->book().Memo1, utf8(QStringLiteral("同窓会")));

        preedit(QStringLiteral("のみかい"));
        pressEnter();
        QCOMPARE(memo->toPlainText(), QStringLiteral("同窓会のみかい"));
        QCOMPARE(shownPreedit(memo), QString());
        pressEnter();
        QCOMPARE(memo->toPlainText(), QStringLiteral("同窓会のみかい\n"));
    }

    void theNotesPageRefusesACommitOverItsLimitWithTheTypedTextsMessage() {
        Window w;
        w.showPage(4, "subPageMemo", 0);
        auto* notes = w.child<QPlainTextEdit>("MemoOboe");
        notes->setFocus();
        const QString almostFull(int(kLongTextMaxBytes) - 1, QLatin1Char('x'));
        commit(almostFull);
        QCOMPARE(w.form->book().MemoOboe.size(), kLongTextMaxBytes - 1);
        preedit(QStringLiteral("かけい"));
        commit(QStringLiteral("家計"));
        QCOMPARE(notes->toPlainText(), almostFull);
        QCOMPARE(w.form->book().MemoOboe.size(), kLongTextMaxBytes - 1);
        QCOMPARE(w.ui.texts().back(), utf8(shell::refusalMessage(TextCheck::TooLong, kLongTextMaxBytes)));
        // The notes go on taking what fits.
        commit(QStringLiteral("y"));
        QCOMPARE(w.form->book().MemoOboe.size(), kLongTextMaxBytes);
    }

    void aBankNameTakesACommitAndRefusesWhatTheFilesCannotHold() {
        Window w;
        w.showPage(2, "subPageSet", 1);
        auto* bank = w.child<QLineEdit>("EditBank0");
        bank->setFocus();
        bank->clear();
        preedit(QStringLiteral("みずほ"));
        QCOMPARE(w.form->book().EditBank[0], std::string());
        commit(QStringLiteral("みずほ"));
        QCOMPARE(w.form->book().EditBank[0], utf8(QStringLiteral("みずほ")));
        const std::size_t before = w.ui.texts().size();
        commit(QStringLiteral("🏦"));
        QCOMPARE(bank->text(), QStringLiteral("みずほ"));
        QCOMPARE(w.form->book().EditBank[0], utf8(QStringLiteral("みずほ")));
        QCOMPARE(w.ui.texts().size(), before + 1);
        QCOMPARE(w.ui.texts().back(), utf8(shell::refusalMessage(TextCheck::NotEncodable, kShortTextMaxBytes)));
    }

    void aDialogsNumberFieldReadsFullWidthDigitsAndEnterOnAConversionEndsNoDialog() {
        ScriptedUi ui;
        shell::YearMonthDialog dialog(ui, dayOf(2026, 12, 8), nullptr);
        dialog.open();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.activateWindow();
        auto* year = dialog.findChild<QComboBox*>(QStringLiteral("cmbYearInput"));
        year->setFocus();
        year->lineEdit()->selectAll();
        preedit(QStringLiteral("２０２７"));
        pressEnter();
        QVERIFY(dialog.isVisible());
        QCOMPARE(year->currentText(), QStringLiteral("2027"));
        pressEnter();
        QVERIFY(!dialog.isVisible());
        QVERIFY(dialog.yearMonthResult().ok);
        QCOMPARE(dialog.yearMonthResult().year, 2027);
    }
};

KAKEIBO_REGISTER_TEST(InputMethodTest);
#include "InputMethodTest.moc"
