// "取り込み…" in the main window, driven as a person would: the statement
// chosen, the mapping set with keys in the dialog while the preview follows,
// a rule typed into the table, "取り込む", the counts told, and the import
// taken back from the File menu; bad rows that stop it until they are
// skipped; a mapping saved by name and offered for the next statement.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app/TForm1.h"
#include "app/exchange/ImportDialog.h"
#include "app/exchange/ImportMenu.h"
#include "book/DayDisplay.h"
#include "book/SettingsApply.h"
#include "book/Stores.h"
#include "exchange/ImportProfiles.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "TestRegistry.h"
#include "Typing.h"

using namespace kakeibo;
using kakeibo::shell::ImportDialog;
using kakeibo::testing::typeText;

namespace {

Date dec(int day) { return *makeDate(2026, 12, day); }

// A bank's statement: UTF-8, tab separated, money out and in in columns of
// their own, a header line.
const char* kBankStatement =
    "日付\t摘要\t支払\t預入\n"
    "2026/12/05\tＡＴＭ\t20000\t\n"
    "2026/12/06\tスーパー\t1280\t\n"
    "2026/12/07\t給与\t\t250000\n";

// The main window on a book with cash categories, an income category and
// the bank みらい銀行, a line already on 6 December.
struct ImportWindow {
    TempDir dir;
    ScriptedUi ui;
    TForm1 form{dir.path(), ui};

    ImportWindow() {
        form.show();
        (void)QTest::qWaitForWindowExposed(&form);
        form.runCommand([](Book& book) {
            book.GridSetGenkinOut.setCell(0, 1, "食費");
            book.GridSetGenkinOut.setCell(0, 2, "日用品");
            book.GridSetGenkinIn.setCell(0, 1, "お小遣い");
            book.EditBank[0] = "みらい銀行";
            settingAll(book);
            storeTheDay(book);
            dispTheDay(book, dec(6));
            book.GridShishutu.setCell(0, 1, "パン");
            book.GridShishutu.setCell(1, 1, "300");
            book.GridShishutu.setCell(2, 1, "食費");
        });
        ui.clear();  // the welcome of a first start
    }
    ~ImportWindow() { form.close(); }

    std::string statement(const char* name, const std::string& text) {
        dir.write(name, text);
        return dir.file(name);
    }
    // "取り込み…" with the file chosen, the dialog given to drive.
    void import(const std::string& path, const std::function<void(ImportDialog&)>& drive) {
        ui.pushOpenFileName(path);
        shell::mnuImportClick(form, [&drive](ImportDialog& dialog) {
            dialog.show();
            (void)QTest::qWaitForWindowExposed(&dialog);
            dialog.activateWindow();
            drive(dialog);
        });
    }
    const std::vector<TKiroku>& spending(int day) {
        form.runCommand(storeTheDay);
        return form.book().cards.read(*form.book().cards.find(dec(day))).spendList;
    }
    bool hasCard(int day) { return form.book().cards.find(dec(day)).has_value(); }
};

template <class W>
W* child(QWidget& dialog, const char* name) {
    W* widget = dialog.findChild<W*>(QString::fromLatin1(name));
    if (!widget) qFatal("no %s", name);
    return widget;
}

void press(QWidget* widget, Qt::Key key = Qt::Key_Space) {
    widget->setFocus();
    QTest::keyClick(widget, key);
}

// A number field replaced by typing, full-width digits as an input method gives them.
void retype(QSpinBox* field, const QString& text) {
    field->setFocus();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    typeText(field, text);
}

QString cell(QTableWidget* table, int row, int col) {
    const QTableWidgetItem* item = table->item(row, col);
    return item ? item->text() : QString();
}

QStringList previewRow(ImportDialog& dialog, int row) {
    auto* grid = child<QTableWidget>(dialog, "GridPreview");
    QStringList texts;
    for (int col = 0; col < grid->columnCount(); ++col) texts << cell(grid, row, col);
    return texts;
}

// Waits for the preview the last edit asked for.
void settle(ImportDialog& dialog) {
    QSignalSpy shown(&dialog, &ImportDialog::previewShown);
    (void)shown.wait(1000);
}

bool saysStopped(ImportDialog& dialog) {
    return child<QLabel>(dialog, "pnlImportCounts")->text().startsWith(QStringLiteral("不正な行があるので"));
}

}  // namespace

