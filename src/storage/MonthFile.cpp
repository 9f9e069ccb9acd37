#include "storage/MonthFile.h"

#include <algorithm>
#include <compare>

#include "messages/Messages.h"
#include "storage/BinaryStream.h"

namespace kakeibo {
namespace {

void writeRecord(BinaryWriter& out, const MonthRecord& record) {
    out.writeDouble(record.key);
    out.writeInt(record.spendCount());
    out.writeInt(record.incomeCount());
    out.writeInt(record.summaryCount());
    for (const TYosan& row : record.spendList) {
        out.writeStr(row.name);
        out.writeDouble(row.amount1);
        out.writeDouble(row.amount2);
    }
    for (const auto* list : {&record.incomeList, &record.summaryList}) {
        for (const TMatome& row : *list) {
            out.writeStr(row.name);
            out.writeDouble(row.amount);
        }
    }
    for (double total : {record.totalSpend, record.totalIncome, record.balance, record.cashTotal,
                         record.accountTotal, record.householdTotal, record.savings, record.unpaidCredit,
                         record.householdChange}) {
        out.writeDouble(total);
    }
}

// The fewest bytes a row and a record take (a text is at least its
// length), so no list is reserved beyond what the file can hold.
constexpr std::size_t kMinTextBytes = 4;
constexpr std::size_t kMinSpendRowBytes = kMinTextBytes + 16;
constexpr std::size_t kMinSummaryRowBytes = kMinTextBytes + 8;
constexpr std::size_t kMinRecordBytes = 8 + 3 * 4 + 9 * 8;

// Rows are appended only when read whole. The loop ends at the first fault,
// and every pass takes bytes, so a count larger than the file is harmless:
// no more is reserved from it than the bytes left can hold.
bool readSpendRows(BinaryReader& in, std::int32_t count, std::vector<TYosan>& list) {
    list.reserve(in.reservationFor(count, kMinSpendRowBytes));
    for (std::int32_t i = 0; i < count; ++i) {
        TYosan row;
        if (!in.readStr(row.name) || !in.readDouble(row.amount1) || !in.readDouble(row.amount2)) return false;
        list.push_back(std::move(row));
    }
    return true;
}

bool readSummaryRows(BinaryReader& in, std::int32_t count, std::vector<TMatome>& list) {
    list.reserve(in.reservationFor(count, kMinSummaryRowBytes));
    for (std::int32_t i = 0; i < count; ++i) {
        TMatome row;
        if (!in.readStr(row.name) || !in.readDouble(row.amount)) return false;
        list.push_back(std::move(row));
    }
    return true;
}

// Everything after the key; what was read before a fault stays in record.
bool readRecordBody(BinaryReader& in, MonthRecord& record) {
    std::int32_t spendCount = 0, incomeCount = 0, summaryCount = 0;
    if (!in.readInt(spendCount) || !in.readInt(incomeCount) || !in.readInt(summaryCount)) return false;
    if (!readSpendRows(in, spendCount, record.spendList)) return false;
    if (!readSummaryRows(in, incomeCount, record.incomeList)) return false;
    if (!readSummaryRows(in, summaryCount, record.summaryList)) return false;
    for (double* total : {&record.totalSpend, &record.totalIncome, &record.balance, &record.cashTotal,
                          &record.accountTotal, &record.householdTotal, &record.savings, &record.unpaidCredit,
                          &record.householdChange}) {
        if (!in.readDouble(*total)) return false;
    }
    return true;
}

// A total order even for keys that are not numbers, which a damaged file
// can hold; sorting with < alone would then be undefined.
bool keyBefore(const MonthRecord& a, const MonthRecord& b) { return std::strong_order(a.key, b.key) < 0; }

}  // namespace

std::string encodeMonthFile(const std::vector<MonthRecord>& records) {
    BinaryWriter out;
    out.writeInt(static_cast<std::int32_t>(records.size()));
    for (const MonthRecord& record : records) writeRecord(out, record);
    return out.take();
}

ReadOutcome decodeMonthFile(std::string_view bytes, std::vector<MonthRecord>& records) {
    records.clear();
    BinaryReader in(bytes);
    std::int32_t count = 0;
    if (!in.readInt(count)) return ReadOutcome::Broken;
    records.reserve(in.reservationFor(count, kMinRecordBytes));
    for (std::int32_t i = 0; i < count; ++i) {
        MonthRecord record;
        if (!in.readDouble(record.key)) return ReadOutcome::Broken;
        const bool whole = readRecordBody(in, record);
        records.push_back(std::move(record));
        if (!whole) return ReadOutcome::Broken;
    }
    return ReadOutcome::Ok;
}

MonthFileRead readMonthFile(const std::string& path, FileLayer& files) {
    MonthFileRead read;
    if (const std::optional<std::string> bytes = readWholeFile(path, files)) {
        read.outcome = decodeMonthFile(*bytes, read.records);
    }
    return read;
}

ReadOutcome reportMonthFileRead(const MonthFileRead& read, UiPort& ui) {
    if (read.outcome != ReadOutcome::Ok) reportMonthReadFailure(ui);
    return read.outcome;
}

ReadOutcome loadMonthFile(const std::string& path, std::vector<MonthRecord>& records, UiPort& ui,
                          FileLayer& files) {
    MonthFileRead read = readMonthFile(path, files);
    records = std::move(read.records);
    return reportMonthFileRead(read, ui);
}

bool saveMonthFile(const std::string& path, const std::vector<MonthRecord>& records, UiPort& ui,
                   FileLayer& files) {
    if (saveFileSafely(path, encodeMonthFile(records), /*makeBackup=*/false, files)) return true;
    reportWriteFailure(ui);
    return false;
}

bool saveMonthFile(const std::string& path, const MonthList& months, UiPort& ui, FileLayer& files) {
    return saveMonthFile(path, months.items(), ui, files);
}

MonthList buildMonthList(std::vector<MonthRecord> records, Date keyWhenEmpty) {
    MonthList months;
    if (records.empty()) {
        months.init(keyWhenEmpty);
        return months;
    }
    std::stable_sort(records.begin(), records.end(), keyBefore);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const bool laterOneHasSameKey = i + 1 < records.size() && records[i + 1].key == records[i].key;
        if (!laterOneHasSameKey) months.append(std::move(records[i]));
    }
    return months;
}

}  // namespace kakeibo
