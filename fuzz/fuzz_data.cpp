// The data file reader on arbitrary bytes: it never crashes, reads nothing
// past the end, allocates only what the bytes can hold, and whatever it
// keeps (all of a good file, or the part before a fault) is written again
// as a file that reads completely and is a fixed point of reading and
// writing. The cards of a file whose layout is found decode apart to the
// same cards, and writing them as read gives the encoder's very bytes.

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "storage/BinaryStream.h"
#include "storage/CardBlock.h"
#include "storage/CardList.h"
#include "storage/DataFile.h"

using namespace kakeibo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    DataImage first;
    ReadOutcome outcome = decodeDataFile(bytes, first);
    if (outcome == ReadOutcome::VersionTooNew) {
        if (!first.cards.empty() || !first.credit.empty() || !first.note.empty()) std::abort();
        return 0;
    }
    // Where the layout is found (a file read without repair), the cards
    // decoded apart are the same (as bytes: an amount may be a NaN, which
    // equals nothing), and the file written with its cards as read is
    // byte for byte the file the encoder writes from the cards decoded:
    // all of them as read, and with one card changed (encoded) among them.
    // The layout is the start's, whose scan leaves the texts to the card
    // list; where the whole scan finds it too, every card is written as read.
    if (std::optional<DataFileLayout> layout = scanDataFile(bytes, TextScan::LeftToCardList)) {
        const bool everyTextAsRead = scanDataFile(bytes).has_value();
        if (outcome != ReadOutcome::Ok || layout->cards.size() != first.cards.size()) std::abort();
        const std::string whole = encodeDataFile(first);
        CardList cards;
        cards.keepAsRead(std::make_shared<const FileBytes>(bytes), layout->cards);
        const auto writeAsRead = [&] {
            BinaryWriter w(encodeDataFileHead(layout->head, static_cast<std::size_t>(cards.size())));
            cards.writeBlocks(w);
            return w.take();
        };
        if (writeAsRead() != whole) std::abort();
        for (int k = 0; k < cards.size(); ++k) {
            if (everyTextAsRead && !cards.writtenAsRead(k)) std::abort();
        }
        if (!first.cards.empty()) {
            const int k = static_cast<int>(size % first.cards.size());
            // The same content stored back keeps the card's bytes.
            TIndex same = cards.read(k);
            cards.store(k, std::move(same));
            if (writeAsRead() != whole) std::abort();
            TIndex changed = cards.read(k);
            changed.memo += "x\r\n";
            cards.store(k, changed);
            DataImage edited = first;
            edited.cards[static_cast<std::size_t>(k)].memo += "x\r\n";
            if (writeAsRead() != encodeDataFile(edited)) std::abort();
        }
        DataImage apart = std::move(layout->head);
        apart.cards.resize(first.cards.size());
        for (std::size_t k = 0; k < first.cards.size(); ++k) {
            if (!decodeCardBlock(bytes, layout->cards[k].start, apart.cards[k])) std::abort();
        }
        if (encodeDataFile(apart) != whole) std::abort();
    }
    for (std::size_t i = 1; i < first.cards.size(); ++i) {
        if (!(first.cards[i - 1].date < first.cards[i].date)) std::abort();  // strictly ascending
    }
    // Writing maps what has no stored form ("?" for U+FFFD, text after a zero
    // byte dropped) once; from then on reading and writing change nothing.
    const std::string written = encodeDataFile(first);
    DataImage second;
    if (decodeDataFile(written, second) != ReadOutcome::Ok) std::abort();
    if (encodeDataFile(second) != written) std::abort();
    if (second.cards.size() != first.cards.size() || second.credit.size() != first.credit.size()) std::abort();
    return 0;
}
