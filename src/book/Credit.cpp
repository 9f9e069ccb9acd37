#include "book/Credit.h"

#include "book/SheetEditing.h"
#include "sheets/SheetOps.h"

namespace kakeibo {

namespace {

constexpr int kCreditCols = 9;
constexpr int kCardCol = 3;

const std::string& field(const CreditRecord& r, int col) {
    switch (col) {
        case 0: return r.year;
        case 1: return r.month;
        case 2: return r.day;
        case 3: return r.item;
        case 4: return r.amount;
        default: return r.card;
    }
}

// The six texts, each with its length, so that no text can pass for another.
std::string recordKey(const CreditRecord& r) {
    std::string key;
    for (int col = 0; col < 6; ++col) {
        const std::string& text = field(r, col);
        key += std::to_string(text.size());
        key += ':';
        key += text;
    }
    return key;
}

CreditRecord recordOfRow(const Sheet& credit, int row) {
    return CreditRecord{credit.cell(0, row), credit.cell(1, row), credit.cell(2, row),
                        credit.cell(3, row), credit.cell(4, row), credit.cell(5, row)};
}

}  // namespace

CreditLedger::CreditLedger(Sheet& credit, bool batched) : credit_(&credit), batched_(batched) {
    if (!batched_) return;
    const int last = lastUsedRow(credit);
    for (int row = 1; row <= last; ++row) listed_.insert(recordKey(recordOfRow(credit, row)));
}

CreditLedger::~CreditLedger() { flush(); }

bool CreditLedger::listedOnSheet(const CreditRecord& purchase) const {
    const int last = lastUsedRow(*credit_);
    for (int row = 1; row <= last; ++row) {
        bool same = true;
        for (int col = 0; col < 6 && same; ++col) same = credit_->cell(col, row) == field(purchase, col);
        if (same) return true;
    }
    return false;
}

void CreditLedger::record(const CreditRecord& purchase) {
    if (!batched_) {
        if (!listedOnSheet(purchase)) insertAtTop({purchase});
        return;
    }
    if (listed_.insert(recordKey(purchase)).second) pending_.push_back(purchase);
}

void CreditLedger::flush() {
    if (pending_.empty()) return;
    insertAtTop(pending_);
    pending_.clear();
}

// Each record in turn goes to row 1 and pushes every data row down, so the
// last one recorded ends at the top.
void CreditLedger::insertAtTop(const std::vector<CreditRecord>& newestLast) {
    Sheet& sheet = *credit_;
    const int added = static_cast<int>(newestLast.size());
    const int oldRows = sheet.rowCount();
    sheet.setRowCount(oldRows + added);
    for (int row = oldRows - 1; row >= 1; --row) {
        for (int col = 0; col < kCreditCols; ++col) sheet.setCell(col, row + added, sheet.cell(col, row));
    }
    for (int i = 0; i < added; ++i) {
        const CreditRecord& r = newestLast[static_cast<std::size_t>(added - 1 - i)];
        const int row = 1 + i;
        for (int col = 0; col < 6; ++col) sheet.setCell(col, row, field(r, col));
        for (int col = 6; col < kCreditCols; ++col) sheet.setCell(col, row, std::string());
    }
}

void putCreditToGrid(Book& book, int spendRow, CreditLedger& ledger) {
    const Sheet& spend = book.GridShishutu;
    const Ymd ymd = splitDate(book.cards.curDate());
    ledger.record(CreditRecord{std::to_string(ymd.year), std::to_string(ymd.month), std::to_string(ymd.day),
                               spend.cell(0, spendRow), spend.cell(1, spendRow), spend.cell(2, spendRow)});
}

void putCreditToGrid(Book& book, int spendRow) {
    CreditLedger ledger(book.GridCredit);
    putCreditToGrid(book, spendRow, ledger);
}

void dealCredit(Book& book, const Sheet& kozaSettings, int lineCount, CreditLedger& ledger) {
    const int last = lastUsedRow(kozaSettings);
    for (int b = 1; b <= lineCount; ++b) {
        const std::string& category = book.GridShishutu.cell(2, b);
        if (category.empty()) continue;
        for (int i = 1; i <= last; ++i) {
            if (kozaSettings.cell(kCardCol, i) == category) putCreditToGrid(book, b, ledger);
        }
    }
}

void dealCredit(Book& book, const Sheet& kozaSettings, int lineCount) {
    CreditLedger ledger(book.GridCredit);
    dealCredit(book, kozaSettings, lineCount, ledger);
}

bool toggleCreditStatus(Book& book, int col, int row) {
    Sheet& credit = book.GridCredit;
    if (col != kCreditStatusCol || row < credit.fixedRows() || row >= credit.rowCount()) return false;
    const bool paid = credit.cell(col, row) == kCreditPaid;
    credit.setCell(col, row, paid ? std::string() : std::string(kCreditPaid));
    return true;
}

std::string creditDeleteQuestion(const Sheet& credit, int row) { return deleteLineQuestion(credit, 0, row); }

}  // namespace kakeibo
