#pragma once
// One day card's block of the data file, apart from the rest of the file:
// date, five counts, the entry lines, budget rows and summary rows, memo.
// The block is the unit a card is kept in as read until something needs
// its content, and written back as it was when nothing changed it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "model/Records.h"
#include "storage/BinaryStream.h"

namespace kakeibo {

// The fewest bytes a card block can take (date, counts, an empty memo's
// length), so no list is reserved beyond what a file can hold.
inline constexpr std::size_t kMinCardBlockBytes = 8 + 5 * 4 + 4;

// The card's block as the data file holds it.
void writeCardBlock(BinaryWriter& w, const TIndex& card);
std::string encodeCardBlock(const TIndex& card);

// The block after its date: counts, lists, memo. On a fault the card keeps
// the complete items read; its counts are its lists' lengths by design.
bool readCardBody(BinaryReader& r, TIndex& card);

// Decodes the block that starts at start.
bool decodeCardBlock(std::string_view bytes, std::size_t start, TIndex& card);

// What passing over a block finds without decoding it.
struct CardBlockScan {
    std::int32_t budgetCount = 0;  // 0 or less: never calculated
    // The bytes are exactly what writeCardBlock writes for the card that
    // decodeCardBlock reads from them. Not so for a negative count (read as
    // an empty list, written as 0), a text whose length is 0 or whose zero
    // byte is not its last, or CP932 bytes that are written back otherwise.
    bool asWritten = true;
    // Whether asWritten looks at the CP932 of the texts as well (see
    // cardTextsComeBack).
    bool checkTexts = true;
};
// Passes over a block after its date, checking every length as
// readCardBody would.
bool skipCardBody(BinaryReader& r, CardBlockScan& scan);

// Whether every text of a whole block found by a scan without checkTexts
// is written back as the bytes it was read from.
bool cardTextsComeBack(std::string_view block);

}  // namespace kakeibo
