// The calculator window: keypad keys and Enter through the window, the tax
// buttons with the rate of the settings, and the captions set at each show.

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "book/Book.h"
#include "dialogs/DentakuWindow.h"
#include "support/ScriptedUi.h"
#include "TestRegistry.h"

using namespace kakeibo;
using namespace kakeibo::shell;

class DentakuWindowTest : public QObject {
    Q_OBJECT

    // Keys go to the focused "=" button; the window sees them first.
    static void keypad(DentakuWindow& window, const char* keys) {
        QWidget* target = window.findChild<QPushButton*>("btEq");
        for (const char* key = keys; *key; ++key) {
            switch (*key) {
            case '*': QTest::keyClick(target, Qt::Key_Asterisk, Qt::KeypadModifier); break;
            case '+': QTest::keyClick(target, Qt::Key_Plus, Qt::KeypadModifier); break;
            case '-': QTest::keyClick(target, Qt::Key_Minus, Qt::KeypadModifier); break;
            case '/': QTest::keyClick(target, Qt::Key_Slash, Qt::KeypadModifier); break;
            case '.': QTest::keyClick(target, Qt::Key_Period, Qt::KeypadModifier); break;
            case '=': QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier); break;
            default:
                QTest::keyClick(target, static_cast<Qt::Key>(Qt::Key_0 + (*key - '0')), Qt::KeypadModifier);
            }
        }
    }
    static QString shown(DentakuWindow& window) { return window.findChild<QLabel*>("pnlKekka")->text(); }
    static void press(DentakuWindow& window, const char* button) {
        QTest::mouseClick(window.findChild<QPushButton*>(button), Qt::LeftButton);
    }

private slots:
    void calculatesFromTheKeypad() {
        ScriptedUi ui;
        Book book(ui);
        DentakuWindow window(book, 321, nullptr);
        QCOMPARE(window.x(), 321);
        window.show();
        keypad(window, "12+.5=");
        QCOMPARE(shown(window), QStringLiteral("12.5 "));
        keypad(window, "8/0=");
        QCOMPARE(shown(window), QStringLiteral("0 では割れません   "));
        keypad(window, "2+1=");
        QCOMPARE(shown(window), QStringLiteral("3 "));

        // The main keyboard's digits are not mapped; the buttons are.
        QTest::keyClick(window.findChild<QPushButton*>("btEq"), Qt::Key_7);
        QCOMPARE(shown(window), QStringLiteral("3 "));
        press(window, "bt7");
        press(window, "btMult");
        press(window, "bt6");
        QTest::keyClick(window.findChild<QPushButton*>("btEq"), Qt::Key_Return);
        QCOMPARE(shown(window), QStringLiteral("42 "));
        window.hide();
    }

    void appliesTheTaxRateOfTheSettings() {
        ScriptedUi ui;
        Book book(ui);
        book.GridSetSonota.setCell(1, 2, "花子");
        book.GridSetTax.setCell(1, 1, "5");
        DentakuWindow window(book, std::nullopt, nullptr);
        window.show();
        QCOMPARE(window.windowTitle(), QStringLiteral("花子　の電卓"));
        QCOMPARE(window.findChild<QLabel*>("pnlTaxRate")->text(), QStringLiteral("5"));
        QCOMPARE(window.findChild<QPushButton*>("btnAddTax")->text(), QStringLiteral("消費税を足す  x 1.05"));
        QCOMPARE(window.findChild<QPushButton*>("btnMainFromTax")->text(), QStringLiteral("本体価格　 x 100/ 105"));
        QCOMPARE(window.findChild<QPushButton*>("btnTaxOnly")->toolTip(), QStringLiteral("消費税の金額を求めます"));
        keypad(window, "1000");
        press(window, "btnAddTax");
        QCOMPARE(shown(window), QStringLiteral("1050 "));
        keypad(window, "2");  // a new entry after a tax result
        QCOMPARE(shown(window), QStringLiteral("2 "));
        press(window, "btCE");
        keypad(window, "980");
        press(window, "btnTaxFrmTotal");
        QCOMPARE(shown(window), QStringLiteral("46.6666666666667 "));

        // A new rate takes effect at the next show, which starts from 0.
        window.hide();
        book.GridSetTax.setCell(1, 1, "10");
        window.show();
        QCOMPARE(shown(window), QStringLiteral("0 "));
        QCOMPARE(window.findChild<QPushButton*>("btnAddTax")->text(), QStringLiteral("消費税を足す  x 1.1"));
        keypad(window, "100+200");
        press(window, "btnAddTax");
        keypad(window, "=");
        QCOMPARE(shown(window), QStringLiteral("320 "));
        keypad(window, "50");
        press(window, "btnTaxOnly");
        QCOMPARE(shown(window), QStringLiteral("5 "));
        window.hide();
    }
};

KAKEIBO_REGISTER_TEST(DentakuWindowTest);
#include "DentakuWindowTest.moc"
