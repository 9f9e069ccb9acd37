#include "storage/DataFile.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "messages/Messages.h"
#include "sheets/SheetOps.h"
#include "storage/BinaryStream.h"
#include "storage/CardBlock.h"

namespace kakeibo {
namespace {

// The fewest bytes a credit row can take (nine texts, each its length).
constexpr std::size_t kMinCreditRowBytes = kCreditColumns * 4;

std::int32_t storedCount(std::size_t size) {
    // A list longer than a count can say cannot be stored; the sheets never
    // come near this.
    return static_cast<std::int32_t>(std::min<std::size_t>(size, std::numeric_limits<std::int32_t>::max()));
}

bool readCreditRows(BinaryReader& r, std::vector<CreditRow>& out) {
    std::int32_t n = 0;
    if (!r.readInt(n)) return false;
    out.reserve(r.reservationFor(n, kMinCreditRowBytes));
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

ReadOutcome readBody(BinaryReader& r, DataImage& out) {
    std::int32_t m = 0;
    if (!readHead(r, out, m)) return ReadOutcome::Broken;
    out.cards.reserve(r.reservationFor(m, kMinCardBlockBytes));
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

std::optional<DataFileLayout> scanDataFile(std::string_view bytes, TextScan texts) {
    DataFileLayout layout;
    BinaryReader r(bytes);
    std::int32_t m = 0;
    // Another version is written as 50: read with that repair, once.
    if (!r.readInt(layout.head.version) || layout.head.version != kDataFileVersion) return std::nullopt;
    if (!readHead(r, layout.head, m)) return std::nullopt;
    layout.cards.reserve(r.reservationFor(m, kMinCardBlockBytes));
    std::optional<double> previous;
    for (std::int32_t i = 0; i < m; ++i) {
        CardPlace place;
        place.start = r.position();
        if (!r.readDouble(place.date) || !std::isfinite(place.date)) return std::nullopt;
        // Cards out of order are merged by the reader front to back.
        if (previous && !(*previous < place.date)) return std::nullopt;
        previous = place.date;
        CardBlockScan scan;
        scan.checkTexts = texts == TextScan::Whole;
        if (!skipCardBody(r, scan) || !scan.asWritten) return std::nullopt;
        place.size = r.position() - place.start;
        place.calculated = scan.budgetCount > 0;
        layout.cards.push_back(place);
    }
    return layout;
}

std::string encodeDataFileHead(const DataImage& image, std::size_t cardCount, std::size_t reserve) {
    BinaryWriter w;
    w.reserve(reserve);
    w.writeInt(kDataFileVersion);
    w.writeDouble(image.startDate);
    w.writeByte(0);
    w.writeInt(storedCount(image.credit.size()));
    for (const CreditRow& row : image.credit) {
        for (const std::string& cell : row) w.writeStr(cell);
    }
    w.writeLongStr(image.note);
    w.writeInt(storedCount(cardCount));
    return w.take();
}

std::string encodeDataFile(const DataImage& image) {
    BinaryWriter w(encodeDataFileHead(image, image.cards.size()));
    for (const TIndex& card : image.cards) writeCardBlock(w, card);
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

DataFileRead readDataFileBytes(FileBytes bytes, const std::string& path, CardReading cards) {
    DataFileRead read;
    read.fileRead = true;
    if (cards == CardReading::KeptAsRead) {
        if (std::optional<DataFileLayout> layout = scanDataFile(bytes.view(), TextScan::LeftToCardList)) {
            read.outcome = ReadOutcome::Ok;
            read.image = std::move(layout->head);
            read.keptCards = std::move(layout->cards);
            read.bytes = std::make_shared<const FileBytes>(std::move(bytes));
            // The kept bytes never change, so their hash later is their
            // hash now; a long book's start does not wait for it.
            read.identity = PendingIdentity::ofKeptBytes(read.bytes, path);
            return read;
        }
    }
    read.identity = identityOf(bytes.view(), path);
    read.outcome = decodeDataFile(bytes.view(), read.image);
    return read;
}

DataFileRead readDataFile(const std::string& path, FileLayer& files, CardReading cards) {
    const std::optional<FileStamp> before = stampOf(path);
    std::optional<FileBytes> bytes = FileBytes::read(path, files);
    if (!bytes) return DataFileRead{};
    const std::optional<FileStamp> after = stampOf(path);
    DataFileRead read = readDataFileBytes(std::move(*bytes), path, cards);
    if (before && before == after && before->size == read.identity.size() && stampSettled(*before, wallClockNs())) {
        read.stamp = before;
    }
    return read;
}

void decodeKeptCards(DataFileRead& read) {
    if (!read.keptCards) return;
    const std::string_view bytes = read.bytes->view();
    std::vector<TIndex>& cards = read.image.cards;
    cards.resize(read.keptCards->size());
    for (std::size_t k = 0; k < cards.size(); ++k) {
        if (!decodeCardBlock(bytes, (*read.keptCards)[k].start, cards[k])) {
            // The scan said it would: the reader front to back decides.
            read.outcome = decodeDataFile(bytes, read.image);
            break;
        }
    }
    read.keptCards.reset();
    read.bytes.reset();
}

ReadOutcome reportDataFileMessages(const DataFileRead& read, UiPort& ui) {
    if (!read.fileRead) {
        reportDataReadFailure(ui);
        return ReadOutcome::Broken;
    }
    if (read.outcome == ReadOutcome::VersionTooNew) {
        msgVersion(ui, read.image.version);
    } else if (read.outcome == ReadOutcome::Broken) {
        reportDataReadFailure(ui);
    }
    return read.outcome;
}

ReadOutcome reportDataFileRead(DataFileRead&& read, DataImage& out, UiPort& ui) {
    decodeKeptCards(read);
    const ReadOutcome outcome = reportDataFileMessages(read, ui);
    out = read.fileRead ? std::move(read.image) : DataImage{};
    return outcome;
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
