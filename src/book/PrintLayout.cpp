#include "book/PrintLayout.h"

#include <initializer_list>

#include "book/Book.h"
#include "model/Dates.h"
#include "sheets/Sheet.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

const std::string kInfoFont{kPrintInfoFont};

// Ruled tables: the title column is two amount columns wide.
constexpr int kTableColumn = 240;
constexpr int kTableTitleColumn = 2 * kTableColumn;
constexpr int kTableTextPoints = 9;
// Headers keep this much room to each column rule and shrink no further.
constexpr int kHeaderMargin = 4;
constexpr int kSmallestPoints = 5;

// Weekly and yearly prints: where the heading starts.
constexpr int kWeekLeft = 170;
constexpr int kYearLeft = 100;
constexpr int kHeadingTop = 100;

// Monthly print: the frame's margin and the small spacing unit.
constexpr int kMonthMargin = 110;
constexpr int kMonthUnit = 2;

std::string printedDateLine(const PrintJob& job) { return job.todayText + " 印刷"; }
std::string userLine(const PrintJob& job) { return " 使用者：" + job.userName; }

std::string amountCell(const Sheet& sheet, int col, int row, AmountDisplay display) {
    return formatAmountOrBlank(textToAmount(sheet.cell(col, row)), display);
}

// The largest regular size up to maxPoints (but not under the smallest
// legible one) in which text fits into width.
void setFontToFit(PrintCanvas& canvas, const std::string& family, int maxPoints, const std::string& text,
                  int width) {
    int points = maxPoints;
    canvas.setFont(family, points, false);
    while (points > kSmallestPoints && canvas.textWidth(text) > width) canvas.setFont(family, --points, false);
}

// Draws text so that it ends at right.
void drawRightAligned(PrintCanvas& canvas, int right, int y, const std::string& text) {
    canvas.drawText(right - canvas.textWidth(text), y, text);
}

// The spending table, the income table, or both one below the other.
void printChosenTables(PrintCanvas& canvas, const PrintJob& job, int x, int y, const Sheet& spending,
                       const Sheet& income) {
    if (job.which != PrintWhich::Income) y = printTable(canvas, job, x, y, "支出", spending);
    if (job.which != PrintWhich::Spending) printTable(canvas, job, x, y, "収入", income);
}

// One line of the monthly totals block: label and the amount of a
// GridMonthSum column of row 1, printed even when zero.
struct TotalsLine {
    const char* label;
    int col;
};

void printTotalsColumn(PrintCanvas& canvas, const PrintJob& job, const Sheet& sums, int labelX,
                       int valueRight, int y, int pitch, std::initializer_list<TotalsLine> lines) {
    for (const TotalsLine& line : lines) {
        canvas.drawText(labelX, y, line.label);
        const double amount = textToAmount(sums.cell(line.col, 1));
        drawRightAligned(canvas, valueRight, y, formatAmount(amount, job.display));
        y += pitch;
    }
}

// One list of the lower monthly page, between the column lines start and end.
void printMonthList(PrintCanvas& canvas, const PrintJob& job, const std::string& title, const Sheet& sheet,
                    int start, int end, int top, bool ruleAcrossPage, int pageLeft, int pageRight) {
    constexpr int g = kMonthUnit;
    canvas.setFont(job.fontName, 12, true);
    canvas.drawText(start + 20, top + 20, title);
    int y = top + 20 + canvas.textHeight(title) + 5 * g;
    if (ruleAcrossPage) canvas.drawLine(pageLeft, y, pageRight, y);

    canvas.setFont(job.fontName, 10, false);
    const int last = lastUsedRow(sheet);
    for (int row = 1; row <= last; ++row) {
        y += 2 * g;
        drawRightAligned(canvas, end - 5 * g, y, amountCell(sheet, 1, row, job.display));
        const std::string& rowTitle = sheet.cell(0, row);
        canvas.drawText(start + 40, y, rowTitle);
        y += canvas.textHeight(rowTitle) + g;
        canvas.drawLine(start, y, end, y);
    }
}

PrintJob baseJob(const Book& book) {
    PrintJob job;
    job.todayText = dateToText(0, book.today());
    job.userName = book.userName();
    job.display = book.amountDisplay();
    return job;
}

}  // namespace

