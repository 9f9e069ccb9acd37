// The tool windows hooked into the main window: the calculator opens from
// the day page's "電卓" button and gives its left edge to the window
// settings; the year/month input answers the monthly page's "指定月".

#include <QPushButton>
#include <QTest>

#include "app/TForm1.h"
#include "app/ToolWindows.h"
#include "dialogs/DentakuWindow.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"
#include "TestRegistry.h"

using namespace kakeibo;

class ToolWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void theCalculatorButtonOpensTheCalculator() {
        TempDir dir;
        ScriptedUi ui;
        shell::TForm1 form(dir.path(), ui);
        shell::ToolWindows tools(form);
        form.show();
        auto* button = form.findChild<QPushButton*>(QStringLiteral("btnDentaku"));
        QVERIFY(button);
        button->click();
        auto* calculator = form.findChild<shell::DentakuWindow*>(QStringLiteral("TFormDentaku"));
        QVERIFY(calculator);
        QVERIFY(calculator->isVisible());
        calculator->move(333, calculator->y());
        QCOMPARE(form.currentSizes().calcLeft, calculator->leftForSettings());
    }
};

KAKEIBO_REGISTER_TEST(ToolWindowsTest);
#include "ToolWindowsTest.moc"
