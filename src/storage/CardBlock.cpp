#include "storage/CardBlock.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kakeibo {
namespace {

constexpr std::size_t kMinTextBytes = 4;
constexpr std::size_t kMinEntryBytes = 2 * kMinTextBytes + 8;
constexpr std::size_t kMinBudgetBytes = kMinTextBytes + 16;
constexpr std::size_t kMinSummaryBytes = kMinTextBytes + 8;

std::int32_t storedCount(std::size_t size) {
    // A list longer than a count can say cannot be stored; the sheets never
    // come near this.
    return static_cast<std::int32_t>(std::min<std::size_t>(size, std::numeric_limits<std::int32_t>::max()));
}

void writeEntry(BinaryWriter& w, const TKiroku& line) {
    w.writeStr(line.item);
    w.writeStr(line.category);
    w.writeDouble(line.amount);
}

// The items are read one by one, so a file cut short keeps the items
// before the cut.
bool readEntries(BinaryReader& r, std::int32_t count, std::vector<TKiroku>& out) {
    out.reserve(r.reservationFor(count, kMinEntryBytes));
    for (std::int32_t i = 0; i < count; ++i) {
        TKiroku line;
        if (!r.readStr(line.item) || !r.readStr(line.category) || !r.readDouble(line.amount)) return false;
        out.push_back(std::move(line));
    }
    return true;
}

bool readBudgetRows(BinaryReader& r, std::int32_t count, std::vector<TYosan>& out) {
    out.reserve(r.reservationFor(count, kMinBudgetBytes));
    for (std::int32_t i = 0; i < count; ++i) {
        TYosan row;
        if (!r.readStr(row.name) || !r.readDouble(row.amount1) || !r.readDouble(row.amount2)) return false;
        out.push_back(std::move(row));
    }
    return true;
}

bool readSummaryRows(BinaryReader& r, std::int32_t count, std::vector<TMatome>& out) {
    out.reserve(r.reservationFor(count, kMinSummaryBytes));
    for (std::int32_t i = 0; i < count; ++i) {
        TMatome row;
        if (!r.readStr(row.name) || !r.readDouble(row.amount)) return false;
        out.push_back(std::move(row));
    }
    return true;
}

// Passes over count items of texts followed by fixed numbers, as the
// readers above would read them. A long book's start runs this over every
// card, so the bytes a few items ahead are asked for in advance.
bool skipItems(BinaryReader& r, std::int32_t count, int texts, std::size_t numberBytes, CardBlockScan& scan) {
    if (count < 0) scan.asWritten = false;
    for (std::int32_t i = 0; i < count; ++i) {
        r.prefetchAhead(1024);
        for (int t = 0; t < texts; ++t) {
            if (!r.skipStr(scan.asWritten, scan.checkTexts)) return false;
        }
        if (!r.skip(numberBytes)) return false;
    }
    return true;
}

}  // namespace

void writeCardBlock(BinaryWriter& w, const TIndex& card) {
    w.writeDouble(card.date);
    w.writeInt(storedCount(card.spendList.size()));
    w.writeInt(storedCount(card.incomeList.size()));
    w.writeInt(storedCount(card.accountList.size()));
    w.writeInt(storedCount(card.budgetList.size()));
    w.writeInt(storedCount(card.summaryList.size()));
    for (const TKiroku& line : card.spendList) writeEntry(w, line);
    for (const TKiroku& line : card.incomeList) writeEntry(w, line);
    for (const TKiroku& line : card.accountList) writeEntry(w, line);
    for (const TYosan& row : card.budgetList) {
        w.writeStr(row.name);
        w.writeDouble(row.amount1);
        w.writeDouble(row.amount2);
    }
    for (const TMatome& row : card.summaryList) {
        w.writeStr(row.name);
        w.writeDouble(row.amount);
    }
    w.writeLongStr(card.memo);
}

std::string encodeCardBlock(const TIndex& card) {
    BinaryWriter w;
    writeCardBlock(w, card);
    return w.take();
}

bool readCardBody(BinaryReader& r, TIndex& card) {
    std::int32_t spend = 0, income = 0, account = 0, budget = 0, summary = 0;
    if (!r.readInt(spend) || !r.readInt(income) || !r.readInt(account) || !r.readInt(budget) ||
        !r.readInt(summary)) {
        return false;
    }
    return readEntries(r, spend, card.spendList) && readEntries(r, income, card.incomeList) &&
           readEntries(r, account, card.accountList) && readBudgetRows(r, budget, card.budgetList) &&
           readSummaryRows(r, summary, card.summaryList) && r.readLongStr(card.memo);
}

bool decodeCardBlock(std::string_view bytes, std::size_t start, TIndex& card) {
    if (start > bytes.size()) return false;
    BinaryReader r(bytes.substr(start));
    card = TIndex{};
    return r.readDouble(card.date) && std::isfinite(card.date) && readCardBody(r, card);
}

bool skipCardBody(BinaryReader& r, CardBlockScan& scan) {
    std::int32_t spend = 0, income = 0, account = 0, summary = 0;
    return r.readInt(spend) && r.readInt(income) && r.readInt(account) && r.readInt(scan.budgetCount) &&
           r.readInt(summary) && skipItems(r, spend, 2, 8, scan) && skipItems(r, income, 2, 8, scan) &&
           skipItems(r, account, 2, 8, scan) && skipItems(r, scan.budgetCount, 1, 16, scan) &&
           skipItems(r, summary, 1, 8, scan) && r.skipStr(scan.asWritten, scan.checkTexts);
}

bool cardTextsComeBack(std::string_view block) {
    BinaryReader r(block);
    CardBlockScan scan;
    return r.skip(8) && skipCardBody(r, scan) && scan.asWritten;
}

}  // namespace kakeibo
