// Importing a bank statement of 10,000 rows (Shift-JIS CSV) into a 20-year
// book, as "取り込む" and kakeibo-cli import do it:
// the file decoded and read, every row's category and duplicate found, the
// record of the import written, the lines added and the book recalculated
// from the earliest date imported. Once for a statement of the last three
// years, once for one reaching back over all twenty (every card
// recalculated); and the dialog's preview of such a file.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "book/DayDisplay.h"
#include "exchange/ImportRun.h"
#include "exchange/ImportSession.h"
#include "exchange/StatementImport.h"
#include "generator/BenchBook.h"
#include "generator/BookGenerator.h"
#include "storage/Cp932.h"
#include "storage/DataFile.h"

namespace kakeibo {
namespace {

namespace fs = std::filesystem;

constexpr int kRows = 10'000;

// A 20-year book with the generated book's settings, its last card shown,
// in a folder of its own for the record of the import.
struct StartedBook {
    fs::path root;
    SilentUi ui;
    std::unique_ptr<Book> book = std::make_unique<Book>(ui);
    std::vector<TIndex> cards;  // as generated, to begin every run from

    StartedBook() {
        char pattern[] = "/tmp/kakeibo-import-XXXXXX";
        root = ::mkdtemp(pattern);
        book->folder = root.string() + "/";
        applyGeneratedSettings(*book);
        DataImage image = generateBook(20);
        cards = std::move(image.cards);
        book->GridCredit.setRowCount(10);
        creditRowsToSheet(image.credit, book->GridCredit);
        restart();
    }
    ~StartedBook() {
        book.reset();
        fs::remove_all(root);
    }
    void restart() {
        book->cards.assign(cards);
        book->cards.setCurIndex(book->cards.size() - 1);
        dispTheDay(*book, book->cards.cur().date);
    }
};

StartedBook& started() {
    static StartedBook b;
    return b;
}

// A bank's statement of kRows rows spread over the years before 2026, in
// date order: shop names the rules know and ones they do not, salaries,
// cash machine withdrawals.
std::string statementOver(int years) {
    static const char* const shops[] = {"ｾﾌﾞﾝｲﾚﾌﾞﾝ", "ﾛ-ｿﾝ", "ｲｵﾝ", "ﾄｳｷﾖｳﾃﾞﾝﾘﾖｸ", "ﾄﾞﾗﾂｸﾞｽﾄｱ", "ｱﾏｿﾞﾝ", "ｽ-ﾊﾟ-ﾏﾙｴﾂ",
                                        "JR ｲ-ｶ-ﾄﾞ", "ｶﾞｿﾘﾝｽﾀﾝﾄﾞ", "ｼﾖﾃﾝ"};
    std::mt19937 random(7);
    const Date first = *makeDate(2026 - years, 1, 1);
    const Date end = *makeDate(2026, 1, 1);
    std::string text = "日付,お取引内容,お支払金額,残高\r\n";
    for (int i = 0; i < kRows; ++i) {
        const Date date = first + static_cast<Date>(static_cast<long long>(end - first) * i / kRows);
        std::string what = shops[random() % std::size(shops)];
        long amount = -static_cast<long>(100 + random() % 9000);
        if (i % 50 == 0) {
            what = "ｷﾕｳﾖ";
            amount = 280000;
        } else if (i % 20 == 0) {
            what = "ATM";
            amount = -20000;
        }
        text += dateToText(0, date) + "," + what + "," + std::to_string(amount) + ",0\r\n";
    }
    return *utf8ToCp932(text);
}

ImportRequest bankRequest() {
    ImportRequest request;
    request.statement.csv.skipLines = 1;
    request.statement.columns = CsvColumns{1, 2, 3, AmountSign::OutNegative, 0, 0, DateForm::Auto};
    request.defaultOut = "食費";
    request.defaultIn = "その他";
    request.rules = {{"ﾃﾞﾝﾘﾖｸ", "電気代"}, {"ﾄﾞﾗﾂｸﾞ", "薬代"}, {"ｱﾏｿﾞﾝ", "日用品"}, {"JR", "交通費"},
                     {"ｶﾞｿﾘﾝ", "ガソリン"}, {"ｼﾖﾃﾝ", "書籍"}, {"ｷﾕｳﾖ", "給与"}, {"ATM", "○○銀行 ＿ 引出"}};
    return request;
}

void importStatement(benchmark::State& state, int years) {
    StartedBook& b = started();
    const std::string bytes = statementOver(years);
    const ImportRequest request = bankRequest();
    ImportOutcome outcome;
    for (auto _ : state) {
        state.PauseTiming();
        b.restart();
        state.ResumeTiming();
        const StatementPlan planned = planStatement(*b.book, bytes, request);
        outcome = runImport(*b.book, planned.plan, request.skipBad, "meisai.csv");
        benchmark::DoNotOptimize(outcome.added);
    }
    if (outcome.status != ImportStatus::Done || outcome.added != kRows || b.ui.messages != 0) {
        state.SkipWithError(("the statement did not import whole: added " + std::to_string(outcome.added) +
                             ", duplicates " + std::to_string(outcome.duplicates) + ", bad " +
                             std::to_string(outcome.bad) + ", messages " + std::to_string(b.ui.messages))
                                .c_str());
    }
    state.counters["rows"] = kRows;
    state.counters["cards"] = static_cast<double>(b.book->cards.size());
    b.restart();
}

void BM_ImportStatementOfThreeYears(benchmark::State& state) { importStatement(state, 3); }
BENCHMARK(BM_ImportStatementOfThreeYears)->Unit(benchmark::kMillisecond);

void BM_ImportStatementOfTwentyYears(benchmark::State& state) { importStatement(state, 20); }
BENCHMARK(BM_ImportStatementOfTwentyYears)->Unit(benchmark::kMillisecond);

// The dialog's preview after a change of the mapping: the first lines of
// the file, the whole file planned for its counts, its first rows shown.
void BM_ImportPreviewOfTenThousandRows(benchmark::State& state) {
    StartedBook& b = started();
    b.restart();
    const ImportRequest request = bankRequest();
    ImportSession session(*b.book, ChosenStatement{b.root.string() + "/meisai.csv", statementOver(3)});
    session.mapping.statement = request.statement;
    session.mapping.defaultOut = request.defaultOut;
    session.mapping.defaultIn = request.defaultIn;
    session.ruleRows = request.rules;
    for (auto _ : state) {
        const SessionPreview shown = session.preview();
        benchmark::DoNotOptimize(shown.rows.data());
    }
}
BENCHMARK(BM_ImportPreviewOfTenThousandRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kakeibo
