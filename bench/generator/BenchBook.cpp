#include "generator/BenchBook.h"

#include <array>
#include <initializer_list>

#include "book/PrefApply.h"
#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "storage/FileNames.h"

namespace kakeibo {

namespace {

// The generated book's categories, split between cash, two banks' debits
// and their cards, so that card purchases reach the credit sheet.
constexpr std::array<const char*, 31> kCash = {
    "食費",   "外食費",   "日用品",   "美容",     "交通費", "ガソリン", "駐車場", "新聞",
    "医療費", "薬代",     "教育費",   "習い事",   "書籍",   "趣味",     "娯楽",   "交際費",
    "贈答",   "冠婚葬祭", "お小遣い", "ペット",   "園芸",   "家具",     "修繕",   "税金",
    "年金",   "寄付",     "雑費",     "子供用品", "嗜好品", "特別費",   "水道代"};
constexpr std::array<const char*, 5> kIncome = {"給与", "賞与", "その他", "利息", "返金"};

void setAccount(Sheet& sheet, std::initializer_list<const char*> debits,
                std::initializer_list<const char*> cards) {
    int row = 1;
    for (const char* debit : debits) {
        sheet.setCell(0, row, debit);
        sheet.setCell(1, row, "50000");
        sheet.setCell(2, row++, "27");
    }
    row = 1;
    for (const char* card : cards) {
        sheet.setCell(3, row, card);
        sheet.setCell(4, row++, "40000");
    }
}

}  // namespace

void applyGeneratedSettings(Book& book) {
    setupAllGrids(book);
    for (std::size_t i = 0; i < kCash.size(); ++i) {
        book.GridSetGenkinOut.setCell(0, static_cast<int>(i) + 1, kCash[i]);
        book.GridSetGenkinOut.setCell(1, static_cast<int>(i) + 1, "20000");
    }
    for (std::size_t i = 0; i < kIncome.size(); ++i) {
        book.GridSetGenkinIn.setCell(0, static_cast<int>(i) + 1, kIncome[i]);
    }
    book.GridSetChokin.setCell(0, 1, "30000");
    book.EditBank[0] = "○○銀行";
    book.EditBank[1] = "△△信金";
    setAccount(book.GridSetKoza0, {"家賃", "保険", "電気代", "ガス代"}, {"旅行", "家電"});
    setAccount(book.GridSetKoza1, {"電話代", "インターネット"}, {"衣服"});
    settingAll(book);
}

void keepCardsAsRead(Book& book, const DataImage& image) {
    DataFileRead read = readDataFileBytes(encodeDataFile(image), "", CardReading::KeptAsRead);
    if (read.keptCards) {
        book.cards.keepAsRead(std::move(read.bytes), *read.keptCards);
    } else {
        book.cards.assign(image.cards);
    }
}

bool writeGeneratedPrefs(const std::string& folder) {
    SilentUi ui;
    Book book(ui);
    applyGeneratedSettings(book);
    return savePrefFromBook(prefFileName(folder), book);
}

}  // namespace kakeibo
