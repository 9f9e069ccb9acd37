#include "sheets/Sheet.h"

#include <vector>

#include <gtest/gtest.h>

namespace kakeibo {
namespace {

// Records every change a sheet reports.
struct ChangeLog {
    std::vector<SheetChange> changes;
    void attach(Sheet& sheet) {
        sheet.setListener([this](const SheetChange& c) { changes.push_back(c); });
    }
};

TEST(Sheet, CellsBeyondALoweredRowCountShowAgainWhenItGrows) {
    Sheet sheet("GridShishutu", 3, 30);
    sheet.setCell(0, 25, "本");
    sheet.setCell(1, 25, "1500");
    sheet.setRowCount(10);
    EXPECT_EQ(sheet.rowCount(), 10);
    sheet.setRowCount(31);
    EXPECT_EQ(sheet.cell(0, 25), "本");
    EXPECT_EQ(sheet.cell(1, 25), "1500");
    EXPECT_EQ(sheet.cell(2, 25), "");
}

TEST(Sheet, ReadsOutsideTheStoredCellsAreEmpty) {
    Sheet sheet("GridMatome", 2, 20);
    EXPECT_EQ(sheet.cell(0, 0), "");
    EXPECT_EQ(sheet.cell(-1, 0), "");
    EXPECT_EQ(sheet.cell(0, -1), "");
    EXPECT_EQ(sheet.cell(5, 500), "");
    sheet.setCell(-1, 3, "x");  // ignored
    EXPECT_EQ(sheet.cell(-1, 3), "");
    sheet.setCell(1, 3, "x");
    sheet.clearAll();
    EXPECT_EQ(sheet.cell(1, 3), "");
    EXPECT_EQ(sheet.rowCount(), 20);
}

TEST(Sheet, ColumnWidthsGrowWithTheColumnCount) {
    Sheet sheet("GridYosan", 3, 30);
    sheet.setColWidth(1, 72);
    EXPECT_EQ(sheet.colWidth(1), 72);
    EXPECT_EQ(sheet.colWidth(7), 0);
    sheet.setColCount(5);
    EXPECT_GT(sheet.colWidth(4), 0);
    EXPECT_NE(sheet.colWidth(4), 72);  // a new column is never an amount column by accident
}

TEST(Sheet, TellsTheListenerOfEachRealChange) {
    Sheet sheet("GridKoza", 3, 20);
    ChangeLog log;
    log.attach(sheet);
    sheet.setCell(1, 2, "500");
    sheet.setCell(1, 2, "500");    // unchanged
    sheet.setCell(2, 15, "");      // nothing stored there
    sheet.setRowCount(20);         // unchanged
    sheet.setRowCount(16);
    sheet.setColWidth(0, 134);
    ASSERT_EQ(log.changes.size(), 3u);
    EXPECT_EQ(log.changes[0].kind, SheetChange::Kind::Cell);
    EXPECT_EQ(log.changes[0].col, 1);
    EXPECT_EQ(log.changes[0].row, 2);
    EXPECT_EQ(log.changes[1].kind, SheetChange::Kind::Size);
    EXPECT_EQ(log.changes[2].kind, SheetChange::Kind::Size);
}

TEST(Sheet, HeldNotificationsAreReleasedAsOneReset) {
    Sheet sheet("GridShishutu", 3, 30);
    ChangeLog log;
    log.attach(sheet);
    sheet.holdNotifications();
    sheet.holdNotifications();
    for (int row = 1; row < 30; ++row) sheet.setCell(1, row, "100");
    sheet.setRowCount(40);
    sheet.releaseNotifications();
    EXPECT_TRUE(log.changes.empty());  // still held once
    sheet.releaseNotifications();
    ASSERT_EQ(log.changes.size(), 1u);
    EXPECT_EQ(log.changes[0].kind, SheetChange::Kind::Reset);
    EXPECT_EQ(sheet.cell(1, 29), "100");

    // A hold without changes releases silently; an extra release is harmless.
    log.changes.clear();
    sheet.holdNotifications();
    sheet.releaseNotifications();
    sheet.releaseNotifications();
    EXPECT_TRUE(log.changes.empty());
    sheet.setCell(0, 1, "x");
    EXPECT_EQ(log.changes.size(), 1u);
}

TEST(Sheet, HoldNotificationsGuardsSeveralSheets) {
    Sheet a("GridShishutu", 3, 30);
    Sheet b("GridShuNyu", 3, 20);
    Sheet c("GridKoza", 3, 20);
    ChangeLog logA, logB, logC;
    logA.attach(a);
    logB.attach(b);
    logC.attach(c);
    {
        HoldNotifications hold({&a, &b, &c});
        a.setCell(0, 1, "x");
        b.setCell(0, 1, "y");
        EXPECT_TRUE(logA.changes.empty());
        EXPECT_TRUE(logB.changes.empty());
    }
    ASSERT_EQ(logA.changes.size(), 1u);
    ASSERT_EQ(logB.changes.size(), 1u);
    EXPECT_EQ(logA.changes[0].kind, SheetChange::Kind::Reset);
    EXPECT_TRUE(logC.changes.empty());
}

TEST(Sheet, CurrentCellAndSelectionFollowEachOther) {
    Sheet sheet("GridCredit", 9, 10);
    sheet.setCurrentCell(3, 4);
    EXPECT_EQ(sheet.selection().left, 3);
    EXPECT_EQ(sheet.selection().bottom, 4);
    sheet.setSelection(SheetRect{1, 2, 5, 6});
    EXPECT_EQ(sheet.currentCol(), 1);
    EXPECT_EQ(sheet.currentRow(), 2);
}

}  // namespace
}  // namespace kakeibo
