#include "book/PrintLayout.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "book/Book.h"
#include "model/Dates.h"
#include "support/ScriptedUi.h"

namespace kakeibo {
namespace {

// A page of fixed metrics: every character 10 units wide, every line 20 high.
class RecordingCanvas : public PrintCanvas {
public:
    struct Op {
        enum Kind { Text, Line, Rect } kind;
        int x1, y1, x2, y2;
        std::string text;
        std::string font;
        int size;
        bool bold;
        int pen;
    };

    bool canStart = true;
    bool landscape = false;
    bool begun = false;
    bool ended = false;
    std::optional<bool> landscapeAtBegin;
    std::vector<Op> ops;

    void setLandscape(bool on) override { landscape = on; }
    bool beginJob() override {
        if (!canStart) return false;
        begun = true;
        landscapeAtBegin = landscape;
        return true;
    }
    bool endJob() override {
        ended = true;
        return true;
    }
    int pageWidth() override { return landscape ? 3000 : 2000; }
    int pageHeight() override { return landscape ? 2000 : 3000; }
    void setFont(const std::string& family, int pointSize, bool bold) override {
        font_ = family;
        size_ = pointSize;
        bold_ = bold;
    }
    // 10 units a character from 9 points up, so positions are easy to
    // read; below 9 points in proportion, so a header set smaller fits.
    int textWidth(const std::string& text) override {
        return 10 * std::min(size_, 9) * codePoints(text) / 9;
    }
    int textHeight(const std::string&) override { return 20; }
    void drawText(int x, int y, const std::string& text) override { add(Op::Text, x, y, 0, 0, text); }
    void setPen(int width) override { pen_ = width; }
    void drawLine(int x1, int y1, int x2, int y2) override { add(Op::Line, x1, y1, x2, y2, ""); }
    void drawRect(int x1, int y1, int x2, int y2) override { add(Op::Rect, x1, y1, x2, y2, ""); }

    // The text drawn with this content, or nullptr.
    const Op* text(const std::string& content) const {
        for (const Op& op : ops) {
            if (op.kind == Op::Text && op.text == content) return &op;
        }
        return nullptr;
    }
    bool hasLine(int x1, int y1, int x2, int y2) const { return has(Op::Line, x1, y1, x2, y2); }
    bool hasRect(int x1, int y1, int x2, int y2) const { return has(Op::Rect, x1, y1, x2, y2); }
    // Non-empty texts whose left edge lies in [left, right) and top in [top, bottom).
    int textsIn(int left, int right, int top, int bottom) const {
        int n = 0;
        for (const Op& op : ops) {
            if (op.kind == Op::Text && !op.text.empty() && op.x1 >= left && op.x1 < right && op.y1 >= top &&
                op.y1 < bottom)
                ++n;
        }
        return n;
    }
    int count(Op::Kind kind) const {
        int n = 0;
        for (const Op& op : ops) n += op.kind == kind ? 1 : 0;
        return n;
    }

private:
    static int codePoints(const std::string& s) {
        int n = 0;
        for (unsigned char c : s) n += (c & 0xC0) != 0x80 ? 1 : 0;
        return n;
    }
    bool has(Op::Kind kind, int x1, int y1, int x2, int y2) const {
        for (const Op& op : ops) {
            if (op.kind == kind && op.x1 == x1 && op.y1 == y1 && op.x2 == x2 && op.y2 == y2) return true;
        }
        return false;
    }
    void add(Op::Kind kind, int x1, int y1, int x2, int y2, const std::string& text) {
        ops.push_back(Op{kind, x1, y1, x2, y2, text, font_, size_, bold_, pen_});
    }
    std::string font_;
    int size_ = 0;
    bool bold_ = false;
    int pen_ = 1;
};

#define EXPECT_TEXT_AT(canvas, content, x, y)                     \
    do {                                                          \
        const auto* op_ = (canvas).text(content);                 \
        ASSERT_NE(op_, nullptr) << "no text " << (content);       \
        EXPECT_EQ(op_->x1, (x)) << (content);                     \
        EXPECT_EQ(op_->y1, (y)) << (content);                     \
    } while (false)

struct PrintFixture {
    ScriptedUi ui;
    Book book{ui};
    RecordingCanvas canvas;

    PrintFixture() {
        book.clock().setToday(*makeDate(2000, 12, 25));
        book.GridSetSonota.setCell(1, 2, "花子");
    }

