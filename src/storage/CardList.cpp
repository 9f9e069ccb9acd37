#include "storage/CardList.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <thread>

#include "storage/CardBlock.h"
#include "storage/ThreadStart.h"

namespace kakeibo {

namespace {

bool sameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

bool sameLines(const std::vector<TKiroku>& a, const std::vector<TKiroku>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TKiroku& x, const TKiroku& y) {
        return sameBits(x.amount, y.amount) && x.item == y.item && x.category == y.category;
    });
}

bool sameBudget(const std::vector<TYosan>& a, const std::vector<TYosan>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TYosan& x, const TYosan& y) {
        return sameBits(x.amount1, y.amount1) && sameBits(x.amount2, y.amount2) && x.name == y.name;
    });
}

bool sameSummary(const std::vector<TMatome>& a, const std::vector<TMatome>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const TMatome& x, const TMatome& y) {
        return sameBits(x.amount, y.amount) && x.name == y.name;
    });
}

// A block the scan found whole cannot fail to decode; should it all the
// same, the card is its date with nothing on it rather than a read past
// what was kept.
std::shared_ptr<const TIndex> decodeBlock(std::string_view block, Date date) {
    auto card = std::make_shared<TIndex>();
    if (!decodeCardBlock(block, 0, *card)) {
        *card = TIndex{};
        card->date = date;
    }
    return card;
}

}  // namespace

bool sameStoredForm(const TIndex& a, const TIndex& b) {
    return sameBits(a.date, b.date) && sameLines(a.spendList, b.spendList) && sameLines(a.incomeList, b.incomeList) &&
           sameLines(a.accountList, b.accountList) && sameBudget(a.budgetList, b.budgetList) &&
           sameSummary(a.summaryList, b.summaryList) && a.memo == b.memo;
}

void StoredCard::writeTo(BinaryWriter& w) const {
    if (file) {
        w.writeRaw(block);
    } else if (content) {
        writeCardBlock(w, *content);
    }
}

std::optional<int> CardList::find(Date date) const {
    const int index = lowerBound(date);
    if (index == size() || slot(index).date != date) return std::nullopt;
    return index;
}

int CardList::lowerBound(Date date) const {
    const auto it =
        std::lower_bound(slots_.begin(), slots_.end(), date, [](const Slot& s, Date d) { return s.date < d; });
    return static_cast<int>(it - slots_.begin());
}

CardList::Run CardList::within(Date start, Date end) const {
    Run run{lowerBound(start), 0};
    run.past = run.first;
    while (run.past < size() && slot(run.past).date <= end) ++run.past;
    return run;
}

const TIndex& CardList::read(int index) const {
    const Slot& s = slot(index);
    if (!s.content) s.content = decodeBlock(s.block, s.date);
    return *s.content;
}

void CardList::decode(int first, int last) const {
    std::vector<const Slot*> wanted;
    for (int i = std::max(first, 0); i < std::min(last, size()); ++i) {
        if (!slot(i).content) wanted.push_back(&slot(i));
    }
    // Each thread decodes into its own places and nothing else is touched
    // until both are done; the second thread takes the later half.
    std::vector<std::shared_ptr<const TIndex>> decoded(wanted.size());
    auto decodeRange = [&](std::size_t from, std::size_t to) {
        for (std::size_t k = from; k < to; ++k) decoded[k] = decodeBlock(wanted[k]->block, wanted[k]->date);
    };
    const std::size_t half = wanted.size() / 2;
    if (wanted.size() < 64) {
        decodeRange(0, wanted.size());
    } else {
        std::thread second;
        if (tryStartThread(second, [&] { decodeRange(half, wanted.size()); })) {
            decodeRange(0, half);
            second.join();
        } else {
            decodeRange(0, wanted.size());
        }
    }
    for (std::size_t k = 0; k < wanted.size(); ++k) wanted[k]->content = std::move(decoded[k]);
}

void CardList::store(int index, TIndex content) {
    Slot& s = slot(index);
    content.date = s.date;
    if (sameStoredForm(read(index), content)) return;
    s.calculated = !content.budgetList.empty();
    s.content = std::make_shared<const TIndex>(std::move(content));
    s.file.reset();
    s.block = {};
}

namespace {

std::shared_ptr<const TIndex> emptyCard(Date date) {
    auto card = std::make_shared<TIndex>();
    card->date = date;
    return card;
}

}  // namespace

