// The painter's choices, cell by cell, without pixels.

#include <QTest>

#include "TestRegistry.h"
#include "app/CellPainter.h"

using namespace kakeibo;
using namespace kakeibo::shell;

namespace {

Sheet spendingSheet() {
    Sheet sheet("GridShishutu", 3, 10);
    sheet.setColWidth(0, 150);
    sheet.setColWidth(1, kAmountColumnWidth);
    sheet.setColWidth(2, 100);
    sheet.setEditable(true);
    return sheet;
}

CellLook look(const Sheet& sheet, int col, int row, AmountDisplay display = {}, bool red = false) {
    return cellLook(sheet, col, row, false, false, display, red);
}

}  // namespace

class CellPainterTest : public QObject {
    Q_OBJECT
private slots:
    void zeroEmptyAndUnreadableAmountsDrawNothing() {
        Sheet sheet = spendingSheet();
        const char* blanks[] = {"0", "", "abc", "1,000", "0.0", "１５００"};
        for (const char* text : blanks) {
            sheet.setCell(1, 1, text);
            QVERIFY2(look(sheet, 1, 1).text.isEmpty(), text);
        }
        // The same texts outside an amount column are shown as they are.
        sheet.setCell(0, 1, "0");
        QCOMPARE(look(sheet, 0, 1).text, QStringLiteral("0"));
        QCOMPARE(look(sheet, 0, 1).align, CellAlign::Left);
    }

    void negativesAreRedOnlyWithTheOption() {
        Sheet sheet = spendingSheet();
        sheet.setCell(1, 1, "-500");
        CellLook plain = look(sheet, 1, 1);
        QCOMPARE(plain.text, QStringLiteral("-500"));
        QCOMPARE(plain.align, CellAlign::Amount);
        QCOMPARE(plain.ink, CellInk::Black);
        QCOMPARE(look(sheet, 1, 1, {}, true).ink, CellInk::Red);
        QCOMPARE(look(sheet, 1, 1, {false, true}, true).text, QStringLiteral("-500.00"));

        // Red belongs to amounts: a negative-looking item text stays black.
        sheet.setCell(0, 1, "-500");
        QCOMPARE(look(sheet, 0, 1, {}, true).ink, CellInk::Black);
        sheet.setCell(1, 2, "500");
        QCOMPARE(look(sheet, 1, 2, {}, true).ink, CellInk::Black);
    }

    void displayFormFollowsTheNumberOptions() {
        Sheet sheet = spendingSheet();
        sheet.setCell(1, 1, "1234567.5");
        QCOMPARE(look(sheet, 1, 1, {true, false}).text, QStringLiteral("1,234,568"));
        QCOMPARE(look(sheet, 1, 1, {true, true}).text, QStringLiteral("1,234,567.50"));
        QCOMPARE(look(sheet, 1, 1, {false, true}).text, QStringLiteral("1234567.50"));
    }

    void fixedCellsAreRaisedAndPlacedByRow() {
        Sheet sheet = spendingSheet();
        sheet.setFixedRows(2);  // a sum row under the captions
        sheet.setCell(1, 0, "金額");
        sheet.setCell(1, 1, "-3000");
        const CellLook caption = look(sheet, 1, 0, {}, true);
        QCOMPARE(caption.align, CellAlign::Centre);
        QCOMPARE(caption.text, QStringLiteral("金額"));
        QCOMPARE(caption.frame, CellFrame::Raised);
        QCOMPARE(caption.fill, CellFill::ButtonFace);
        const CellLook sum = look(sheet, 1, 1, {}, true);
        QCOMPARE(sum.align, CellAlign::Amount);
        QCOMPARE(sum.ink, CellInk::Red);
        QVERIFY(sum.fixed);
        // A fixed cell outside an amount column is centred in any row.
        QCOMPARE(look(sheet, 0, 1).align, CellAlign::Centre);
    }

    void readOnlyCellsUseButtonFaceAndHighlightNeedsFocusAndEditing() {
        Sheet sheet = spendingSheet();
        sheet.setCell(0, 1, "パン");
        QCOMPARE(look(sheet, 0, 1).fill, CellFill::White);
        QCOMPARE(look(sheet, 0, 1).frame, CellFrame::None);

        QCOMPARE(cellLook(sheet, 0, 1, true, true, {}, false).fill, CellFill::Highlight);
        QCOMPARE(cellLook(sheet, 0, 1, true, true, {}, false).ink, CellInk::HighlightText);
        QCOMPARE(cellLook(sheet, 0, 1, true, false, {}, false).fill, CellFill::White);

        sheet.setEditable(false);
        const CellLook readOnly = cellLook(sheet, 0, 1, true, true, {}, false);
        QCOMPARE(readOnly.fill, CellFill::ButtonFace);
        QCOMPARE(readOnly.frame, CellFrame::GreyLines);
        QCOMPARE(readOnly.ink, CellInk::Black);
    }

    void amountColumnsAreKnownByWidthAlone() {
        Sheet sheet = spendingSheet();
        sheet.setColWidth(1, 73);
        sheet.setCell(1, 1, "0");
        QCOMPARE(look(sheet, 1, 1).text, QStringLiteral("0"));
        QCOMPARE(look(sheet, 1, 1).align, CellAlign::Left);
        sheet.setColWidth(2, kAmountColumnWidth);
        sheet.setCell(2, 1, "2500");
        QCOMPARE(look(sheet, 2, 1).align, CellAlign::Amount);
    }

    void listAmountsLookLikeSheetAmounts() {
        const CellLook refund = listAmountLook(-1500, {true, false}, true, false);
        QCOMPARE(refund.text, QStringLiteral("-1,500"));
        QCOMPARE(refund.align, CellAlign::Amount);
        QCOMPARE(refund.ink, CellInk::Red);
        QCOMPARE(listAmountLook(-1500, {}, false, false).ink, CellInk::Black);
        QCOMPARE(listAmountLook(0, {true, true}, true, false).text, QString());
        QCOMPARE(listAmountLook(12.5, {false, true}, true, false).text, QStringLiteral("12.50"));
        const CellLook selected = listAmountLook(-1500, {}, true, true);
        QCOMPARE(selected.fill, CellFill::Highlight);
        QCOMPARE(selected.ink, CellInk::HighlightText);
        QCOMPARE(listTextLook(QStringLiteral("パン屋"), false).align, CellAlign::Left);
        QCOMPARE(listTextLook(QStringLiteral("パン屋"), true).fill, CellFill::Highlight);
    }
};

KAKEIBO_REGISTER_TEST(CellPainterTest);
#include "CellPainterTest.moc"
