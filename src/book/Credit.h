#pragma once
// The credit record: every spending line paid with a card is listed once on
// the credit sheet, newest first, when its day is calculated. The user marks
// records as paid and removes them; no balance reads the list.

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "book/Book.h"

namespace kakeibo {

inline constexpr std::string_view kCreditPaid = "支払済";
inline constexpr int kCreditStatusCol = 6;

// One purchase as the credit sheet holds it: columns 0 to 5.
struct CreditRecord {
    std::string year, month, day, item, amount, card;
};

// Writes purchases onto the credit sheet unless the same year, month, day,
// item, amount and card are already listed. Immediate by default; a batch
// (the recalculation of every later card) collects the records and writes
// them in one step at flush(), with the same result: the latest at the top.
class CreditLedger {
public:
    explicit CreditLedger(Sheet& credit, bool batched = false);
    ~CreditLedger();
    CreditLedger(const CreditLedger&) = delete;
    CreditLedger& operator=(const CreditLedger&) = delete;

    void record(const CreditRecord& purchase);
    void flush();

private:
    bool listedOnSheet(const CreditRecord& purchase) const;
    void insertAtTop(const std::vector<CreditRecord>& newestLast);

    Sheet* credit_;
    bool batched_;
    std::unordered_set<std::string> listed_;  // batch only: every listed record
    std::vector<CreditRecord> pending_;       // batch only, in recording order
};

// Spending row b of the current card as a credit record, then recorded.
void putCreditToGrid(Book& book, int spendRow);
void putCreditToGrid(Book& book, int spendRow, CreditLedger& ledger);
// Records every spending row 1..lineCount whose category is a card
// category (column 3) of the account settings sheet.
void dealCredit(Book& book, const Sheet& kozaSettings, int lineCount);
void dealCredit(Book& book, const Sheet& kozaSettings, int lineCount, CreditLedger& ledger);

// A left click on a data cell of the status column toggles it between empty
// and "支払済". False when the click was elsewhere and changed nothing.
bool toggleCreditStatus(Book& book, int col, int row);

// The question before a credit record is deleted: year - month - day.
std::string creditDeleteQuestion(const Sheet& credit, int row);

}  // namespace kakeibo
