#include "exchange/QifRows.h"

#include "exchange/AmountForms.h"
#include "exchange/DateForms.h"

namespace kakeibo {
namespace {

void addMemo(std::vector<std::string>& memos, const std::string& memo) {
    if (!memo.empty()) memos.push_back(memo);
}

}  // namespace

std::string withoutQifClass(const std::string& category) { return category.substr(0, category.find('/')); }

StatementRows qifToRows(const QifFile& file) {
    StatementRows result;
    result.bad = file.problems;
    auto bad = [&result](int line, std::string error) { result.bad.push_back(ReadProblem{line, std::move(error)}); };
    for (const QifRecord& record : file.records) {
        const auto date = readQifDate(record.date);
        if (!date) {
            bad(record.line, record.date.empty() ? std::string("日付（D）がありません") : dateError(record.date));
            continue;
        }
        if (record.splits.empty()) {
            if (record.amount.empty()) {
                bad(record.line, "金額（T）がありません");
                continue;
            }
            const auto amount = readStatementAmount(record.amount);
            if (!amount) {
                bad(record.line, amountError(record.amount));
                continue;
            }
            StatementRow row{record.line, *date, record.payee, *amount, withoutQifClass(record.category), {}};
            addMemo(row.memos, record.memo);
            result.rows.push_back(std::move(row));
            continue;
        }
        // The splits are the record's lines; a record with one unreadable
        // split is bad as a whole, so no part of a purchase is booked alone.
        std::vector<StatementRow> splits;
        bool readable = true;
        for (const QifSplit& split : record.splits) {
            const auto amount = readStatementAmount(split.amount);
            if (!amount) {
                bad(split.line, split.amount.empty() ? std::string("分割の金額（$）がありません")
                                                     : amountError(split.amount));
                readable = false;
                continue;
            }
            StatementRow row{split.line, *date, record.payee, *amount, withoutQifClass(split.category), {}};
            if (splits.empty()) addMemo(row.memos, record.memo);
            addMemo(row.memos, split.memo);
            splits.push_back(std::move(row));
        }
        if (!readable) continue;
        for (StatementRow& row : splits) result.rows.push_back(std::move(row));
    }
    sortByLine(result.bad);
    return result;
}

}  // namespace kakeibo
