#include "storage/DataFile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "messages/Messages.h"
#include "sheets/SheetOps.h"
#include "storage/BinaryStream.h"

namespace kakeibo {
namespace {

// The fewest bytes each stored item can take (a text takes at least its
// 4-byte length), so no list is reserved beyond what the file can hold.
constexpr std::size_t kMinTextBytes = 4;
constexpr std::size_t kMinCreditRowBytes = kCreditColumns * kMinTextBytes;
constexpr std::size_t kMinEntryBytes = 2 * kMinTextBytes + 8;
constexpr std::size_t kMinBudgetBytes = kMinTextBytes + 16;
constexpr std::size_t kMinSummaryBytes = kMinTextBytes + 8;
constexpr std::size_t kMinCardBytes = 8 + 5 * 4 + kMinTextBytes;

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

void writeCard(BinaryWriter& w, const TIndex& card) {
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

// A stored count: 0 or less is an empty list. The count is not trusted for
// more than the reservation the remaining bytes allow; the items are then
// read one by one, so a file cut short keeps the items before the cut.
std::size_t reservationFor(std::int32_t count, const BinaryReader& r, std::size_t minBytes) {
    if (count <= 0) return 0;
    return std::min(static_cast<std::size_t>(count), r.remaining() / minBytes);
}

bool readEntries(BinaryReader& r, std::int32_t count, std::vector<TKiroku>& out) {
    out.reserve(reservationFor(count, r, kMinEntryBytes));
    for (std::int32_t i = 0; i < count; ++i) {
        TKiroku line;
        if (!r.readStr(line.item) || !r.readStr(line.category) || !r.readDouble(line.amount)) return false;
        out.push_back(std::move(line));
    }
    return true;
}

bool readBudgetRows(BinaryReader& r, std::int32_t count, std::vector<TYosan>& out) {
    out.reserve(reservationFor(count, r, kMinBudgetBytes));
    for (std::int32_t i = 0; i < count; ++i) {
        TYosan row;
        if (!r.readStr(row.name) || !r.readDouble(row.amount1) || !r.readDouble(row.amount2)) return false;
        out.push_back(std::move(row));
    }
    return true;
}

bool readSummaryRows(BinaryReader& r, std::int32_t count, std::vector<TMatome>& out) {
    out.reserve(reservationFor(count, r, kMinSummaryBytes));
    for (std::int32_t i = 0; i < count; ++i) {
        TMatome row;
        if (!r.readStr(row.name) || !r.readDouble(row.amount)) return false;
        out.push_back(std::move(row));
    }
    return true;
}

// The card after its date: counts, lists, memo. On a fault the card keeps
// the complete items read; its counts are its lists' lengths by design.
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

bool readCreditRows(BinaryReader& r, std::vector<CreditRow>& out) {
    std::int32_t n = 0;
    if (!r.readInt(n)) return false;
    out.reserve(reservationFor(n, r, kMinCreditRowBytes));
    for (std::int32_t i = 0; i < n; ++i) {
        CreditRow row;
        bool complete = true;
        for (std::string& cell : row) {
            if (!r.readStr(cell)) {
                complete = false;
                break;
            }
        }
        // A row cut short keeps the cells read: they are what the user typed.
        out.push_back(std::move(row));
        if (!complete) return false;
    }
    return true;
}

// Two blocks of one date (never written by this program) become one card,
// so the one-card-per-date rule holds and nothing the user typed is lost:
// an exact copy is dropped; otherwise the later block's lines are added
// after the earlier's and its memo after the earlier memo. The budget and
// summary rows are results of the day's calculation, which rebuilds them;
// the earlier block's are kept unless it has none.
void mergeSameDay(TIndex& into, TIndex&& other) {
    if (into == other) return;
    auto append = [](auto& to, auto& from) {
        to.insert(to.end(), std::make_move_iterator(from.begin()), std::make_move_iterator(from.end()));
    };
    append(into.spendList, other.spendList);
    append(into.incomeList, other.incomeList);
    append(into.accountList, other.accountList);
    if (into.budgetList.empty()) into.budgetList = std::move(other.budgetList);
    if (into.summaryList.empty()) into.summaryList = std::move(other.summaryList);
    if (!into.memo.empty() && !other.memo.empty() &&
        !(into.memo.size() >= 2 && into.memo.compare(into.memo.size() - 2, 2, "\r\n") == 0)) {
        into.memo += "\r\n";
    }
    into.memo += other.memo;
}

// The card list relies on strictly ascending dates. Blocks out of order are
// sorted (stably, so same-day blocks keep their file order) and same-day
// blocks merged. Only non-finite dates could break the ordering, and the
// reader never lets one in.
void putInDateOrder(std::vector<TIndex>& cards) {
    auto ascending = [](const TIndex& a, const TIndex& b) { return a.date < b.date; };
    auto outOfOrder = [](const TIndex& a, const TIndex& b) { return !(a.date < b.date); };
    bool strictlyAscending = std::adjacent_find(cards.begin(), cards.end(), outOfOrder) == cards.end();
    if (strictlyAscending) return;
    std::stable_sort(cards.begin(), cards.end(), ascending);
    std::vector<TIndex> merged;
    merged.reserve(cards.size());
    for (TIndex& card : cards) {
        if (!merged.empty() && merged.back().date == card.date) {
            mergeSameDay(merged.back(), std::move(card));
        } else {
            merged.push_back(std::move(card));
        }
    }
    cards = std::move(merged);
}

// Everything before the card blocks; m is their count.
bool readHead(BinaryReader& r, DataImage& out, std::int32_t& m) {
    return r.readDouble(out.startDate) && r.readByte(out.headerFlag) && readCreditRows(r, out.credit) &&
           r.readLongStr(out.note) && r.readInt(m);
}

// Passes over count items of fixed numbers after texts, as the readers
// above would read them.
bool skipItems(BinaryReader& r, std::int32_t count, int texts, std::size_t numberBytes) {
    for (std::int32_t i = 0; i < count; ++i) {
        for (int t = 0; t < texts; ++t) {
            if (!r.skipStr()) return false;
        }
        if (!r.skip(numberBytes)) return false;
    }
    return true;
}

// Passes over one card block after its date, checking every length as
// readCardBody would.
bool skipCardBody(BinaryReader& r) {
    std::int32_t spend = 0, income = 0, account = 0, budget = 0, summary = 0;
    return r.readInt(spend) && r.readInt(income) && r.readInt(account) && r.readInt(budget) &&
           r.readInt(summary) && skipItems(r, spend, 2, 8) && skipItems(r, income, 2, 8) &&
           skipItems(r, account, 2, 8) && skipItems(r, budget, 1, 16) && skipItems(r, summary, 1, 8) &&
           r.skipStr();
}

ReadOutcome readBody(BinaryReader& r, DataImage& out) {
    std::int32_t m = 0;
    if (!readHead(r, out, m)) return ReadOutcome::Broken;
    out.cards.reserve(reservationFor(m, r, kMinCardBytes));
    for (std::int32_t i = 0; i < m; ++i) {
        double date = 0;
        if (!r.readDouble(date)) return ReadOutcome::Broken;
        // A day count that is not a number cannot be a day, nor be put in
        // order: the file is broken from here on.
        if (!std::isfinite(date)) return ReadOutcome::Broken;
        TIndex card;
        card.date = date;
        bool complete = readCardBody(r, card);
        out.cards.push_back(std::move(card));
        if (!complete) return ReadOutcome::Broken;
    }
    return ReadOutcome::Ok;
}

}  // namespace

std::optional<DataFileLayout> scanDataFile(std::string_view bytes) {
    DataFileLayout layout;
    BinaryReader r(bytes);
    std::int32_t m = 0;
    if (!r.readInt(layout.head.version) || !dataVersionReadable(layout.head.version)) return std::nullopt;
    if (!readHead(r, layout.head, m)) return std::nullopt;
    layout.cardStarts.reserve(reservationFor(m, r, kMinCardBytes));
    std::optional<double> previous;
    for (std::int32_t i = 0; i < m; ++i) {
        const std::size_t start = r.position();
        double date = 0;
        if (!r.readDouble(date) || !std::isfinite(date)) return std::nullopt;
        // Cards out of order are merged by the reader front to back.
        if (previous && !(*previous < date)) return std::nullopt;
        previous = date;
        if (!skipCardBody(r)) return std::nullopt;
        layout.cardStarts.push_back(start);
    }
    return layout;
}

bool decodeCardBlock(std::string_view bytes, std::size_t start, TIndex& card) {
    if (start > bytes.size()) return false;
    BinaryReader r(bytes.substr(start));
    card = TIndex{};
    return r.readDouble(card.date) && std::isfinite(card.date) && readCardBody(r, card);
}

std::string encodeDataFile(const DataImage& image) {
    BinaryWriter w;
    w.writeInt(kDataFileVersion);
    w.writeDouble(image.startDate);
    w.writeByte(0);
    w.writeInt(storedCount(image.credit.size()));
    for (const CreditRow& row : image.credit) {
        for (const std::string& cell : row) w.writeStr(cell);
    }
    w.writeLongStr(image.note);
    w.writeInt(storedCount(image.cards.size()));
    for (const TIndex& card : image.cards) writeCard(w, card);
    return w.take();
}

ReadOutcome decodeDataFile(std::string_view bytes, DataImage& out) {
    out = DataImage{};
    BinaryReader r(bytes);
    std::int32_t version = 0;
    if (!r.readInt(version)) return ReadOutcome::Broken;
    out.version = version;
    if (!dataVersionReadable(version)) return ReadOutcome::VersionTooNew;
    ReadOutcome outcome = readBody(r, out);
    putInDateOrder(out.cards);
    return outcome;
}

std::vector<CreditRow> creditRowsFromSheet(const Sheet& gridCredit) {
    int n = lastUsedRow(gridCredit);
    std::vector<CreditRow> rows;
    if (n <= 0) return rows;
    rows.resize(static_cast<std::size_t>(n));
    for (int r = 1; r <= n; ++r) {
        for (int c = 0; c < kCreditColumns; ++c) {
            rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)] = gridCredit.cell(c, r);
        }
    }
    return rows;
}