class ImportDialogTest : public QObject {
    Q_OBJECT
private slots:
    void aMappingSetWithKeysImportsAndTheMenuTakesItBack() {
        ImportWindow w;
        QSignalSpy changed(&w.form, &TForm1::bookChanged);
        w.import(w.statement("bank.tsv", kBankStatement), [&](ImportDialog& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("取り込み － bank.tsv"));
            // Read off the file: tabs, one header line, the first amount.
            QCOMPARE(child<QComboBox>(dialog, "cmbSeparator")->currentText(), QStringLiteral("タブ"));
            QCOMPARE(child<QSpinBox>(dialog, "EditSkipLines")->value(), 1);
            QCOMPARE(child<QSpinBox>(dialog, "EditAmountCol")->value(), 3);
            QCOMPARE(child<QComboBox>(dialog, "cmbEncoding")->currentText(), QStringLiteral("自動（UTF-8）"));
            QCOMPARE(child<QTableWidget>(dialog, "GridFileLines")->rowCount(), 4);

            press(child<QRadioButton>(dialog, "rdBtnAmountSplit"));
            retype(child<QSpinBox>(dialog, "EditOutCol"), QStringLiteral("３"));
            retype(child<QSpinBox>(dialog, "EditInCol"), QStringLiteral("4"));
            press(child<QComboBox>(dialog, "cmbDefaultOut"), Qt::Key_Down);
            press(child<QComboBox>(dialog, "cmbDefaultIn"), Qt::Key_Down);
            settle(dialog);
            QCOMPARE(previewRow(dialog, 1), (QStringList{"2026/12/6", "支出", "スーパー", "食費", "1280", ""}));
            QCOMPARE(previewRow(dialog, 2), (QStringList{"2026/12/7", "収入", "給与", "お小遣い", "250000",
                                                         "新しいカード"}));
            QCOMPARE(previewRow(dialog, 0)[3], QStringLiteral("食費"));  // no rule yet

            // A rule typed into the table: the text, then its category.
            auto* rules = child<QTableWidget>(dialog, "GridRules");
            rules->setFocus();
            rules->setCurrentCell(0, 0);
            typeText(rules, QStringLiteral("atm"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::keyClick(rules, Qt::Key_Right);
            QTest::keyClick(rules, Qt::Key_F2);
            auto* category = rules->findChild<QComboBox*>(QStringLiteral("cmbRuleCategory"));
            QVERIFY(category);
            category->lineEdit()->selectAll();
            typeText(category, QStringLiteral("みらい銀行 ＿ 引出"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QCOMPARE(rules->rowCount(), 2);  // a blank row for the next rule
            settle(dialog);
            QCOMPARE(previewRow(dialog, 0), (QStringList{"2026/12/5", "口座", "ＡＴＭ", "みらい銀行 ＿ 引出", "20000",
                                                         "新しいカード"}));
            QCOMPARE(child<QLabel>(dialog, "pnlImportCounts")->text(),
                     QStringLiteral("追加 3 行　重複 0 行　不正 0 行　新しいカード 2 枚"));

            press(child<QPushButton>(dialog, "btnImport"));
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(w.ui.texts().back(), std::string("取り込みました\r\n\r\n追加した行：3 行\r\n重複していた行：0 行\r\n"
                                                  "不正で飛ばした行：0 行\r\n新しく作ったカード：2 枚"));
        QCOMPARE(w.spending(6), (std::vector<TKiroku>{{"パン", "食費", 300}, {"スーパー", "食費", 1280}}));
        QVERIFY(w.hasCard(5) && w.hasCard(7));
        QVERIFY(changed.count() > 0);  // the search window and the recovery copy follow
        QCOMPARE(loadImportMemory(w.dir.path()).memory.rules, (std::vector<Rule>{{"atm", "みらい銀行 ＿ 引出"}}));

        auto* undo = w.form.findChild<QAction*>(QStringLiteral("mnuUndoImport"));
        emit w.form.findChild<QMenu*>(QStringLiteral("File1"))->aboutToShow();
        QVERIFY(undo->isEnabled());
        undo->trigger();
        QCOMPARE(w.spending(6), (std::vector<TKiroku>{{"パン", "食費", 300}}));
        QVERIFY(!w.hasCard(5) && !w.hasCard(7));
        QVERIFY(w.ui.texts().back().rfind("取り込みを元に戻しました", 0) == 0);
        emit w.form.findChild<QMenu*>(QStringLiteral("File1"))->aboutToShow();
        QVERIFY(!undo->isEnabled());
    }

    void badRowsStopTheImportUntilTheyAreSkipped() {
        ImportWindow w;
        const std::string path = w.statement("card.csv", "2026/12/05,書店,-1500\n2026/12/32,文具,-300\n");
        w.import(path, [&](ImportDialog& dialog) {
            press(child<QComboBox>(dialog, "cmbDefaultOut"), Qt::Key_Down);
            settle(dialog);
            QVERIFY(saysStopped(dialog));
            QCOMPARE(previewRow(dialog, 1)[0], QStringLiteral("日付が読めません（2026/12/32）"));
            press(child<QPushButton>(dialog, "btnImport"));
            QVERIFY(dialog.isVisible());
            QVERIFY(w.ui.texts().back().rfind("取り込めない行があるので、何も取り込みませんでした", 0) == 0);
            QVERIFY(!w.hasCard(5));

            press(child<QCheckBox>(dialog, "chkBoxSkipBad"));
            QVERIFY(!saysStopped(dialog));
            press(child<QPushButton>(dialog, "btnImport"));
            QVERIFY(!dialog.isVisible());
        });
        QCOMPARE(w.spending(5), (std::vector<TKiroku>{{"書店", "食費", 1500}}));
    }

    void aMappingSavedByNameIsOfferedForTheNextStatement() {
        ImportWindow w;
        w.import(w.statement("first.tsv", kBankStatement), [&](ImportDialog& dialog) {
            auto* profile = child<QComboBox>(dialog, "cmbProfile");
            QVERIFY(!child<QPushButton>(dialog, "btnSaveProfile")->isEnabled());
            typeText(profile, QStringLiteral("みらい銀行"));
            press(child<QRadioButton>(dialog, "rdBtnAmountSplit"));
            retype(child<QSpinBox>(dialog, "EditInCol"), QStringLiteral("4"));
            press(child<QPushButton>(dialog, "btnSaveProfile"));
            QVERIFY(child<QPushButton>(dialog, "btnDeleteProfile")->isEnabled());
            QTest::keyClick(&dialog, Qt::Key_Escape);
            QVERIFY(!dialog.isVisible());
        });
        QVERIFY(!w.dir.exists("Mirab050.import"));  // cancelled: nothing imported
        QVERIFY(!w.hasCard(5));

        // Saved, not yet used for an import: the next dialog starts from a
        // guess and offers the profile in its list.
        w.import(w.statement("second.tsv", kBankStatement), [&](ImportDialog& dialog) {
            auto* profile = child<QComboBox>(dialog, "cmbProfile");
            QCOMPARE(profile->count(), 1);
            QVERIFY(!child<QRadioButton>(dialog, "rdBtnAmountSplit")->isChecked());
            typeText(profile, QStringLiteral("みらい銀行"));
            QTest::keyClick(profile, Qt::Key_Return);
            QVERIFY(child<QRadioButton>(dialog, "rdBtnAmountSplit")->isChecked());
            QCOMPARE(child<QSpinBox>(dialog, "EditInCol")->value(), 4);

            w.ui.pushMessageAnswer(MsgResult::Ok);
            press(child<QPushButton>(dialog, "btnDeleteProfile"));
            QCOMPARE(profile->count(), 0);
            dialog.reject();
        });
        QVERIFY(loadImportMemory(w.dir.path()).memory.profiles.empty());
    }

    void theFileMenuOpensTheDialogAfterItsOriginalItems() {
        ImportWindow w;
        QList<QAction*> items = w.form.findChild<QMenu*>(QStringLiteral("File1"))->actions();
        QCOMPARE(items.takeLast()->text(), QStringLiteral("取り込みを元に戻す"));
        QCOMPARE(items.takeLast()->text(), QStringLiteral("取り込み…"));
        QVERIFY(items.takeLast()->isSeparator());
        QCOMPARE(items.takeLast()->objectName(), QStringLiteral("mnuRestoreBackup"));

        // Chosen from the menu, the dialog is modal over the window.
        w.ui.pushOpenFileName(w.statement("bank.tsv", kBankStatement));
        bool shown = false;
        QTimer::singleShot(0, [&] {
            QTRY_VERIFY(QApplication::activeModalWidget());
            shown = QApplication::activeModalWidget()->objectName() == QStringLiteral("TFormImport");
            QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape);
        });
        w.form.findChild<QAction*>(QStringLiteral("mnuImport"))->trigger();
        QVERIFY(shown);
        QCOMPARE(w.ui.openRequests().back().title, std::string("取り込むファイルを開く"));
        // The file dialog cancelled: no dialog at all.
        w.form.findChild<QAction*>(QStringLiteral("mnuImport"))->trigger();
        QVERIFY(!w.hasCard(5));
    }
};

KAKEIBO_REGISTER_TEST(ImportDialogTest);
#include "ImportDialogTest.moc"
