// The day page on a 20-year book (about 7,300 cards): the Ctrl-click
// recalculation of every card, and showing the first and the last card.

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

#include "book/Book.h"
#include "book/DayCalculation.h"
#include "book/DayDisplay.h"
#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "generator/BookGenerator.h"
#include "messages/UiPort.h"
#include "storage/DataFile.h"

namespace kakeibo {
namespace {

// Answers every box with OK and counts them: a run that shows any has
// categories the settings do not know.
class SilentUi : public UiPort {
public:
    MsgResult showMessage(const Message&) override {
        ++messages;
        return MsgResult::Ok;
    }
    bool askYesNo(const std::string&, int, int) override { return true; }
    CalendarResult pickDate() override { return {}; }
    YearMonthResult askYearMonth(bool) override { return {}; }
    std::optional<std::string> askOpenFileName(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<std::string> askSaveFileName(const FileDialogRequest&) override { return std::nullopt; }
    void beep() override {}
    void showWait(const std::string&) override {}
    void hideWait() override {}
    int messages = 0;
};

// The generated book's categories, split between cash, two banks' debits
// and their cards, so that card purchases reach the credit sheet.
constexpr std::array<const char*, 31> kCash = {
    "食費", "外食費", "日用品", "美容", "交通費", "ガソリン", "駐車場", "新聞", "医療費", "薬代", "教育費",
    "習い事", "書籍", "趣味", "娯楽", "交際費", "贈答", "冠婚葬祭", "お小遣い", "ペット", "園芸", "家具",
    "修繕", "税金", "年金", "寄付", "雑費", "子供用品", "嗜好品", "特別費", "水道代"};
constexpr std::array<const char*, 5> kIncome = {"給与", "賞与", "その他", "利息", "返金"};

struct DayBench {
    SilentUi ui;
    std::unique_ptr<Book> book = std::make_unique<Book>(ui);
    DataImage image = generateBook(20);

    DayBench() {
        setupAllGrids(*book);
        for (std::size_t i = 0; i < kCash.size(); ++i) {
            book->GridSetGenkinOut.setCell(0, static_cast<int>(i) + 1, kCash[i]);
            book->GridSetGenkinOut.setCell(1, static_cast<int>(i) + 1, "20000");
        }
        for (std::size_t i = 0; i < kIncome.size(); ++i) {
            book->GridSetGenkinIn.setCell(0, static_cast<int>(i) + 1, kIncome[i]);
        }
        book->GridSetChokin.setCell(0, 1, "30000");
        book->EditBank[0] = "○○銀行";
        book->EditBank[1] = "△△信金";
        setAccount(book->GridSetKoza0, {"家賃", "保険", "電気代", "ガス代"}, {"旅行", "家電"});
        setAccount(book->GridSetKoza1, {"電話代", "インターネット"}, {"衣服"});
        settingAll(*book);
    }

    static void setAccount(Sheet& sheet, std::initializer_list<const char*> debits,
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

    // The book as read from the file: its cards and credit sheet, the first
    // card shown.
    void load() {
        book->cards.items() = image.cards;
        book->cards.setCurIndex(0);
        book->GridCredit.setRowCount(10);
        creditRowsToSheet(image.credit, book->GridCredit);
        dispTheDay(*book, book->cards.first().date);
    }
};

void BM_CtrlRecalculateEveryCard(benchmark::State& state) {
    DayBench bench;
    for (auto _ : state) {
        state.PauseTiming();
        bench.load();
        state.ResumeTiming();
        btnCalcMouseUp(*bench.book, true);
        benchmark::DoNotOptimize(bench.book->cards.last().summaryList.data());
    }
    state.counters["cards"] = bench.book->cards.size();
    state.counters["credit_rows"] = bench.book->GridCredit.rowCount();
    state.counters["messages"] = bench.ui.messages;
}
BENCHMARK(BM_CtrlRecalculateEveryCard)->Unit(benchmark::kMillisecond)->Iterations(5);

// One plain click on the last card: the everyday calculation.
void BM_CalculateLastCard(benchmark::State& state) {
    DayBench bench;
    bench.load();
    dispTheDay(*bench.book, bench.book->cards.last().date);
    for (auto _ : state) btnCalcMouseUp(*bench.book, false);
}
BENCHMARK(BM_CalculateLastCard)->Unit(benchmark::kMicrosecond);

void BM_ShowFirstAndLastCard(benchmark::State& state) {
    DayBench bench;
    bench.load();
    const Date first = bench.book->cards.first().date;
    const Date last = bench.book->cards.last().date;
    for (auto _ : state) {
        dispTheDay(*bench.book, last);
        dispTheDay(*bench.book, first);
    }
}
BENCHMARK(BM_ShowFirstAndLastCard)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kakeibo
