// The main window driven as a person would: start-up in an empty program
// folder, a second start over the files of the first, page changes, the
// Edit menu's enabling, the drag bars, the fixed width and the window
// settings written at the close, and the close when the desktop ends the
// program.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QTimer>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSplitterHandle>
#include <QTabWidget>
#include <QTest>

#include <csignal>
#include <memory>

#include "app/GracefulQuit.h"
#include "app/HelpWindow.h"
#include "app/SheetView.h"
#include "app/StackedPanels.h"
#include "app/TForm1.h"
#include "book/Book.h"
#include "messages/Messages.h"
#include "model/Dates.h"
#include "storage/IniFile.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "TestRegistry.h"

using namespace kakeibo;
using kakeibo::shell::SheetView;
using kakeibo::shell::StackedPanels;

namespace {

std::unique_ptr<TForm1> startWindow(const TempDir& dir, ScriptedUi& ui) {
    auto form = std::make_unique<TForm1>(dir.path(), ui);
    form->show();
    if (!QTest::qWaitForWindowExposed(form.get())) return form;
    form->activateWindow();
    if (!QTest::qWaitForWindowActive(form.get())) qWarning("the window did not become active");
    // The pages behind the daily page, as after a first visit to one of them.
    form->buildHiddenPages();
    return form;
}

template <typename T>
T* child(QWidget* form, const char* name) {
    return form->findChild<T*>(QString::fromLatin1(name));
}

QAction* action(QWidget* form, const char* name) { return child<QAction>(form, name); }

// A drag of a bar by dy pixels, as the mouse does it.
void dragBar(QSplitterHandle* bar, int dy) {
    const QPoint from(bar->width() / 2, 1);
    const QPoint to = from + QPoint(0, dy);
    QMouseEvent press(QEvent::MouseButtonPress, from, bar->mapToGlobal(from), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(bar, &press);
    QMouseEvent move(QEvent::MouseMove, to, bar->mapToGlobal(to), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, to, bar->mapToGlobal(to), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(bar, &release);
}

// Counts the paints the window itself gets, each one a frame of the whole.
class PaintCount : public QObject {
public:
    explicit PaintCount(QWidget* window) { window->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

}  // namespace

class TForm1Test : public QObject {
    Q_OBJECT
private slots:
    void firstStartOpensOnTodaysCard() {
        TempDir dir;
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        QCOMPARE(form->pos(), QPoint(100, 120));
        QCOMPARE(form->width(), 700);
        QCOMPARE(ui.texts().size(), std::size_t{1});
        QCOMPARE(ui.texts()[0], welcomeMessageText());
        QCOMPARE(form->book().cards.size(), 1);
        QCOMPARE(form->book().months.size(), 1);
        auto* pageTop = child<QTabWidget>(form.get(), "pageTop");
        QCOMPARE(pageTop->currentWidget()->objectName(), QStringLiteral("TabInput"));
        auto* grid = child<SheetView>(form.get(), "GridShishutu");
        QCOMPARE(QApplication::focusWidget(), grid);
        QCOMPARE(grid->currentIndex().row(), 1);
        QCOMPARE(grid->currentIndex().column(), 0);
        // Each sub-page control starts on its own sub-page.
        QCOMPARE(child<QTabWidget>(form.get(), "subPageStat")->currentWidget()->objectName(), QStringLiteral("TabYear"));
        QCOMPARE(child<QTabWidget>(form.get(), "subPageSet")->currentWidget()->objectName(), QStringLiteral("TabOthers"));
        QCOMPARE(child<QTabWidget>(form.get(), "subPageMemo")->currentWidget()->objectName(), QStringLiteral("TabOboe"));
        form->close();
    }

    // Its first frame is the finished one: the layouts the panels and
    // buttons asked for as they were shown are done before it, not in a
    // second frame of the whole window right after.
    void theWindowIsDrawnOnceWhenItFirstShows() {
        TempDir dir;
        ScriptedUi ui;
        TForm1 form(dir.path(), ui);
        PaintCount count(&form);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTest::qWait(200);
        QCOMPARE(count.paints, 1);
        form.close();
    }

    void theOtherPagesAreBuiltWhenOneIsFirstShown() {
        TempDir dir;
        ScriptedUi ui;
        {
            TForm1 form(dir.path(), ui);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            QTest::qWait(100);
            // Painted, idle, typed into and closed: never needed, never built.
            QVERIFY(!form.findChild<QWidget*>("TabStat"));
            QVERIFY(!form.findChild<QWidget*>("MemoOboe"));
            form.book().GridShishutu.setCell(0, 1, "昼食");
            form.close();
            QVERIFY(!form.findChild<QWidget*>("GridCredit"));
        }
        {
            TForm1 form(dir.path(), ui);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            child<QTabWidget>(&form, "pageTop")->setCurrentIndex(4);
            QVERIFY(form.findChild<QWidget*>("TabStat"));
            QVERIFY(form.findChild<QWidget*>("GridCredit"));
            QVERIFY(form.findChild<QWidget*>("MemoOboe"));
            form.close();
        }
        TForm1 form(dir.path(), ui);
        child<QTabWidget>(&form, "pageTop")->setCurrentIndex(2);
        QVERIFY(form.findChild<QWidget*>("GridSetGenkinOut"));
        QCOMPARE(child<QTabWidget>(&form, "subPageSet")->currentWidget()->objectName(), QStringLiteral("TabOthers"));
        form.close();
    }

    void secondStartFindsTheLinesTyped() {
        TempDir dir;
        {
            ScriptedUi ui;
            auto form = startWindow(dir, ui);
            auto* grid = child<SheetView>(form.get(), "GridShishutu");
            QVERIFY(grid->model()->setData(grid->model()->index(1, 0), QStringLiteral("昼食")));
            QVERIFY(grid->model()->setData(grid->model()->index(1, 1), QStringLiteral("800")));
            QTest::keyClicks(child<QPlainTextEdit>(form.get(), "Memo1"), QStringLiteral("lunch"));
            form->close();
        }
        QVERIFY(dir.exists("Mirab050.mrb"));
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        QVERIFY(ui.texts().empty());  // no welcome: the book was found
        QCOMPARE(form->book().GridShishutu.cell(0, 1), std::string("昼食"));
        QCOMPARE(form->book().GridShishutu.cell(1, 1), std::string("800"));
        QCOMPARE(child<QPlainTextEdit>(form.get(), "Memo1")->toPlainText(), QStringLiteral("lunch"));
        form->close();
        QVERIFY(dir.exists("Mirab050.bak"));
    }

    void pageChangeStoresTheDayFirst() {
        TempDir dir;
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        QTest::keyClicks(child<QPlainTextEdit>(form.get(), "Memo1"), QStringLiteral("kaimono"));
        child<QTabWidget>(form.get(), "pageTop")->setCurrentIndex(4);
        QVERIFY(child<QPlainTextEdit>(form.get(), "MemoLeft")->toPlainText().contains(QStringLiteral("kaimono")));
        QVERIFY(form->book().cards.cur().memo.find("kaimono") != std::string::npos);
        form->close();
    }

    void buttonsRunTheirCommandsAndThePanelsFollow() {
        TempDir dir;
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        ui.clear();
        QTest::mouseClick(child<QPushButton>(form.get(), "btnGoPrev"), Qt::LeftButton);
        QCOMPARE(ui.texts(), std::vector<std::string>{"これが先頭のカードです"});

        const Ymd yesterday = splitDate(form->book().today() - 1);
        ui.pushCalendar(CalendarResult{true, yesterday.year, yesterday.month, yesterday.day});
        QTest::mouseClick(child<QPushButton>(form.get(), "btnGoAnyDay"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(form.get(), "pnlPage")->text(), QStringLiteral("1 / 2"));
        QCOMPARE(child<QLabel>(form.get(), "pnlDay")->text().toStdString(), form->book().pnlDay);
        QVERIFY(child<QLabel>(form.get(), "pnlDay")->text() != child<QLabel>(form.get(), "pnlToday")->text());

        auto* grid = child<SheetView>(form.get(), "GridShishutu");
        QVERIFY(grid->model()->setData(grid->model()->index(1, 0), QStringLiteral("bread")));
        QVERIFY(grid->model()->setData(grid->model()->index(1, 1), QStringLiteral("300")));
        ui.clear();
        QTest::mouseClick(child<QPushButton>(form.get(), "btnCalc"), Qt::LeftButton);
        // The line has no category: the check says so, and the card is still calculated.
        QCOMPARE(ui.messages().size(), std::size_t{1});
        QCOMPARE(form->book().cards.cur().spendList.size(), std::size_t{1});
        form->close();
    }

    void editMenuActsOnTheFourTextControlsOnly() {
        TempDir dir;
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        QGuiApplication::clipboard()->setText(QStringLiteral("clip"));
        const char* items[] = {"mnuUndo", "mnuCut", "mnuCopy", "mnuPaste"};
        auto enabled = [&] {
            QList<bool> on;
            for (const char* item : items) on << action(form.get(), item)->isEnabled();
            return on;
        };
        // A sheet focused: nothing.
        form->Edit1Click();
        QCOMPARE(enabled(), (QList<bool>{false, false, false, false}));
        // The day's memo with a typed, selected text: all four.
        auto* memo = child<QPlainTextEdit>(form.get(), "Memo1");
        memo->setFocus();
        QTest::keyClicks(memo, QStringLiteral("abc"));
        memo->selectAll();
        form->Edit1Click();
        QCOMPARE(enabled(), (QList<bool>{true, true, true, true}));
        form->mnuCutClick();
        QCOMPARE(memo->toPlainText(), QString());
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("abc"));
        QTest::keyClicks(memo, QStringLiteral("note"));
        // A read-only pane with a selection: copy alone, though the clipboard holds text.
        child<QTabWidget>(form.get(), "pageTop")->setCurrentIndex(4);
        child<QTabWidget>(form.get(), "subPageMemo")->setCurrentIndex(1);
        auto* left = child<QPlainTextEdit>(form.get(), "MemoLeft");
        left->setFocus();
        left->selectAll();
        QVERIFY(left->textCursor().hasSelection());
        form->Edit1Click();
        QCOMPARE(enabled(), (QList<bool>{false, false, true, false}));
        form->close();
    }

    void outputMenuOffersTheExportOfThePageShown() {
        TempDir dir;
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        const char* items[] = {"mnuSaveTabSepHibi", "mnuSaveTabSepWeek", "mnuSaveTabSepMonth",
                               "mnuSaveTabSepYear", "mnuSaveTextOboe",   "mnuSaveTextMemo"};
        auto enabled = [&] {
            form->Output1Click();
            QStringList on;
            for (const char* item : items)
                if (action(form.get(), item)->isEnabled()) on << QString::fromLatin1(item);
            return on;
        };
        QCOMPARE(enabled(), QStringList{"mnuSaveTabSepHibi"});
        child<QTabWidget>(form.get(), "pageTop")->setCurrentIndex(1);
        QCOMPARE(enabled(), QStringList{"mnuSaveTabSepYear"});
        child<QTabWidget>(form.get(), "subPageStat")->setCurrentIndex(1);
        QCOMPARE(enabled(), QStringList{"mnuSaveTabSepMonth"});
        child<QTabWidget>(form.get(), "pageTop")->setCurrentIndex(4);
        QCOMPARE(enabled(), QStringList{"mnuSaveTextOboe"});
        child<QTabWidget>(form.get(), "subPageMemo")->setCurrentIndex(1);
        QCOMPARE(enabled(), QStringList{"mnuSaveTextMemo"});
        child<QTabWidget>(form.get(), "pageTop")->setCurrentIndex(3);
        QCOMPARE(enabled(), QStringList{});
        form->close();
    }

    void memoRefusesWhatTheFileCannotHold() {
        TempDir dir;
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        ui.clear();
        auto* memo = child<QPlainTextEdit>(form.get(), "Memo1");
        QTest::keyClicks(memo, QStringLiteral("ok"));
        memo->insertPlainText(QString::fromUtf8("\xED\x95\x9C"));  // a Hangul syllable: no CP932 form
        QCOMPARE(memo->toPlainText(), QStringLiteral("ok"));
        QCOMPARE(form->book().Memo1, std::string("ok"));
        QCOMPARE(ui.messages().size(), std::size_t{1});
        QCOMPARE(ui.messages()[0].kind, MsgKind::Warning);
        form->close();
    }

    void barsStopAtTheMinimumAndTheWidthStays() {
        TempDir dir;
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        StackedPanels* left = form->stackOf(QStringLiteral("pnlL0"));
        QVERIFY(left);
        QCOMPARE(left->panelHeight("pnlL0"), std::optional<int>(150));
        auto* bar = child<QSplitterHandle>(form.get(), "pnlDragL1");
        QVERIFY(bar);
        // The bar takes 2 pixels between its panels (its grab area may reach over them).
        QWidget* l0 = form->findChild<QWidget*>("pnlL0");
        QWidget* l1 = form->findChild<QWidget*>("pnlL1");
        QCOMPARE(l1->y() - (l0->y() + l0->height()), 2);
        QCOMPARE(bar->cursor().shape(), Qt::SplitVCursor);
        dragBar(bar, -500);
        QCOMPARE(left->panelHeight("pnlL0"), std::optional<int>(48));
        QCOMPARE(form->findChild<QWidget*>("pnlL0")->height(), 48);

        // The memo panel grows by a drag of its bar upwards, the summary gives way.
        StackedPanels* right = form->stackOf(QStringLiteral("pnlR2"));
        const int summaryBefore = *right->panelHeight("pnlR1");
        QCOMPARE(right->panelHeight("pnlR2"), std::optional<int>(69));
        dragBar(child<QSplitterHandle>(form.get(), "pnlDragR2"), -30);
        QCOMPARE(right->panelHeight("pnlR2"), std::optional<int>(69 + 30));
        QCOMPARE(*right->panelHeight("pnlR1"), summaryBefore - 30);

        // Only the fill panels follow the window's height; the width stays 700.
        const int r0 = form->findChild<QWidget*>("pnlR0")->height();
        form->resize(900, form->height() + 60);
        QTest::qWait(20);
        QCOMPARE(form->width(), 700);
        QCOMPARE(form->findChild<QWidget*>("pnlR0")->height(), r0);
        QCOMPARE(form->findChild<QWidget*>("pnlL0")->height(), 48);
        QCOMPARE(*right->panelHeight("pnlR1"), summaryBefore - 30 + 60);
        form->close();
    }

    void aWindowTooLowForThePanelsStopsAtTheirMinimum() {
        TempDir dir;
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        form->resize(700, 60);
        QTest::qWait(20);
        QVERIFY(form->height() > 60);
        for (const char* name : {"pnlL0", "pnlL1", "pnlL2", "pnlR0", "pnlR1"})
            QVERIFY2(form->findChild<QWidget*>(name)->height() >= 48, name);
        // Top and bottom panels get their heights back once there is room.
        form->resize(700, 700);
        QTest::qWait(20);
        QCOMPARE(form->findChild<QWidget*>("pnlL0")->height(), 150);
        QCOMPARE(form->findChild<QWidget*>("pnlL2")->height(), 77);
        form->close();
    }

    void closeWritesEveryWindowSetting() {
        TempDir dir;
        {
            ScriptedUi ui;
            auto form = startWindow(dir, ui);
            form->stackOf(QStringLiteral("pnlKoza1"))->setPanelHeight("pnlKoza1", 120);
            form->move(140, 160);
            form->close();
        }
        auto ini = IniFile::load(dir.file("Mirab050.ini"));
        QVERIFY(ini);
        QCOMPARE(ini->value("Form", "Left"), std::optional<std::string>("140"));
        QCOMPARE(ini->value("Form", "Top"), std::optional<std::string>("160"));
        QVERIFY(ini->value("Form", "Height"));
        for (const char* key : {"L0", "L2", "R0", "R2", "Koza0", "Koza1", "Koza2", "Koza3", "MonthSummary"})
            QVERIFY2(ini->value("Panel", key).has_value(), key);
        QVERIFY(ini->value("Calc", "Left"));
        QCOMPARE(ini->value("Panel", "L0"), std::optional<std::string>("150"));
        QCOMPARE(ini->value("Panel", "Koza1"), std::optional<std::string>("120"));

        // The next start opens where the last one closed.
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        QCOMPARE(form->pos(), QPoint(140, 160));
        QCOMPARE(form->stackOf(QStringLiteral("pnlKoza1"))->panelHeight("pnlKoza1"), std::optional<int>(120));
        form->close();

        // Closed before its hidden pages were built, a window keeps their heights.
        TForm1 unshown(dir.path(), ui);
        QVERIFY(!unshown.stackOf(QStringLiteral("pnlKoza1")));
        unshown.close();
        QCOMPARE(IniFile::load(dir.file("Mirab050.ini"))->value("Panel", "Koza1"), std::optional<std::string>("120"));
    }

    void aTerminationSignalClosesTheWindowAfterItsBoxes() {
        TempDir dir;
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        kakeibo::shell::GracefulQuit quit(*form, [&form] { form->saveEverything(); });
        QTest::keyClicks(child<QPlainTextEdit>(form.get(), "Memo1"), QStringLiteral("before the end"));
        QPointer<QWidget> help = kakeibo::shell::HelpWindow::showContents(QString::fromStdString(dir.path()), form.get());

        // The signal comes while a box waits for an answer: the box is
        // cancelled, and the window closes once its caller has gone on.
        {
            QDialog box(form.get());
            QTimer::singleShot(0, [] { std::raise(SIGTERM); });
            QCOMPARE(box.exec(), int(QDialog::Rejected));
        }
        QTRY_VERIFY(!form->isVisible());
        QVERIFY(form->book().cards.empty());
        QVERIFY(dir.exists("Mirab050.mrb"));
        QVERIFY(dir.exists("Mirab050.ini"));

        ScriptedUi again;
        auto next = startWindow(dir, again);
        QCOMPARE(child<QPlainTextEdit>(next.get(), "Memo1")->toPlainText(), QStringLiteral("before the end"));
        next->close();
        // The help window went with its main window: it cannot keep the
        // program running.
        form.reset();
        QVERIFY(help.isNull());
    }

    void savingForTheSessionKeepsTheWindowOpen() {
        TempDir dir;
        ScriptedUi ui;
        auto form = startWindow(dir, ui);
        QTest::keyClicks(child<QPlainTextEdit>(form.get(), "Memo1"), QStringLiteral("saved"));
        form->saveEverything();
        QVERIFY(dir.exists("Mirab050.mrb"));
        QVERIFY(form->isVisible());
        QCOMPARE(form->book().cards.size(), 1);
        form->close();
    }
};

KAKEIBO_REGISTER_TEST(TForm1Test);
#include "TForm1Test.moc"
