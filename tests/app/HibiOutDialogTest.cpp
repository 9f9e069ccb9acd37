// The daily-records dialog: its fields, the period option and the save of a
// range through the book.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "book/Book.h"
#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "dialogs/HibiOutDialog.h"
#include "storage/Cp932.h"
#include "support/CardEdit.h"
#include "support/FixedToday.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "TestRegistry.h"

using namespace kakeibo;
using namespace kakeibo::shell;


class HibiOutDialogTest : public QObject {
    Q_OBJECT

    // A laid-out book shown on 10 December 2000 with one more card before it.
    struct LaidOutBook {
        ScriptedUi ui;
        Book book{ui};
        LaidOutBook() {
            book.clock().setToday(dayOf(2000, 12, 10));
            setupAllGrids(book);
            settingAll(book);
            book.cards.init(book.today());
            book.cards.insert(dayOf(2000, 12, 3));
            editCard(book.cards, *book.cards.find(dayOf(2000, 12, 3))).spendList = {TKiroku{"本", "書籍", 1500}};
            book.cards.setCurIndex(*book.cards.find(dayOf(2000, 12, 10)));
            // Typed on the day sheets and not yet stored: the export holds it.
            book.GridShishutu.setCell(0, 1, "昼食");
            book.GridShishutu.setCell(1, 1, "800");
            book.GridShishutu.setCell(2, 1, "食費");
            ui.clear();
        }
    };

    static void type(HibiOutDialog& dialog, const QString& field, const QString& text) {
        QLineEdit* edit = dialog.findChild<QComboBox*>(field)->lineEdit();
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, text);
    }
    static void choose(HibiOutDialog& dialog, const char* option) {
        auto* button = dialog.findChild<QRadioButton*>(option);
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }

private slots:
    void opensOnTheShownCardWithThePeriodChosen() {
        LaidOutBook setup;
        HibiOutDialog dialog(setup.book, nullptr);
        dialog.open();
        QCOMPARE(dialog.windowTitle(), QStringLiteral("日々の記録を保存"));
        QCOMPARE(dialog.fields(), (HibiFields{"2000", "12", "10", "2000", "12", "10"}));
        QVERIFY(dialog.findChild<QRadioButton*>("rdBtnHibiOutDur")->isChecked());
        QVERIFY(dialog.dateFieldsShown());
        QCOMPARE(dialog.findChild<QComboBox*>("cmbYearInput1")->count(), 7);
        QCOMPARE(dialog.findChild<QComboBox*>("cmbDayInput0")->count(), 31);
        QCOMPARE(dialog.findChild<QComboBox*>("cmbMonthInput1")->itemText(11), QStringLiteral("12"));

        choose(dialog, "rdBtnHibiOutCurr");
        QVERIFY(!dialog.dateFieldsShown());
        QVERIFY(!dialog.findChild<QComboBox*>("cmbDayInput1")->isVisible());
        choose(dialog, "rdBtnHibiOutDur");
        QVERIFY(dialog.findChild<QComboBox*>("cmbDayInput1")->isVisible());

        QTest::mouseClick(dialog.findChild<QPushButton*>("btnCancel"), Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
        QVERIFY(setup.ui.calls().empty());
    }

    void savesTheRecordsOfAPeriod() {
        LaidOutBook setup;
        TempDir dir;
        HibiOutDialog dialog(setup.book, nullptr);
        dialog.open();
        type(dialog, "cmbDayInput0", "1");
        type(dialog, "cmbYearInput1", "2001");
        type(dialog, "cmbMonthInput1", "1");
        type(dialog, "cmbDayInput1", "31");
        setup.ui.pushSaveFileName(dir.file("hibi.txt"));
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnSave"), Qt::LeftButton);

        QVERIFY(!dialog.isVisible());
        QVERIFY(setup.ui.allAnswersUsed());
        QCOMPARE(setup.ui.saveRequests().at(0).title, std::string("日々の記録を保存"));
        QCOMPARE(setup.ui.saveRequests().at(0).initialFile, std::string("HibiKiro.txt"));
        const auto expected = utf8ToCp932("2000/12/3\r\n支出\r\n本,書籍,1500\r\n\r\n収入\r\n口座管理\r\n\r\n\r\n"
                                          "2000/12/10\r\n支出\r\n昼食,食費,800\r\n\r\n収入\r\n口座管理\r\n\r\n\r\n"
                                          "\r\n\r\n");
        QVERIFY(expected.has_value());
        QVERIFY(dir.read("hibi.txt") == expected);
    }

    void keepsTheDialogOpenOnAFieldThatIsNoNumber() {
        LaidOutBook setup;
        HibiOutDialog dialog(setup.book, nullptr);
        dialog.open();
        type(dialog, "cmbDayInput1", "x");
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnSave"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(setup.ui.texts(), std::vector<std::string>{"日付が正しく処理されませんでした"});
        QVERIFY(setup.ui.saveRequests().empty());
        QCOMPARE(dialog.fields()[EndDay], std::string("x"));  // as typed

        // The hidden fields still count when the shown record is chosen.
        choose(dialog, "rdBtnHibiOutCurr");
        QTest::mouseClick(dialog.findChild<QPushButton*>("btnSave"), Qt::LeftButton);
        QVERIFY(dialog.isVisible());
        QCOMPARE(setup.ui.texts().size(), std::size_t{2});
        dialog.reject();
    }
};

KAKEIBO_REGISTER_TEST(HibiOutDialogTest);

#include "HibiOutDialogTest.moc"
