#pragma once
// The printed weekly, monthly and yearly summaries: one page each, drawn in
// dots of 1/360 inch (the dot of the printers the layouts were made for)
// from the corner of the printable area, onto a canvas the window program
// provides (a printer, a PDF file or the preview) that maps the dots onto
// its device, so a print has one size on paper everywhere. Nothing is
// paged: what does not fit is cut off at the page edge by the canvas.

#include <string>
#include <string_view>

#include "sheets/AmountText.h"

namespace kakeibo {

class Book;
class Sheet;

// What a print needs from the printer: orientation, page size in device
// units, text measurement for a font, text output, lines and rectangles.
class PrintCanvas {
public:
    virtual ~PrintCanvas() = default;

    // Set before beginJob(); overrides the orientation of the printer setup.
    virtual void setLandscape(bool landscape) = 0;
    // Starts the print job; false when it cannot start (the canvas keeps
    // the reason for the window to show).
    virtual bool beginJob() = 0;
    // Ends the job and sends the page; false when the job failed.
    virtual bool endJob() = 0;

    // The printable area in dots, valid once the job has begun.
    virtual int pageWidth() = 0;
    virtual int pageHeight() = 0;

    virtual void setFont(const std::string& family, int pointSize, bool bold) = 0;
    // Text extent in the current font. The height is the font's line height
    // and does not depend on the characters (the empty text has one too).
    virtual int textWidth(const std::string& text) = 0;
    virtual int textHeight(const std::string& text) = 0;
    // Draws text with its top-left corner at (x, y).
    virtual void drawText(int x, int y, const std::string& text) = 0;

    virtual void setPen(int width) = 0;
    virtual void drawLine(int x1, int y1, int x2, int y2) = 0;
    // A rectangle outline with corners (x1, y1) and (x2, y2).
    virtual void drawRect(int x1, int y1, int x2, int y2) = 0;
};

enum class PrintKind { Week, Month, Year };
// The tables of the weekly and yearly prints.
enum class PrintWhich { Spending, Income, Both };

// The print font when the dialog opens.
inline constexpr std::string_view kDefaultPrintFont = "ＭＳ 明朝";
// The font of the date and user lines, whatever the print font.
inline constexpr std::string_view kPrintInfoFont = "ＭＳ ゴシック";

// One print as the print dialog holds it: its texts, the tables chosen and
// the font. The window shows caption, lblPrint, lblPrint2 (when not empty),
// fontName and, when choiceShown, the spending/income/both choice; it lets
// the user change `which` and `fontName` and then calls printJob().
struct PrintJob {
    PrintKind kind = PrintKind::Week;
    std::string caption;   // dialog caption
    std::string lblKind;   // "Week", "Month" or "Year"
    std::string lblPrint;  // first line of the period text
    std::string lblPrint2; // second line (weekly print only), else empty
    std::string lblYear, lblMonth, lblWeek;
    bool choiceShown = false;
    PrintWhich which = PrintWhich::Both;
    std::string fontName{kDefaultPrintFont};
    // Filled from the book when the job is made.
    std::string todayText;       // today in "2000/1/5" form
    std::string userName;        // the settings row "使用者の名前"
    std::string monthStartText;  // monthly print: the fiscal month's first day
    std::string monthLastText;   // monthly print: its last day
    AmountDisplay display;
};

PrintJob makeWeekPrintJob(const Book& book);
PrintJob makeMonthPrintJob(const Book& book);
PrintJob makeYearPrintJob(const Book& book);

// The page heading at (x, y): date and user lines flush right, the title in
// a frame. Returns the y where the first table starts.
int printLegend(PrintCanvas& canvas, const PrintJob& job, int x, int y, const std::string& title);
// The whole sheet (every row, used or not) as a ruled table under a title:
// column 0 is 480 units wide and every other column 240. Returns the y
// below it.
int printTable(PrintCanvas& canvas, const PrintJob& job, int x, int y, const std::string& title,
               const Sheet& sheet);

// The three prints; each sets its orientation, starts and ends the job.
// False when the job could not start or failed.
bool printWeek(PrintCanvas& canvas, const PrintJob& job, const Book& book);
bool printMonth(PrintCanvas& canvas, const PrintJob& job, const Book& book);
bool printYear(PrintCanvas& canvas, const PrintJob& job, const Book& book);
// The print of the job's kind.
bool printJob(PrintCanvas& canvas, const PrintJob& job, const Book& book);

}  // namespace kakeibo
