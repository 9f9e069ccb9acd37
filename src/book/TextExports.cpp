#include "book/TextExports.h"

#include <algorithm>
#include <charconv>
#include <string_view>

#include "book/MemoList.h"
#include "book/Stores.h"
#include "messages/Messages.h"
#include "model/Dates.h"
#include "sheets/AmountText.h"
#include "sheets/SheetOps.h"
#include "storage/Cp932.h"
#include "storage/FileLayer.h"

namespace kakeibo {

namespace {

constexpr std::string_view kCrLf = "\r\n";

void addLine(std::string& out, std::string_view line) {
    out += line;
    out += kCrLf;
}

// Every cell of a row from column 0 to the last, each followed by ",".
std::string rowAllCells(const Sheet& sheet, int row) {
    std::string line;
    for (int col = 0; col < sheet.colCount(); ++col) {
        line += sheet.cell(col, row);
        line += ',';
    }
    return line;
}

void addEntrySection(std::string& out, std::string_view title, const std::vector<TKiroku>& lines) {
    addLine(out, title);
    if (lines.empty()) return;
    out += joinEntryLines(lines);
    out += kCrLf;
}

struct TextFileChoice {
    std::string path;
    ExportEncoding encoding = ExportEncoding::Cp932;
};

// Asks for a file name with the shared save dialog, set for text files,
// and for the character set of the file.
std::optional<TextFileChoice> askTextFileName(Book& book, const std::string& title, const std::string& name) {
    const auto chosen =
        book.ui().askSaveFile(FileDialogRequest{title, kSaveFilter, kTextFilterIndex, name}, exportEncodingNames());
    if (!chosen) return std::nullopt;
    return TextFileChoice{chosen->path, chosen->encoding == 1 ? ExportEncoding::Utf8WithBom : ExportEncoding::Cp932};
}

}  // namespace

// --- the Output menu ----------------------------------------------------------

OutputMenuItems Output1Click(Page page, SubPage subPage) {
    OutputMenuItems items;
    switch (page) {
        case Page::TabInput:
            items.mnuSaveTabSepHibi = true;
            break;
        case Page::TabMemo:
            if (subPage == SubPage::TabMemoIchiran) {
                items.mnuSaveTextMemo = true;
            } else {
                items.mnuSaveTextOboe = true;
            }
            break;
        case Page::TabStat:
            items.mnuSaveTabSepWeek = subPage == SubPage::TabWeek;
            items.mnuSaveTabSepMonth = subPage == SubPage::TabMonth;
            items.mnuSaveTabSepYear = subPage == SubPage::TabYear;
            break;
        case Page::TabSetting:
        case Page::TabCredit:
            break;
    }
    return items;
}

// --- names and headings ----------------------------------------------------------

std::string weekExportName(const Book& book) {
    return "W" + book.pnlYearWeek + "-" + book.pnlWeekWeek + ".txt";
}
std::string weekExportHeading(const Book& book) {
    return book.pnlYearWeek + "年　第" + book.pnlWeekWeek + "週";
}
std::string monthExportName(const Book& book) {
    return "M" + book.pnlYearSum + "-" + book.pnlMonthSum + ".txt";
}
std::string monthExportHeading(const Book& book) { return book.pnlYearSum + "年 " + book.pnlMonthSum + "月"; }
std::string yearExportName(const Book& book) { return "Y" + book.pnlYearYear + ".txt"; }
std::string yearExportHeading(const Book& book) { return book.pnlYearYear + "年"; }
std::string memoExportName(const Book& book) { return "Memo" + book.pnlMemoMonth + "月.txt"; }

// --- pieces --------------------------------------------------------------------

std::string joinEntryLines(const std::vector<TKiroku>& lines) {
    std::string out;
    for (const TKiroku& line : lines) {
        out += line.item;
        out += ',';
        out += line.category;
        out += ',';
        out += amountToText(line.amount);
        out += kCrLf;
    }
    return out;
}

std::string rowToCommaLine(const Sheet& sheet, int row) {
    std::string line = sheet.cell(0, row);
    line += ',';
    for (int col = 3; col < sheet.colCount(); ++col) {
        line += sheet.cell(col, row);
        line += ',';
    }
    return line;
}

std::optional<std::string> hibiText(const Book& book, Date start, Date end) {
    const auto [first, past] = book.cards.within(start, end);
    if (first == past) return std::nullopt;
    std::string out;
    for (int i = first; i < past; ++i) {
        const TIndex* card = &book.cards.read(i);
        addLine(out, dateToText(0, card->date));
        addEntrySection(out, "支出", card->spendList);
        addEntrySection(out, "収入", card->incomeList);
        addEntrySection(out, "口座管理", card->accountList);
        out += kCrLf;
        out += kCrLf;
    }
    out += kCrLf;
    out += kCrLf;
    return out;
}

std::string sumTableText(const std::string& heading, const Sheet& spend, const Sheet& income) {
    std::string out;
    addLine(out, heading);
    const auto addSheet = [&out](const Sheet& sheet) {
        addLine(out, rowToCommaLine(sheet, 0));
        const int last = lastUsedRow(sheet);
        for (int row = 2; row <= last; ++row) addLine(out, rowToCommaLine(sheet, row));
    };
    addSheet(spend);
    out += kCrLf;
    out += kCrLf;
    addSheet(income);
    return out;
}

std::string monthSumText(const Book& book, const std::string& heading) {
    std::string out;
    addLine(out, heading);
    out += kCrLf;
    out += kCrLf;
    for (const Sheet* sheet : {&book.GridMonthShishutu, &book.GridMonthShuNyu, &book.GridMonthMatome}) {
        const int last = lastUsedRow(*sheet);
        for (int row = 0; row <= last; ++row) addLine(out, rowAllCells(*sheet, row));
        out += kCrLf;
        out += kCrLf;
    }
    return out;
}

std::string linesText(const std::string& text) {
    std::string out;
    for (const std::string& line : splitTextLines(text)) addLine(out, line);
    return out;
}

// --- writing ---------------------------------------------------------------------

std::vector<std::string> exportEncodingNames() { return {kCp932EncodingName, kUtf8EncodingName}; }

std::optional<std::string> exportBytes(const std::string& text, ExportEncoding encoding) {
    if (encoding == ExportEncoding::Utf8WithBom) return "\xEF\xBB\xBF" + text;
    return utf8ToCp932(text);
}

bool writeExportFile(Book& book, const std::string& path, const std::string& text, ExportEncoding encoding) {
    // The editing layer admits only texts CP932 can hold; a text that slipped
    // past it is refused as a whole rather than written with holes.
    const auto bytes = exportBytes(text, encoding);
    if (!bytes || !saveFileSafely(path, *bytes, false)) {
        msgWriteFailed(book.ui());
        return false;
    }
    return true;
}

bool saveHibiText(Book& book, const std::string& path, Date start, Date end, ExportEncoding encoding) {
    storeTheDay(book);
    if (book.cards.empty() || book.cards.lastDate() < start || book.cards.firstDate() > end) {
        msgNoData(book.ui(), 5);
        return false;
    }
    const auto text = hibiText(book, start, end);
    if (!text) return false;
    return writeExportFile(book, path, *text, encoding);
}

bool saveSumTableText(Book& book, const std::string& path, const std::string& heading, const Sheet& spend,
                      const Sheet& income, ExportEncoding encoding) {
    return writeExportFile(book, path, sumTableText(heading, spend, income), encoding);
}

bool saveMonthSumText(Book& book, const std::string& path, const std::string& heading, ExportEncoding encoding) {
    return writeExportFile(book, path, monthSumText(book, heading), encoding);
}

// --- the daily-records dialog ------------------------------------------------------

std::vector<std::string> hibiYearItems() {
    std::vector<std::string> items;
    for (int year = 1999; year <= 2005; ++year) items.push_back(std::to_string(year));
    return items;
}

std::vector<std::string> hibiMonthItems() {
    std::vector<std::string> items;
    for (int month = 1; month <= 12; ++month) items.push_back(std::to_string(month));
    return items;
}

std::vector<std::string> hibiDayItems() {
    std::vector<std::string> items;
    for (int day = 1; day <= 31; ++day) items.push_back(std::to_string(day));
    return items;
}

HibiFields putCurrToCombo(Date shownCard) {
    const Ymd ymd = splitDate(shownCard);
    const std::string year = std::to_string(ymd.year);
    const std::string month = std::to_string(ymd.month);
    const std::string day = std::to_string(ymd.day);
    return HibiFields{year, month, day, year, month, day};
}

std::optional<int> fieldToInt(const std::string& text) {
    std::string_view view(text);
    while (!view.empty() && view.front() == ' ') view.remove_prefix(1);
    while (!view.empty() && view.back() == ' ') view.remove_suffix(1);
    if (!view.empty() && view.front() == '+') view.remove_prefix(1);
    if (view.empty()) return std::nullopt;
    int value = 0;
    const auto result = std::from_chars(view.data(), view.data() + view.size(), value);
    if (result.ec != std::errc() || result.ptr != view.data() + view.size()) return std::nullopt;
    return value;
}

HibiDialogOutcome btnSaveHibiClick(Book& book, const HibiFields& fields) {
    std::array<int, 6> numbers{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const auto number = fieldToInt(fields[i]);
        if (!number) {
            msgDateError(book.ui());
            return HibiDialogOutcome::KeepOpen;
        }
        numbers[i] = *number;
    }
    const auto start = makeDate(numbers[StartYear], numbers[StartMonth], numbers[StartDay]);
    const auto end = makeDate(numbers[EndYear], numbers[EndMonth], numbers[EndDay]);
    if (!start || !end) {
        msgDateError(book.ui());
        return HibiDialogOutcome::KeepOpen;
    }
    if (const auto file = askTextFileName(book, kHibiTitle, kHibiFileName)) {
        saveHibiText(book, file->path, *start, *end, file->encoding);
    }
    return HibiDialogOutcome::Close;
}

// --- the menu commands ---------------------------------------------------------------

HibiFields mnuSaveTabSepHibiClick(const Book& book) {
    return putCurrToCombo(book.cards.empty() ? book.today() : book.cards.curDate());
}

void mnuSaveTabSepWeekClick(Book& book) {
    if (const auto file = askTextFileName(book, kWeekTitle, weekExportName(book))) {
        saveSumTableText(book, file->path, weekExportHeading(book), book.GridWeekShishutsu, book.GridWeekShuNyu,
                         file->encoding);
    }
}

void mnuSaveTabSepMonthClick(Book& book) {
    if (const auto file = askTextFileName(book, kMonthTitle, monthExportName(book))) {
        saveMonthSumText(book, file->path, monthExportHeading(book), file->encoding);
    }
}

void mnuSaveTabSepYearClick(Book& book) {
    if (const auto file = askTextFileName(book, kYearTitle, yearExportName(book))) {
        saveSumTableText(book, file->path, yearExportHeading(book), book.GridYearShishutsu, book.GridYearShuNyu,
                         file->encoding);
    }
}

void mnuSaveTextOboeClick(Book& book) {
    if (const auto file = askTextFileName(book, kOboeTitle, kOboeFileName)) {
        writeExportFile(book, file->path, linesText(book.MemoOboe), file->encoding);
    }
}

void mnuSaveTextMemoClick(Book& book) {
    if (const auto file = askTextFileName(book, kMemoTitle, memoExportName(book))) {
        writeExportFile(book, file->path, linesText(book.MemoLeft), file->encoding);
    }
}

}  // namespace kakeibo
