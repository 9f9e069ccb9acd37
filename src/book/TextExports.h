#pragma once
// The Output menu: what the user sees, written into plain text files for
// other programs. Files are CP932 with CR LF line ends and no byte-order
// mark, or, when the person chooses it in the save dialog, UTF-8 with a
// byte-order mark (which spreadsheet programs open without being told);
// comma-separated fields are never quoted, so a comma inside a text stays
// in the file as it is. Nothing here is read back.
//
// Every export builds its bytes in memory and writes them in one safe save:
// a failure leaves no partial file and is reported with the write-failure
// message.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "book/Book.h"

namespace kakeibo {

// --- the Output menu's enabling rule -----------------------------------------

// The pages in their tab order, and each page's sub-pages in theirs: the
// window maps tab indexes onto these, so the order is part of the meaning.
enum class Page { TabInput, TabStat, TabSetting, TabCredit, TabMemo };
// The sub-page shown on the visible page (None for pages without sub-pages).
enum class SubPage {
    None,
    // summaries
    TabWeek,
    TabMonth,
    TabYear,
    // settings
    TabGenkin,
    TabAccount,
    TabShokichi,
    TabOthers,
    // memo
    TabOboe,
    TabMemoIchiran,
};

struct OutputMenuItems {
    bool mnuSaveTabSepHibi = false;
    bool mnuSaveTabSepWeek = false;
    bool mnuSaveTabSepMonth = false;
    bool mnuSaveTabSepYear = false;
    bool mnuSaveTextOboe = false;
    bool mnuSaveTextMemo = false;
    bool operator==(const OutputMenuItems&) const = default;
};

// Only the export that fits the visible page is enabled.
OutputMenuItems Output1Click(Page page, SubPage subPage);

// --- texts and names ---------------------------------------------------------

// The save dialog's filter list; entry 3 is the text files'.
inline constexpr const char* kSaveFilter =
    "みらぶの家計簿データファイル|*.mrb|みらぶの家計簿データ設定ファイル|*.prf|テキストファイル|*.txt";
inline constexpr int kTextFilterIndex = 3;

inline constexpr const char* kHibiTitle = "日々の記録を保存";
inline constexpr const char* kHibiFileName = "HibiKiro.txt";
inline constexpr const char* kWeekTitle = "表示中の週間集計を保存";
inline constexpr const char* kMonthTitle = "表示中の月間集計を保存";
inline constexpr const char* kYearTitle = "表示中の年間集計を保存";
inline constexpr const char* kOboeTitle = "覚え書きを保存";
inline constexpr const char* kOboeFileName = "Oboegaki.txt";
inline constexpr const char* kMemoTitle = "メモ一覧を保存";

std::string weekExportName(const Book& book);      // W2000-52.txt
std::string weekExportHeading(const Book& book);   // 2000年　第52週
std::string monthExportName(const Book& book);     // M2000-12.txt
std::string monthExportHeading(const Book& book);  // 2000年 12月
std::string yearExportName(const Book& book);      // Y2000.txt
std::string yearExportHeading(const Book& book);   // 2000年
std::string memoExportName(const Book& book);      // Memo12月.txt

// --- the pieces of the files (UTF-8 text, CR LF line ends) ---------------------

// One line per entry: item, category and amount (stored form), each but the
// last followed by ",".
std::string joinEntryLines(const std::vector<TKiroku>& lines);
// Column 0 and columns 3.. of a row, each followed by ",", without a line end.
std::string rowToCommaLine(const Sheet& sheet, int row);

// The text of the daily-records file for the cards dated start..end, or
// nothing when no card lies in the range.
std::optional<std::string> hibiText(const Book& book, Date start, Date end);
std::string sumTableText(const std::string& heading, const Sheet& spend, const Sheet& income);
std::string monthSumText(const Book& book, const std::string& heading);
// A multi-line text, each line ending with CR LF.
std::string linesText(const std::string& text);

// --- writing -------------------------------------------------------------------

// The character sets of an export, in the order the save dialog offers them.
enum class ExportEncoding { Cp932, Utf8WithBom };
inline constexpr const char* kCp932EncodingName = "Shift-JIS（CP932）";
inline constexpr const char* kUtf8EncodingName = "UTF-8（BOM付き）";
std::vector<std::string> exportEncodingNames();

// The file's bytes of a UTF-8 text: CP932, or UTF-8 after a byte-order
// mark; nothing when CP932 cannot hold the text.
std::optional<std::string> exportBytes(const std::string& text, ExportEncoding encoding);

// The UTF-8 text as the encoding's bytes into path, replacing any file
// there. A text that CP932 cannot hold, or a failed write, shows the
// write-failure message and leaves no file behind. True when the file was
// written.
bool writeExportFile(Book& book, const std::string& path, const std::string& text,
                     ExportEncoding encoding = ExportEncoding::Cp932);

// Stores the day sheets, then writes the daily records of start..end. With
// no card before or after the range: the no-data message, no file. With the
// range between two cards: no file, no message. True when a file was written.
bool saveHibiText(Book& book, const std::string& path, Date start, Date end,
                  ExportEncoding encoding = ExportEncoding::Cp932);
bool saveSumTableText(Book& book, const std::string& path, const std::string& heading, const Sheet& spend,
                      const Sheet& income, ExportEncoding encoding = ExportEncoding::Cp932);
bool saveMonthSumText(Book& book, const std::string& path, const std::string& heading,
                      ExportEncoding encoding = ExportEncoding::Cp932);

// --- the daily-records dialog ----------------------------------------------------

// The order of the dialog's six date fields.
enum HibiField { StartYear, StartMonth, StartDay, EndYear, EndMonth, EndDay };
using HibiFields = std::array<std::string, 6>;

// The items offered by the fields' lists.
std::vector<std::string> hibiYearItems();   // 1999 .. 2005
std::vector<std::string> hibiMonthItems();  // 1 .. 12
std::vector<std::string> hibiDayItems();    // 1 .. 31

// The displayed card's year, month and day in both the start and end fields.
HibiFields putCurrToCombo(Date shownCard);

// A field's text as a whole number: optional ASCII spaces around an optional
// sign and decimal digits, within the range of int.
std::optional<int> fieldToInt(const std::string& text);

enum class HibiDialogOutcome { KeepOpen, Close };

// The dialog's save button: reads the six fields whatever option is chosen;
// a field that is not a whole number or a date that does not exist shows the
// date error and keeps the dialog open. Otherwise asks for the file name and
// saves when confirmed; the dialog closes either way.
HibiDialogOutcome btnSaveHibiClick(Book& book, const HibiFields& fields);

// --- the menu commands -----------------------------------------------------------

// The daily-records dialog itself is the shell's: this gives the fields it
// opens with (the shown card's date, start and end), and its save button
// calls btnSaveHibiClick.
HibiFields mnuSaveTabSepHibiClick(const Book& book);
void mnuSaveTabSepWeekClick(Book& book);
void mnuSaveTabSepMonthClick(Book& book);
void mnuSaveTabSepYearClick(Book& book);
void mnuSaveTextOboeClick(Book& book);
void mnuSaveTextMemoClick(Book& book);

}  // namespace kakeibo
