// A sheet on screen: its geometry, the current cell in step with the sheet,
// and typing into a cell.

#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include "TestRegistry.h"
#include "app/CellPainter.h"
#include "app/SheetModel.h"
#include "app/SheetView.h"

using namespace kakeibo;
using namespace kakeibo::shell;

namespace {

void layOut(Sheet& sheet) {
    sheet.setColWidth(0, 150);
    sheet.setColWidth(1, kAmountColumnWidth);
    sheet.setColWidth(2, 100);
    sheet.setEditable(true);
    sheet.setCell(0, 0, "品名");
    sheet.setCell(1, 0, "金額");
    sheet.setCell(2, 0, "科目");
}

}  // namespace

class SheetViewTest : public QObject {
    Q_OBJECT
private slots:
    void showsTheSheetsOwnGeometry() {
        Sheet sheet("GridShishutu", 3, 10);
        layOut(sheet);
        SheetView view(sheet, [] { return SheetDisplayOptions{}; });
        QCOMPARE(view.objectName(), QStringLiteral("GridShishutu"));
        QVERIFY(view.horizontalHeader()->isHidden());
        QVERIFY(view.verticalHeader()->isHidden());
        QCOMPARE(view.rowHeight(3), 20);
        QCOMPARE(view.columnWidth(0), 150);
        QCOMPARE(view.columnWidth(1), 72);
        sheet.setColWidth(2, 120);
        QCOMPARE(view.columnWidth(2), 120);
        sheet.setRowCount(15);
        QCOMPARE(view.model()->rowCount(), 15);
        QCOMPARE(view.rowHeight(14), 20);
    }

    void keepsTheCurrentCellInStepWithTheSheet() {
        Sheet sheet("GridShishutu", 3, 10);
        layOut(sheet);
        SheetView view(sheet, [] { return SheetDisplayOptions{}; });
        view.resize(400, 300);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QSignalSpy selected(&view, &SheetView::cellSelected);

        view.selectCell(0, 1);
        QCOMPARE(view.currentIndex(), view.model()->index(1, 0));
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(sheet.currentRow(), 2);
        QTest::keyClick(&view, Qt::Key_Right);
        QCOMPARE(sheet.currentCol(), 1);
        QCOMPARE(selected.last().at(0).toInt(), 1);
        QCOMPARE(selected.last().at(1).toInt(), 2);

        // The cursor stays off the caption row.
        view.selectCell(0, 1);
        QTest::keyClick(&view, Qt::Key_Up);
        QCOMPARE(sheet.currentRow(), 1);
        // A click on a caption moves nothing.
        QSignalSpy pressed(&view, &SheetView::leftPressed);
        QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, view.cellRect(2, 0).center());
        QCOMPARE(sheet.currentRow(), 1);
        QCOMPARE(pressed.count(), 1);

        // A reset of the sheet (held notifications) keeps the sheet's cell.
        sheet.setCurrentCell(2, 4);
        {
            HoldNotifications hold({&sheet});
            sheet.setCell(0, 3, "x");
        }
        QCOMPARE(view.currentIndex(), view.model()->index(4, 2));

        QSignalSpy right(&view, &SheetView::rightClicked);
        QTest::mouseClick(view.viewport(), Qt::RightButton, {}, view.cellRect(1, 3).center());
        QCOMPARE(right.count(), 1);
        QCOMPARE(right.at(0).at(1).toInt(), 3);
    }

    void typedTextGoesIntoTheSheetAndUnstorableTextIsRefused() {
        Sheet sheet("GridShishutu", 3, 10);
        layOut(sheet);
        SheetView view(sheet, [] { return SheetDisplayOptions{}; });
        view.resize(400, 300);
        view.show();
        view.setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        view.selectCell(0, 1);
        QTest::keyClick(&view, Qt::Key_M);  // typing opens the editor
        auto* editor = view.viewport()->findChild<QLineEdit*>();
        QVERIFY(editor);
        editor->insert(QStringLiteral("牛乳"));  // as an input method commits it
        QCOMPARE(editor->text(), QStringLiteral("m牛乳"));

        QSignalSpy refused(&view, &SheetView::textRefused);
        editor->insert(QStringLiteral("🍣"));
        QCOMPARE(editor->text(), QStringLiteral("m牛乳"));
        QCOMPARE(refused.count(), 1);
        emit view.sheetDelegate()->commitData(editor);  // what Enter or leaving the cell does
        QCOMPARE(sheet.cell(0, 1), std::string("m牛乳"));

        // A key hook sees keys first and may take them.
        int seen = 0;
        view.setKeyHook([&](QKeyEvent* event) { return ++seen, event->key() == Qt::Key_Down; });
        view.selectCell(0, 1);
        QTest::keyClick(&view, Qt::Key_Down);
        QCOMPARE(sheet.currentRow(), 1);
        QCOMPARE(seen, 1);

        // A read-only sheet takes no typing.
        sheet.setEditable(false);
        view.setKeyHook(nullptr);
        view.selectCell(0, 2);
        QTest::keyClicks(&view, QStringLiteral("abc"));
        QCOMPARE(sheet.cell(0, 2), std::string());
    }
};

KAKEIBO_REGISTER_TEST(SheetViewTest);
#include "SheetViewTest.moc"
