#pragma once
// The day cards: strictly ascending dates, at most one card a date, and a
// current card, the one the day sheets show. Positions count from 1.
//
// A card read from the data file is kept as the bytes of its block until
// something needs its content (read), and is written back as those bytes
// for as long as nothing changes it: a store of the same content keeps
// them. So a long book costs at the start what its dates cost, and at a
// save what its changed cards cost. A card's bytes are written only where
// they are exactly what the encoder writes for its content: the data
// file's reader keeps no others but for texts whose CP932 would be written
// back otherwise, which the list finds out after the start (KeptTextCheck)
// and writes from their content. So writing a card is writing what the
// encoder writes for it.
//
// Reading is one thread's business at a time, except through decode,
// which shares the work between two threads and returns when both are done.

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/Records.h"
#include "storage/BinaryStream.h"
#include "storage/DataFile.h"
#include "storage/KeptTextCheck.h"

namespace kakeibo {

// A card as a save or a snapshot writes it: its block's bytes when it has
// them, otherwise its content. Shares what it holds, so copying one copies
// no card, and nothing it shares is changed afterwards (a store replaces a
// card's content rather than change it), so it can go to another thread.
struct StoredCard {
    std::shared_ptr<const FileBytes> file;  // holds block
    std::string_view block;
    std::shared_ptr<const TIndex> content;

    void writeTo(BinaryWriter& w) const;
};

class CardList {
public:
    CardList() = default;
    CardList(const CardList&) = delete;
    CardList& operator=(const CardList&) = delete;
    CardList(CardList&&) = default;
    CardList& operator=(CardList&&) = default;

    // --- the list, without decoding anything ------------------------------
    bool empty() const { return slots_.empty(); }
    int size() const { return static_cast<int>(slots_.size()); }
    Date date(int index) const { return slot(index).date; }
    // The card has budget rows: a calculation left them.
    bool calculated(int index) const { return slot(index).calculated; }
    Date firstDate() const { return slots_.front().date; }
    Date lastDate() const { return slots_.back().date; }

    int curIndex() const { return static_cast<int>(cur_); }
    Date curDate() const { return date(curIndex()); }
    void setCurIndex(int index) { cur_ = static_cast<std::size_t>(index); }
    bool curIsFirst() const { return cur_ == 0; }
    bool curIsLast() const { return cur_ + 1 == slots_.size(); }
    bool hasPrev(int index) const { return index > 0; }
    bool hasNext(int index) const { return index + 1 < size(); }
    // 1-based position of a card; the last card's is the count.
    int position(int index) const { return index + 1; }

    // The card of exactly that date.
    std::optional<int> find(Date date) const;
    // The first card on or after date (size() when there is none), so a
    // period's cards are the run from lowerBound(start) while dates <= end.
    int lowerBound(Date date) const;
    // The cards dated start..end, as the indexes first..past-1.
    struct Run {
        int first = 0;
        int past = 0;
    };
    Run within(Date start, Date end) const;

    // --- reading a card's content -----------------------------------------
    // Decoded from its bytes at the first need and kept. Valid until that
    // card is stored or deleted, the list is replaced, or decoded forms are
    // dropped.
    const TIndex& read(int index) const;
    const TIndex& cur() const { return read(curIndex()); }
    const TIndex& first() const { return read(0); }
    const TIndex& last() const { return read(size() - 1); }

    // Decodes the cards first..last-1 that are not decoded yet, half of
    // them on a second thread.
    void decode(int first, int last) const;

    // --- changing cards -----------------------------------------------------
    // Replaces a card's lines, rows and memo (its date stays). Content equal
    // to the card's, bit for bit, changes nothing: the card keeps its bytes.
    void store(int index, TIndex content);

    // Makes one empty card for date the only card (initCardList).
    void init(Date date);
    // Creates an empty card for date in date order and makes it current; the
    // caller guarantees that no card has that date. Returns its index.
    int insert(Date date);
    // Removes the current card: the earlier neighbour becomes current, or
    // the next one when the first card is removed. Refusing the only card
    // is the caller's business.
    void deleteCurrent();
    void clear();

    // Replaces every card with the cards of a data file kept as read; the
    // last card becomes current.
    void keepAsRead(std::shared_ptr<const FileBytes> file, const std::vector<CardPlace>& places);
    // Replaces every card with cards decoded already (a file read with
    // repairs, a test's book): they have no bytes until encoded. The last
    // card becomes current.
    void assign(std::vector<TIndex> cards);

    // --- memory --------------------------------------------------------------
    // Lets the decoded form of every card that has its bytes go, but the
    // current card's.
    void dropDecoded();
    // How many cards are decoded, and how many are kept as their bytes.
    int decodedCount() const;
    int keptAsReadCount() const;
    bool keptAsRead(int index) const { return slot(index).file != nullptr; }
    // Whether a save writes the card as the bytes it was read from.
    bool writtenAsRead(int index) const { return writesAsRead(slot(index)); }

    // --- writing ---------------------------------------------------------------
    StoredCard stored(int index) const;
    // Every card's block in order: its bytes, or its content encoded.
    void writeBlocks(BinaryWriter& w) const;
    // What writeBlocks writes, about (for reserving room).
    std::size_t storedSizeEstimate() const;
    // When every card is written as read and they are the cards of one file
    // in its order, none added or taken out: that file's bytes up to the end
    // of the last card, split where the first card starts.
    struct FileAsRead {
        std::string_view beforeCards;
        std::string_view whole;  // beforeCards, then the cards
    };
    std::optional<FileAsRead> fileAsRead() const;

private:
    struct Slot {
        Date date = 0;
        bool calculated = false;
        std::shared_ptr<const FileBytes> file;  // holds block; none once changed
        std::string_view block;
        mutable std::shared_ptr<const TIndex> content;  // none until decoded
        std::int32_t textCheck = -1;  // its place in textCheck_, if it has one
    };
    const Slot& slot(int index) const { return slots_[static_cast<std::size_t>(index)]; }
    Slot& slot(int index) { return slots_[static_cast<std::size_t>(index)]; }

    bool writesAsRead(const Slot& s) const {
        return s.file && (s.textCheck < 0 || textCheck_->comesBack(static_cast<std::size_t>(s.textCheck)));
    }

    std::vector<Slot> slots_;
    std::size_t cur_ = 0;
    // Of the cards kept by the last keepAsRead.
    std::unique_ptr<KeptTextCheck> textCheck_;
};

// Content equal bit for bit (an amount's sign of zero and a NaN's bits
// count), so equal content is content the encoder writes the same.
bool sameStoredForm(const TIndex& a, const TIndex& b);

}  // namespace kakeibo