void CardList::init(Date date) {
    slots_.clear();
    textCheck_.reset();
    slots_.push_back(Slot{date, false, nullptr, {}, emptyCard(date)});
    cur_ = 0;
}

int CardList::insert(Date date) {
    const auto pos = static_cast<std::size_t>(lowerBound(date));
    slots_.insert(slots_.begin() + static_cast<std::ptrdiff_t>(pos), Slot{date, false, nullptr, {}, emptyCard(date)});
    cur_ = pos;
    return static_cast<int>(pos);
}

void CardList::deleteCurrent() {
    if (slots_.empty()) return;
    slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(cur_));
    if (cur_ > 0) --cur_;
    if (cur_ >= slots_.size()) cur_ = slots_.empty() ? 0 : slots_.size() - 1;
}

void CardList::clear() {
    slots_.clear();
    textCheck_.reset();
    cur_ = 0;
}

namespace {

// Fewer cards are checked when first written, on the writer's thread.
constexpr std::size_t kCardsCheckedInBackground = 256;

}  // namespace

void CardList::keepAsRead(std::shared_ptr<const FileBytes> file, const std::vector<CardPlace>& places) {
    slots_.clear();
    textCheck_.reset();
    slots_.reserve(places.size());
    const std::string_view bytes = file->view();
    std::vector<std::string_view> blocks;
    blocks.reserve(places.size());
    for (const CardPlace& place : places) {
        const std::string_view block = bytes.substr(place.start, place.size);
        slots_.push_back(
            Slot{place.date, place.calculated, file, block, nullptr, static_cast<std::int32_t>(blocks.size())});
        blocks.push_back(block);
    }
    const bool inBackground = blocks.size() >= kCardsCheckedInBackground;
    textCheck_ = std::make_unique<KeptTextCheck>(std::move(file), std::move(blocks), inBackground);
    cur_ = slots_.empty() ? 0 : slots_.size() - 1;
}

void CardList::assign(std::vector<TIndex> cards) {
    slots_.clear();
    textCheck_.reset();
    slots_.reserve(cards.size());
    for (TIndex& card : cards) {
        const Date date = card.date;
        const bool calculated = !card.budgetList.empty();
        slots_.push_back(Slot{date, calculated, nullptr, {}, std::make_shared<const TIndex>(std::move(card))});
    }
    cur_ = slots_.empty() ? 0 : slots_.size() - 1;
}

void CardList::dropDecoded() {
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        if (i != cur_ && slots_[i].file) slots_[i].content.reset();
    }
}

int CardList::decodedCount() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.content; }));
}

int CardList::keptAsReadCount() const {
    return static_cast<int>(std::count_if(slots_.begin(), slots_.end(), [](const Slot& s) { return s.file; }));
}

StoredCard CardList::stored(int index) const {
    const Slot& s = slot(index);
    if (writesAsRead(s)) return StoredCard{s.file, s.block, nullptr};
    read(index);
    return StoredCard{nullptr, {}, s.content};
}

void CardList::writeBlocks(BinaryWriter& w) const {
    for (int i = 0; i < size(); ++i) {
        const Slot& s = slot(i);
        if (writesAsRead(s)) {
            w.writeRaw(s.block);
        } else {
            writeCardBlock(w, read(i));
        }
    }
}

std::optional<CardList::FileAsRead> CardList::fileAsRead() const {
    if (slots_.empty() || !textCheck_ || textCheck_->size() != slots_.size()) return std::nullopt;
    const std::shared_ptr<const FileBytes>& file = slots_.front().file;
    if (!file) return std::nullopt;
    const char* next = nullptr;
    for (std::size_t i = 0; i < slots_.size(); ++i) {
        const Slot& s = slots_[i];
        // Its place among the cards read is its place in the list.
        if (s.file != file || s.textCheck != static_cast<std::int32_t>(i) || !writesAsRead(s)) return std::nullopt;
        if (next && s.block.data() != next) return std::nullopt;
        next = s.block.data() + s.block.size();
    }
    const std::string_view bytes = file->view();
    const auto cardsStart = static_cast<std::size_t>(slots_.front().block.data() - bytes.data());
    return FileAsRead{bytes.substr(0, cardsStart), bytes.substr(0, static_cast<std::size_t>(next - bytes.data()))};
}

std::size_t CardList::storedSizeEstimate() const {
    std::size_t bytes = 0;
    for (const Slot& s : slots_) bytes += s.file ? s.block.size() : 1024;
    return bytes;
}

}  // namespace kakeibo