    // A weekly-style sheet of 10 columns and 4 rows.
    static void fillWeekSheet(Sheet& sheet, const std::string& item) {
        sheet.setRowCount(4);
        const char* headers[] = {"項目", "合計", "平均", "日", "月", "火", "水", "木", "金", "土"};
        for (int c = 0; c < 10; ++c) sheet.setCell(c, 0, headers[c]);
        sheet.setCell(0, 1, item);
        sheet.setCell(1, 1, "1500");
        sheet.setCell(2, 1, "0");
        sheet.setCell(3, 1, "1500");
        sheet.setCell(0, 3, "合計");
        sheet.setCell(1, 3, "1500");
    }
};

TEST(PrintLayoutTest, DialogTextsOfTheThreePrints) {
    PrintFixture f;
    f.book.pnlYearWeek = "2000";
    f.book.pnlWeekWeek = "52";
    f.book.pnlYearSum = "2000";
    f.book.pnlMonthSum = "12";
    f.book.pnlYearYear = "1999";
    f.book.chkBoxComma = true;

    const PrintJob week = makeWeekPrintJob(f.book);
    EXPECT_EQ(week.caption, "週間集計の印刷");
    EXPECT_EQ(week.lblKind, "Week");
    EXPECT_EQ(week.lblPrint + week.lblPrint2, "2000 年度 第 52 週");
    EXPECT_EQ(week.lblWeek, "52");
    EXPECT_TRUE(week.choiceShown);
    EXPECT_EQ(week.which, PrintWhich::Both);
    EXPECT_EQ(week.fontName, "ＭＳ 明朝");
    EXPECT_EQ(week.todayText, "2000/12/25");
    EXPECT_EQ(week.userName, "花子");
    EXPECT_TRUE(week.display.comma);

    const PrintJob month = makeMonthPrintJob(f.book);
    EXPECT_EQ(month.caption, "月間集計の印刷");
    EXPECT_EQ(month.lblKind, "Month");
    EXPECT_EQ(month.lblPrint, "2000 年  12 月度");
    EXPECT_TRUE(month.lblPrint2.empty());
    EXPECT_EQ(month.lblMonth, "12");
    EXPECT_FALSE(month.choiceShown);

    const PrintJob year = makeYearPrintJob(f.book);
    EXPECT_EQ(year.caption, "年間集計の印刷");
    EXPECT_EQ(year.lblKind, "Year");
    EXPECT_EQ(year.lblPrint, "1999 年度");
    EXPECT_TRUE(year.lblMonth.empty());
    EXPECT_EQ(year.which, PrintWhich::Spending);
}

TEST(PrintLayoutTest, WeekPrintHeadingAndRuledTables) {
    PrintFixture f;
    f.book.pnlYearWeek = "2000";
    f.book.pnlWeekWeek = "52";
    f.book.chkBoxComma = true;
    PrintFixture::fillWeekSheet(f.book.GridWeekShishutsu, "食費");
    PrintFixture::fillWeekSheet(f.book.GridWeekShuNyu, "給料");
    std::string wideHeader;
    for (int i = 0; i < 30; ++i) wideHeader += "日";
    f.book.GridWeekShishutsu.setCell(3, 0, wideHeader);
    ASSERT_TRUE(printJob(f.canvas, makeWeekPrintJob(f.book), f.book));
    RecordingCanvas& c = f.canvas;
    EXPECT_EQ(c.landscapeAtBegin, false);
    EXPECT_TRUE(c.ended);

    // Heading: date and user flush right (R = 1999), the title framed.
    EXPECT_TEXT_AT(c, "2000/12/25 印刷", 1999 - 130, 100 - 20 - 4);
    EXPECT_TEXT_AT(c, " 使用者：花子", 1999 - 70, 100);
    EXPECT_EQ(c.text(" 使用者：花子")->font, "ＭＳ ゴシック");
    EXPECT_EQ(c.text(" 使用者：花子")->size, 9);
    EXPECT_TEXT_AT(c, "2000 年度 第 52 週", 190, 105);
    EXPECT_EQ(c.text("2000 年度 第 52 週")->size, 16);
    EXPECT_TRUE(c.hasRect(170, 100, 170 + 140 + 50, 136));

    // Spending table from y = 140: title, lines from t = 170 over 4 rows of 20.
    EXPECT_TEXT_AT(c, "支出", 175, 145);
    EXPECT_TRUE(c.hasLine(170, 170, 170, 250));
    for (int i = 2; i <= 11; ++i) EXPECT_TRUE(c.hasLine(170 + 240 * i, 170, 170 + 240 * i, 250)) << i;
    EXPECT_FALSE(c.hasLine(170 + 240, 170, 170 + 240, 250));
    for (int j = 0; j <= 4; ++j) EXPECT_TRUE(c.hasLine(170, 170 + 20 * j, 170 + 240 * 11, 170 + 20 * j)) << j;
    for (const auto& op : c.ops) {
        if (op.kind == RecordingCanvas::Op::Line) {
            EXPECT_EQ(op.pen, 3);
        }
    }
    // Header centred; amounts right-aligned 10 before the column line, zero blank.
    EXPECT_TEXT_AT(c, "項目", 170 + (480 - 20) / 2, 180);
    EXPECT_EQ(c.text("項目")->size, 9);
    EXPECT_TEXT_AT(c, "平均", 170 + 720 + (240 - 20) / 2, 180);
    EXPECT_TEXT_AT(c, "食費", 174, 200);
    EXPECT_EQ(c.textsIn(170 + 720, 170 + 960, 200, 220), 0);  // the zero average
    int amounts = 0;
    for (const auto& op : c.ops) {
        if (op.text == "1,500" && op.y1 == 200) {
            EXPECT_TRUE(op.x1 == 890 - 10 - 50 || op.x1 == 1370 - 10 - 50) << op.x1;
            ++amounts;
        }
    }
    EXPECT_EQ(amounts, 2);

    // A header wider than its column is set smaller until it fits, and the
    // rows below it keep the table's size.
    const RecordingCanvas::Op* wide = c.text(wideHeader);
    ASSERT_NE(wide, nullptr);
    EXPECT_EQ(wide->size, 6);  // 200 units: the largest size within 240 - 2 * 4
    EXPECT_EQ(wide->x1, 170 + 240 * 4 + 20);
    EXPECT_EQ(c.text("食費")->size, 9);

    // The income table starts where the spending table ended: 170 + 5 * 20.
    EXPECT_TEXT_AT(c, "収入", 175, 275);
    EXPECT_TEXT_AT(c, "給料", 174, 270 + 30 + 30);
}

TEST(PrintLayoutTest, YearPrintIsLandscapeWithTheChosenTable) {
    PrintFixture f;
    f.book.pnlYearYear = "2000";
    Sheet& spending = f.book.GridYearShishutsu;
    spending.setRowCount(3);
    spending.setCell(0, 0, "項目");
    spending.setCell(0, 1, "食費");
    spending.setCell(14, 1, "12000");
    PrintJob job = makeYearPrintJob(f.book);
    ASSERT_TRUE(printJob(f.canvas, job, f.book));
    RecordingCanvas& c = f.canvas;
    EXPECT_EQ(c.landscapeAtBegin, true);
    EXPECT_TEXT_AT(c, "2000/12/25 印刷", 2999 - 130, 76);
    EXPECT_TEXT_AT(c, "2000 年度", 120, 105);
    EXPECT_TEXT_AT(c, "支出", 105, 145);
    EXPECT_EQ(c.text("収入"), nullptr);
    // The last of 15 columns ends at x + 240 * 16.
    EXPECT_TEXT_AT(c, "12000", 100 + 240 * 16 - 10 - 50, 200);

    f.canvas = RecordingCanvas();
    job.which = PrintWhich::Income;
    ASSERT_TRUE(printJob(f.canvas, job, f.book));
    EXPECT_EQ(f.canvas.text("支出"), nullptr);
    EXPECT_TEXT_AT(f.canvas, "収入", 105, 145);
}

TEST(PrintLayoutTest, MonthPrintTotalsBlockAndLists) {
    PrintFixture f;
    f.book.pnlYearSum = "2000";
    f.book.pnlMonthSum = "12";
    f.book.pnlMonthStart = "2000/11/26";
    f.book.pnlMonthLast = "2000/12/25";
    Sheet& sums = f.book.GridMonthSum;
    sums.setCell(1, 1, "50000");
    sums.setCell(2, 1, "50000");
    sums.setCell(3, 1, "0");
    sums.setCell(5, 1, "1234");
    sums.setCell(9, 1, "300");
    Sheet& spending = f.book.GridMonthShishutu;
    spending.setCell(0, 0, "項目");
    spending.setCell(0, 1, "食費");
    spending.setCell(1, 1, "3000");
    spending.setCell(0, 2, "日用品");
    spending.setCell(1, 2, "0");
    f.book.GridMonthShuNyu.setCell(0, 0, "項目");  // no data lines
    f.book.GridMonthMatome.setCell(0, 0, "項目");
    f.book.GridMonthMatome.setCell(0, 1, "現金残");
    f.book.GridMonthMatome.setCell(1, 1, "1234");

    PrintJob job = makeMonthPrintJob(f.book);
    job.fontName = "IPA明朝";
    ASSERT_TRUE(printJob(f.canvas, job, f.book));
    RecordingCanvas& c = f.canvas;
    EXPECT_EQ(c.landscapeAtBegin, false);

    // Frame, date and user above it, heading and period.
    EXPECT_TRUE(c.hasRect(110, 110, 1999, 2999));
    EXPECT_TEXT_AT(c, "2000/12/25 印刷", 1999 - 130, 110 - 20 - 4);
    EXPECT_TEXT_AT(c, " 使用者：花子", 110, 86);
    EXPECT_EQ(c.text(" 使用者：花子")->font, "ＭＳ ゴシック");
    EXPECT_TEXT_AT(c, "12月度", 122, 122);
    EXPECT_EQ(c.text("12月度")->font, "IPA明朝");
    EXPECT_EQ(c.text("12月度")->size, 18);
    EXPECT_TEXT_AT(c, "2000/11/26 から 2000/12/25 まで", 110 + 40 + 140, 135);

    // Totals from y0 = 144 with pitch 22; T = 629, p2 = 739, p3 = 1368.
    EXPECT_TEXT_AT(c, "収支", 210, 144);
    EXPECT_TEXT_AT(c, "0", 439 - 10, 144);  // a zero balance prints as a number
    EXPECT_TEXT_AT(c, "支出", 210, 166);
    EXPECT_TEXT_AT(c, "収入", 210, 188);
    EXPECT_TEXT_AT(c, "現金残", 759, 144);
    EXPECT_TEXT_AT(c, "1234", 1068 - 40, 144);
    EXPECT_TEXT_AT(c, "口座残", 759, 166);
    EXPECT_TEXT_AT(c, "家計合計", 759, 188);
    EXPECT_TEXT_AT(c, "貯金残", 1388, 144);
    EXPECT_TEXT_AT(c, "300", 1699 - 30, 144);
    int fifties = 0;
    for (const auto& op : c.ops) fifties += op.text == "50000" && op.x1 == 439 - 50 ? 1 : 0;
    EXPECT_EQ(fifties, 2);

    // Column rules from ys = 144 + 60 + 10.
    EXPECT_TRUE(c.hasLine(110, 214, 1999, 214));
    EXPECT_TRUE(c.hasLine(739, 214, 739, 2999));
    EXPECT_TRUE(c.hasLine(1368, 214, 1368, 2999));

    // Spending list: title, the rule across the page, two rows (zero blank).
    const auto* spendingTitle = c.text("支出");
    ASSERT_NE(spendingTitle, nullptr);
    int listTitles = 0;
    for (const auto& op : c.ops) {
        if (op.text == "支出" && op.x1 == 130 && op.y1 == 234) {
            EXPECT_TRUE(op.bold);
            EXPECT_EQ(op.size, 12);
            ++listTitles;
        }
    }
    EXPECT_EQ(listTitles, 1);
    EXPECT_TRUE(c.hasLine(110, 264, 1999, 264));
    EXPECT_TEXT_AT(c, "3000", 729 - 40, 268);
    EXPECT_TEXT_AT(c, "食費", 150, 268);
    EXPECT_EQ(c.text("食費")->size, 10);
    EXPECT_TRUE(c.hasLine(110, 290, 739, 290));
    EXPECT_TEXT_AT(c, "日用品", 150, 294);
    EXPECT_EQ(c.textsIn(500, 739, 294, 316), 0);
    EXPECT_TRUE(c.hasLine(110, 316, 739, 316));
    EXPECT_EQ(c.textsIn(110, 739, 317, 3000), 0);

    // Income list: only its title (last used row 0), no row lines.
    EXPECT_EQ(c.textsIn(739, 1368, 214, 3000), 1);
    for (const auto& op : c.ops) {
        if (op.kind == RecordingCanvas::Op::Line && op.x1 == 739 && op.x2 == 1368) ADD_FAILURE() << op.y1;
    }
    // Summary list: its row ends 10 units before the page's right edge.
    EXPECT_TEXT_AT(c, "まとめ", 1388, 234);
    for (const auto& op : c.ops) {
        if (op.text == "1234" && op.y1 == 268) {
            EXPECT_EQ(op.x1, 1999 - 10 - 40);
        }
    }
    EXPECT_TRUE(c.hasLine(1368, 290, 1999, 290));
}

TEST(PrintLayoutTest, JobThatCannotStartDrawsNothing) {
    PrintFixture f;
    f.canvas.canStart = false;
    EXPECT_FALSE(printJob(f.canvas, makeWeekPrintJob(f.book), f.book));
    EXPECT_FALSE(printJob(f.canvas, makeMonthPrintJob(f.book), f.book));
    EXPECT_FALSE(printJob(f.canvas, makeYearPrintJob(f.book), f.book));
    EXPECT_TRUE(f.canvas.ops.empty());
    EXPECT_FALSE(f.canvas.ended);
}

}  // namespace
}  // namespace kakeibo