PrintJob makeWeekPrintJob(const Book& book) {
    PrintJob job = baseJob(book);
    job.kind = PrintKind::Week;
    job.caption = "週間集計の印刷";
    job.lblKind = "Week";
    job.lblPrint = book.pnlYearWeek + " 年度";
    job.lblPrint2 = " 第 " + book.pnlWeekWeek + " 週";
    job.lblYear = book.pnlYearWeek;
    job.lblWeek = book.pnlWeekWeek;
    job.choiceShown = true;
    job.which = PrintWhich::Both;
    return job;
}

PrintJob makeMonthPrintJob(const Book& book) {
    PrintJob job = baseJob(book);
    job.kind = PrintKind::Month;
    job.caption = "月間集計の印刷";
    job.lblKind = "Month";
    job.lblPrint = book.pnlYearSum + " 年  " + book.pnlMonthSum + " 月度";
    job.lblYear = book.pnlYearSum;
    job.lblMonth = book.pnlMonthSum;
    job.choiceShown = false;
    job.monthStartText = book.pnlMonthStart;
    job.monthLastText = book.pnlMonthLast;
    return job;
}

PrintJob makeYearPrintJob(const Book& book) {
    PrintJob job = baseJob(book);
    job.kind = PrintKind::Year;
    job.caption = "年間集計の印刷";
    job.lblKind = "Year";
    job.lblPrint = book.pnlYearYear + " 年度";
    job.lblYear = book.pnlYearYear;
    job.choiceShown = true;
    job.which = PrintWhich::Spending;
    return job;
}

int printLegend(PrintCanvas& canvas, const PrintJob& job, int x, int y, const std::string& title) {
    const int right = canvas.pageWidth() - 1;
    canvas.setFont(kInfoFont, 9, false);
    const std::string dateLine = printedDateLine(job);
    drawRightAligned(canvas, right, y - canvas.textHeight(dateLine) - 4, dateLine);
    drawRightAligned(canvas, right, y, userLine(job));

    canvas.setFont(job.fontName, 16, true);
    canvas.setPen(3);
    const int titleWidth = canvas.textWidth(title);
    const int titleHeight = canvas.textHeight(title);
    canvas.drawRect(x, y, x + titleWidth + 50, y + titleHeight + 16);
    canvas.drawText(x + 20, y + 5, title);
    return y + titleHeight + 20;
}

int printTable(PrintCanvas& canvas, const PrintJob& job, int x, int y, const std::string& title,
               const Sheet& sheet) {
    const int cols = sheet.colCount();
    const int rows = sheet.rowCount();

    canvas.setFont(job.fontName, 12, true);
    canvas.drawText(x + 5, y + 5, title);
    const int h = canvas.textHeight(title);
    const int top = y + h + 10;
    const int bottom = top + rows * h;

    // Column c (c >= 1) runs from x + 240 (c + 1) to x + 240 (c + 2).
    const auto columnLeft = [x](int c) { return c == 0 ? x : x + kTableColumn * (c + 1); };
    const auto columnRight = [x](int c) { return x + kTableColumn * (c + 2); };
    const int tableRight = x + kTableColumn * (cols + 1);

    canvas.drawLine(x, top, x, bottom);
    for (int i = 2; i <= cols + 1; ++i) {
        canvas.drawLine(x + kTableColumn * i, top, x + kTableColumn * i, bottom);
    }
    for (int j = 0; j <= rows; ++j) canvas.drawLine(x, top + j * h, tableRight, top + j * h);

    for (int c = 0; c < cols; ++c) {
        const std::string& header = sheet.cell(c, 0);
        const int width = c == 0 ? kTableTitleColumn : kTableColumn;
        // A header wider than its column (a week's date with its weekday in
        // 9 points) is set smaller rather than run over the rules.
        setFontToFit(canvas, job.fontName, kTableTextPoints, header, width - 2 * kHeaderMargin);
        canvas.drawText(columnLeft(c) + (width - canvas.textWidth(header)) / 2, top + 10, header);
    }
    canvas.setFont(job.fontName, kTableTextPoints, false);
    for (int r = 1; r < rows; ++r) {
        const int textTop = top + 10 + r * h;
        canvas.drawText(x + 4, textTop, sheet.cell(0, r));
        for (int c = 1; c < cols; ++c) {
            drawRightAligned(canvas, columnRight(c) - 10, textTop, amountCell(sheet, c, r, job.display));
        }
    }
    return top + (rows + 1) * h;
}

