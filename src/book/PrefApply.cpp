#include "book/PrefApply.h"

#include <algorithm>

namespace kakeibo {
namespace {

SheetRecord sheetRecordOf(const Sheet& sheet) {
    SheetRecord record;
    record.rows = sheet.rowCount();
    record.cols = sheet.colCount();
    if (record.rows > 1 && record.cols > 0) {
        record.cells.resize(static_cast<std::size_t>(record.rows - 1));
        for (int r = 1; r < record.rows; ++r) {
            auto& row = record.cells[static_cast<std::size_t>(r - 1)];
            row.reserve(static_cast<std::size_t>(record.cols));
            for (int k = 0; k < record.cols; ++k) row.push_back(sheet.cell(k, r));
        }
    }
    return record;
}

void fillSheet(const SheetRecord& record, Sheet& sheet) {
    // The cells as read are bounded by R and K; the vectors may be shorter
    // when an image was built by hand, and then only what they hold is set.
    const std::size_t rows = std::min(record.cells.size(), static_cast<std::size_t>(std::max(record.rows - 1, 0)));
    for (std::size_t r = 0; r < rows; ++r) {
        const auto& line = record.cells[r];
        const std::size_t cols = std::min(line.size(), static_cast<std::size_t>(std::max(record.cols, 0)));
        for (std::size_t k = 0; k < cols; ++k) sheet.setCell(static_cast<int>(k), static_cast<int>(r + 1), line[k]);
    }
}

void applySheet(const std::optional<SheetRecord>& record, Sheet& sheet) {
    if (record) fillSheet(*record, sheet);
}

void applyCell(const std::optional<std::string>& text, Sheet& sheet, int col, int row) {
    if (text) sheet.setCell(col, row, *text);
}

void applyFlag(const std::optional<bool>& flag, bool& option) {
    if (flag) option = *flag;
}

std::array<const Sheet*, 4> kozaSheets(const Book& book) {
    return {&book.GridSetKoza0, &book.GridSetKoza1, &book.GridSetKoza2, &book.GridSetKoza3};
}

}  // namespace

PrefImage prefImageFromBook(const Book& book) {
    PrefImage image;
    image.version = kPrefFileVersion;
    image.genkinOut = sheetRecordOf(book.GridSetGenkinOut);
    image.genkinIn = sheetRecordOf(book.GridSetGenkinIn);
    image.chokin = book.GridSetChokin.cell(0, 1);
    image.shonichi = book.GridSetSonota.cell(1, 1);
    image.userName = book.GridSetSonota.cell(1, 2);
    image.winDentaku = book.rdBtnWinDentaku;
    image.redText = book.chkBoxRedText;
    image.comma = book.chkBoxComma;
    image.kozaAuto = book.chkBoxKozaAuto;
    image.rowCounts = std::array<std::string, 4>{book.GridSetRowNum.cell(1, 1), book.GridSetRowNum.cell(1, 2),
                                                 book.GridSetRowNum.cell(1, 3), book.GridSetRowNum.cell(1, 4)};
    image.bankNames = book.EditBank;
    const auto koza = kozaSheets(book);
    for (std::size_t k = 0; k < koza.size(); ++k) image.koza[k] = sheetRecordOf(*koza[k]);
    image.floatDigits = book.chkBoxFloat;
    image.taxRate = book.GridSetTax.cell(1, 1);
    image.shokichiUse = book.chkBoxShokichiUse;
    image.shokiGenkin = book.GridShokiGenkin.cell(1, 0);
    std::array<std::string, 8> shokiKoza;
    for (int i = 0; i < 4; ++i) {
        shokiKoza[static_cast<std::size_t>(i)] = book.GridShokiKoza.cell(i + 1, 1);
        shokiKoza[static_cast<std::size_t>(i + 4)] = book.GridShokiKoza.cell(i + 1, 2);
    }
    image.shokiKoza = std::move(shokiKoza);
    image.shokiChokin = book.GridShokiChokin.cell(1, 0);
    image.kozaShift = book.chkBoxKozaShift;
    return image;
}

void applyPrefImage(const PrefImage& image, Book& book) {
    applySheet(image.genkinOut, book.GridSetGenkinOut);
    applySheet(image.genkinIn, book.GridSetGenkinIn);
    applyCell(image.chokin, book.GridSetChokin, 0, 1);
    applyCell(image.shonichi, book.GridSetSonota, 1, 1);
    applyCell(image.userName, book.GridSetSonota, 1, 2);
    if (image.winDentaku) {
        book.rdBtnWinDentaku = *image.winDentaku;
        book.rdBtnMyDentaku = !*image.winDentaku;
    }
    applyFlag(image.redText, book.chkBoxRedText);
    applyFlag(image.comma, book.chkBoxComma);
    applyFlag(image.kozaAuto, book.chkBoxKozaAuto);
    if (image.rowCounts) {
        for (int i = 0; i < 4; ++i) book.GridSetRowNum.setCell(1, i + 1, (*image.rowCounts)[static_cast<std::size_t>(i)]);
    }
    if (image.bankNames) book.EditBank = *image.bankNames;
    for (int k = 0; k < 4; ++k) applySheet(image.koza[static_cast<std::size_t>(k)], book.setKoza(k));
    applyFlag(image.floatDigits, book.chkBoxFloat);
    applyCell(image.taxRate, book.GridSetTax, 1, 1);
    applyFlag(image.shokichiUse, book.chkBoxShokichiUse);
    applyCell(image.shokiGenkin, book.GridShokiGenkin, 1, 0);
    if (image.shokiKoza) {
        for (int i = 0; i < 4; ++i) {
            book.GridShokiKoza.setCell(i + 1, 1, (*image.shokiKoza)[static_cast<std::size_t>(i)]);
            book.GridShokiKoza.setCell(i + 1, 2, (*image.shokiKoza)[static_cast<std::size_t>(i + 4)]);
        }
    }
    applyCell(image.shokiChokin, book.GridShokiChokin, 1, 0);
    applyFlag(image.kozaShift, book.chkBoxKozaShift);
}

ReadOutcome loadPrefIntoBook(const std::string& path, Book& book, FileLayer& files) {
    PrefImage image;
    const ReadOutcome outcome = loadPref(path, image, book.ui(), files);
    applyPrefImage(image, book);
    return outcome;
}

bool savePrefFromBook(const std::string& path, Book& book, FileLayer& files) {
    return savePref(path, prefImageFromBook(book), book.ui(), files);
}

}  // namespace kakeibo
