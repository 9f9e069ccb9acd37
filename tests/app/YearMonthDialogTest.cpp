// The year/month input: whole numbers only, any year typed, and the values
// kept from one use to the next.

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "dialogs/YearMonthDialog.h"
#include "support/FixedToday.h"
#include "support/ScriptedUi.h"
#include "TestRegistry.h"

using namespace kakeibo;
using namespace kakeibo::shell;


class YearMonthDialogTest : public QObject {
    Q_OBJECT

    static void type(YearMonthDialog& dialog, const char* field, const QString& text) {
        QLineEdit* edit = dialog.findChild<QComboBox*>(field)->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    static void press(YearMonthDialog& dialog, const char* button) {
        QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
    }

private slots:
    void opensOnTodayWithTheListedYears() {
        ScriptedUi ui;
        YearMonthDialog dialog(ui, dayOf(2000, 12, 10), nullptr);
        auto* year = dialog.findChild<QComboBox*>("cmbYearInput");
        auto* month = dialog.findChild<QComboBox*>("cmbMonthInput");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("年・月の入力"));
        QCOMPARE(dialog.size(), QSize(166, 124));
        QCOMPARE(year->count(), 7);
        QCOMPARE(year->itemText(0), QStringLiteral("1999"));
        QCOMPARE(year->itemText(6), QStringLiteral("2005"));
        QCOMPARE(month->count(), 12);
        QCOMPARE(year->currentText(), QStringLiteral("2000"));
        QCOMPARE(month->currentText(), QStringLiteral("12"));
        QVERIFY(year->isEditable() && month->isEditable());

        dialog.setMonthShown(false);
        dialog.open();
        QVERIFY(!month->isVisible());
        QVERIFY(!dialog.findChild<QLabel*>("lblMonth")->isVisible());
        press(dialog, "btnOK");
        QVERIFY(dialog.yearMonthResult().ok);
        QCOMPARE(dialog.yearMonthResult().year, 2000);
        QCOMPARE(dialog.yearMonthResult().month, 12);  // the hidden month is read too
        dialog.setMonthShown(true);
        dialog.open();
        QVERIFY(month->isVisible());
        dialog.reject();
    }

    void refusesAYearThatIsNoWholeNumber() {
        ScriptedUi ui;
        YearMonthDialog dialog(ui, dayOf(2000, 12, 10), nullptr);
        dialog.open();
        type(dialog, "cmbYearInput", "abc");
        press(dialog, "btnOK");
        QVERIFY(!dialog.isVisible());
        QVERIFY(!dialog.yearMonthResult().ok);
        QCOMPARE(ui.texts(), (std::vector<std::string>{"日付が正しく処理されませんでした",
                                                       "動作が不安定になるので、いったん終了してください"}));
        QCOMPARE(dialog.storedYear(), 2000);

        ui.clear();
        dialog.open();
        type(dialog, "cmbYearInput", "2001");
        type(dialog, "cmbMonthInput", "1.5");
        press(dialog, "btnOK");
        QVERIFY(!dialog.yearMonthResult().ok);
        QCOMPARE(ui.texts().size(), std::size_t{2});
    }

    void acceptsAnyYearAndKeepsTheLastValues() {
        ScriptedUi ui;
        YearMonthDialog dialog(ui, dayOf(2000, 12, 10), nullptr);
        dialog.open();
        type(dialog, "cmbYearInput", "2010");  // beyond the list's last year
        type(dialog, "cmbMonthInput", "3");
        press(dialog, "btnOK");
        QVERIFY(dialog.yearMonthResult().ok);
        QCOMPARE(dialog.yearMonthResult().year, 2010);
        QCOMPARE(dialog.yearMonthResult().month, 3);
        QVERIFY(ui.texts().empty());

        // Cancel: the stored values stay; the fields keep what was typed.
        dialog.open();
        QCOMPARE(dialog.findChild<QComboBox*>("cmbYearInput")->currentText(), QStringLiteral("2010"));
        type(dialog, "cmbYearInput", "1999");
        press(dialog, "btnCancel");
        QVERIFY(!dialog.yearMonthResult().ok);
        QCOMPARE(dialog.storedYear(), 2010);
        QCOMPARE(dialog.storedMonth(), 3);
        dialog.open();
        QCOMPARE(dialog.findChild<QComboBox*>("cmbYearInput")->currentText(), QStringLiteral("1999"));
        dialog.reject();
    }
};

KAKEIBO_REGISTER_TEST(YearMonthDialogTest);

#include "YearMonthDialogTest.moc"