bool printWeek(PrintCanvas& canvas, const PrintJob& job, const Book& book) {
    canvas.setLandscape(false);
    if (!canvas.beginJob()) return false;
    const int y = printLegend(canvas, job, kWeekLeft, kHeadingTop, job.lblPrint + job.lblPrint2);
    printChosenTables(canvas, job, kWeekLeft, y, book.GridWeekShishutsu, book.GridWeekShuNyu);
    return canvas.endJob();
}

bool printYear(PrintCanvas& canvas, const PrintJob& job, const Book& book) {
    canvas.setLandscape(true);
    if (!canvas.beginJob()) return false;
    const int y = printLegend(canvas, job, kYearLeft, kHeadingTop, job.lblPrint);
    printChosenTables(canvas, job, kYearLeft, y, book.GridYearShishutsu, book.GridYearShuNyu);
    return canvas.endJob();
}

bool printMonth(PrintCanvas& canvas, const PrintJob& job, const Book& book) {
    constexpr int m = kMonthMargin;
    constexpr int g = kMonthUnit;
    canvas.setLandscape(false);
    if (!canvas.beginJob()) return false;
    const int right = canvas.pageWidth() - 1;
    const int bottom = canvas.pageHeight() - 1;

    canvas.setPen(3);
    canvas.drawRect(m, m, right, bottom);

    canvas.setFont(kInfoFont, 9, false);
    const std::string dateLine = printedDateLine(job);
    drawRightAligned(canvas, right, m - canvas.textHeight(dateLine) - 2 * g, dateLine);
    const std::string user = userLine(job);
    canvas.drawText(m, m - canvas.textHeight(user) - 2 * g, user);

    canvas.setFont(job.fontName, 18, true);
    const std::string heading = job.lblMonth + "月度";
    canvas.drawText(m + 12, m + 12, heading);
    const int headingHeight = canvas.textHeight(heading);
    const int headingWidth = canvas.textWidth(heading);

    canvas.setFont(job.fontName, 12, false);
    canvas.drawText(m + headingWidth + 140, m + 25, job.monthStartText + " から " + job.monthLastText + " まで");

    // The totals block, in three columns of a third of the width each.
    const int y0 = m + headingHeight + 7 * g;
    const int third = (right - m) / 3;
    const int p2 = m + third;
    const int p3 = m + 2 * third;
    const int lineHeight = canvas.textHeight("収支");
    const int pitch = lineHeight + g;
    const Sheet& sums = book.GridMonthSum;
    printTotalsColumn(canvas, job, sums, m + 100, p2 - 300, y0, pitch, {{"収支", 3}, {"支出", 1}, {"収入", 2}});
    printTotalsColumn(canvas, job, sums, p2 + 10 * g, p3 - 300, y0, pitch,
                      {{"現金残", 5}, {"口座残", 6}, {"家計合計", 7}});
    printTotalsColumn(canvas, job, sums, p3 + 10 * g, right - 300, y0, pitch, {{"貯金残", 9}});

    // The lower page in three columns, one list each.
    const int ys = y0 + 3 * lineHeight + 5 * g;
    canvas.setPen(3);
    canvas.drawLine(m, ys, right, ys);
    canvas.drawLine(p2, ys, p2, bottom);
    canvas.drawLine(p3, ys, p3, bottom);

    canvas.setPen(1);
    printMonthList(canvas, job, "支出", book.GridMonthShishutu, m, p2, ys, true, m, right);
    printMonthList(canvas, job, "収入", book.GridMonthShuNyu, p2, p3, ys, false, m, right);
    printMonthList(canvas, job, "まとめ", book.GridMonthMatome, p3, right, ys, false, m, right);
    return canvas.endJob();
}

bool printJob(PrintCanvas& canvas, const PrintJob& job, const Book& book) {
    switch (job.kind) {
    case PrintKind::Week: return printWeek(canvas, job, book);
    case PrintKind::Month: return printMonth(canvas, job, book);
    case PrintKind::Year: return printYear(canvas, job, book);
    }
    return false;
}

}  // namespace kakeibo
