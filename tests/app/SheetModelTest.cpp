// The table model over a core sheet: Qt's model checks while the sheet
// changes under it, and the refusal of texts the files cannot hold.

#include <QAbstractItemModelTester>
#include <QSignalSpy>
#include <QTest>

#include "TestRegistry.h"
#include "app/SheetModel.h"
#include "sheets/Sheet.h"

using kakeibo::Sheet;
using kakeibo::TextCheck;
using kakeibo::shell::SheetModel;

class SheetModelTest : public QObject {
    Q_OBJECT
private slots:
    void followsEveryKindOfSheetChange() {
        Sheet sheet("GridShishutu", 3, 5);
        sheet.setEditable(true);
        SheetModel model(sheet);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);

        sheet.setCell(1, 2, "1500");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(model.index(2, 1).data().toString(), QStringLiteral("1500"));
        QCOMPARE(model.index(2, 1).data(Qt::EditRole).toString(), QStringLiteral("1500"));

        // Cells written beyond the count show when the count grows again.
        sheet.setCell(0, 7, "kept");
        QCOMPARE(changed.count(), 1);
        sheet.setRowCount(9);
        QCOMPARE(model.rowCount(), 9);
        QCOMPARE(model.index(7, 0).data().toString(), QStringLiteral("kept"));
        sheet.setRowCount(2);
        QCOMPARE(model.rowCount(), 2);

        sheet.setColCount(5);
        QCOMPARE(model.columnCount(), 5);

        QSignalSpy resets(&model, &QAbstractItemModel::modelReset);
        {
            kakeibo::HoldNotifications hold({&sheet});
            sheet.setRowCount(30);
            sheet.setCell(0, 20, "held");
            QCOMPARE(model.rowCount(), 2);  // nothing is told while held
        }
        QCOMPARE(resets.count(), 1);
        QCOMPARE(model.rowCount(), 30);
        QCOMPARE(model.index(20, 0).data().toString(), QStringLiteral("held"));

        sheet.clearAll();
        QCOMPARE(model.index(20, 0).data().toString(), QString());
    }

    void writesTypedTextAndRefusesWhatTheFilesCannotHold() {
        Sheet sheet("GridShishutu", 3, 5);
        sheet.setEditable(true);
        SheetModel model(sheet);
        QSignalSpy refused(&model, &SheetModel::textRefused);

        QVERIFY(model.setData(model.index(1, 0), QStringLiteral("牛乳①")));
        QCOMPARE(sheet.cell(0, 1), std::string("牛乳①"));

        sheet.setCell(0, 2, "before");
        QVERIFY(!model.setData(model.index(2, 0), QStringLiteral("寿司🍣")));
        QCOMPARE(sheet.cell(0, 2), std::string("before"));
        QCOMPARE(refused.count(), 1);
        QCOMPARE(refused.at(0).at(2).value<TextCheck>(), TextCheck::NotEncodable);

        // 127 two-byte characters fit in 255 bytes, 128 do not.
        QVERIFY(model.setData(model.index(3, 0), QString(127, QChar(u'円'))));
        QVERIFY(!model.setData(model.index(4, 0), QString(128, QChar(u'円'))));
        QCOMPARE(refused.at(1).at(2).value<TextCheck>(), TextCheck::TooLong);
        QCOMPARE(sheet.cell(0, 4), std::string());
    }

    void onlyDataCellsOfEditableSheetsAreEditable() {
        Sheet sheet("GridSetSonota", 2, 3);
        sheet.setFixedCols(1);
        sheet.setEditable(true);
        SheetModel model(sheet);
        QVERIFY(!(model.flags(model.index(0, 1)) & Qt::ItemIsEditable));  // header row
        QVERIFY(!(model.flags(model.index(1, 0)) & Qt::ItemIsSelectable));  // label column
        QVERIFY(model.flags(model.index(1, 1)) & Qt::ItemIsEditable);
        QVERIFY(!model.setData(model.index(0, 1), QStringLiteral("x")));

        sheet.setEditable(false);
        QVERIFY(!(model.flags(model.index(1, 1)) & Qt::ItemIsEditable));
        QVERIFY(model.flags(model.index(1, 1)) & Qt::ItemIsSelectable);
        QVERIFY(!model.setData(model.index(1, 1), QStringLiteral("x")));
    }
};

KAKEIBO_REGISTER_TEST(SheetModelTest);
#include "SheetModelTest.moc"