void creditRowsToSheet(const std::vector<CreditRow>& rows, Sheet& gridCredit) {
    // The sheet keeps cells beyond its row count and shows them again when
    // it grows, so rows of an earlier file are emptied, not just hidden; the
    // header row stays.
    std::vector<std::string> header;
    for (int c = 0; c < gridCredit.colCount(); ++c) header.push_back(gridCredit.cell(c, 0));
    gridCredit.clearAll();
    for (std::size_t c = 0; c < header.size(); ++c) {
        gridCredit.setCell(static_cast<int>(c), 0, std::move(header[c]));
    }
    const int n = static_cast<int>(std::min<std::size_t>(rows.size(), std::numeric_limits<int>::max() - 2));
    gridCredit.setRowCount(n + 2);
    for (int r = 1; r <= n; ++r) {
        for (int c = 0; c < kCreditColumns; ++c) {
            gridCredit.setCell(c, r, rows[static_cast<std::size_t>(r - 1)][static_cast<std::size_t>(c)]);
        }
    }
}

DataFileRead readDataFile(const std::string& path, FileLayer& files) {
    DataFileRead read;
    std::optional<std::string> bytes = readWholeFile(path, files);
    if (!bytes) return read;
    read.fileRead = true;
    read.identity = identityOf(*bytes, path);
    read.outcome = decodeDataFile(*bytes, read.image);
    return read;
}

ReadOutcome reportDataFileRead(DataFileRead&& read, DataImage& out, UiPort& ui) {
    out = std::move(read.image);
    if (!read.fileRead) {
        out = DataImage{};
        reportDataReadFailure(ui);
        return ReadOutcome::Broken;
    }
    if (read.outcome == ReadOutcome::VersionTooNew) {
        msgVersion(ui, out.version);
    } else if (read.outcome == ReadOutcome::Broken) {
        reportDataReadFailure(ui);
    }
    return read.outcome;
}

ReadOutcome loadData(const std::string& path, DataImage& out, UiPort& ui, FileLayer& files) {
    return reportDataFileRead(readDataFile(path, files), out, ui);
}

bool saveData(const std::string& path, const DataImage& image, UiPort& ui, FileLayer& files) {
    if (saveFileSafely(path, encodeDataFile(image), true, files)) return true;
    reportWriteFailure(ui);
    return false;
}

}  // namespace kakeibo
