#pragma once
// The day-page fixture's book in a program folder of its own, shown on
// 8 December 2026, with the import's usual request: a signed amount column
// (money out negative), rules for the power company and the cash machine.

#include <string>

#include "book/BookFixture.h"
#include "book/Stores.h"
#include "exchange/ImportRun.h"
#include "exchange/StatementImport.h"
#include "support/TempDir.h"

namespace kakeibo::test {

inline Date dec(int d) { return *makeDate(2026, 12, d); }

struct ImportFixture : BookFixture {
    TempDir dir;
    ImportRequest request;

    ImportFixture() {
        book.folder = dir.path();
        book.clock().setToday(dec(8));
        show(2026, 12, 8);
        request.statement.columns = CsvColumns{1, 2, 3, AmountSign::OutNegative, 0, 0, DateForm::Auto};
        request.defaultOut = "食費";
        request.defaultIn = "雑収入";
        request.rules = {{"電力", "電気代"}, {"ATM", kBank0 + " ＿ 引出"}};
    }

    ImportOutcome importText(const std::string& statement, FileLayer& files = systemFileLayer()) {
        storeTheDay(book);
        const StatementPlan planned = planStatement(book, statement, request);
        return runImport(book, planned.plan, request.skipBad, "meisai.csv", files);
    }

    // Moves to the card of that December day as the day page does: the
    // sheets are stored first.
    void go(int d) {
        storeTheDay(book);
        dispTheDay(book, dec(d));
    }

    const TIndex& card(int d) { return book.cards.read(*book.cards.find(dec(d))); }
    std::vector<TIndex> cards() {
        storeTheDay(book);
        std::vector<TIndex> all;
        for (int i = 0; i < book.cards.size(); ++i) all.push_back(book.cards.read(i));
        return all;
    }
    // Cash on hand (summary row 4) of a calculated card.
    double cash(int d) { return card(d).summaryList.at(3).amount; }
};

}  // namespace kakeibo::test
