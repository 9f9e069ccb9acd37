#pragma once
// The data file: the date the data was begun, the credit-card sheet, the
// note page and every day card with its lists and memo.
//
// The encoding and decoding are pure (bytes in memory), so the program,
// the command-line tool and the fuzzers share them; loadData and saveData
// add the file and the messages.

#include <array>
#include <memory>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/UiPort.h"
#include "model/Records.h"
#include "sheets/Sheet.h"
#include "storage/FileBytes.h"
#include "storage/FileIdentity.h"
#include "storage/FileLayer.h"
#include "storage/ReadOutcome.h"

namespace kakeibo {

inline constexpr std::int32_t kDataFileVersion = 50;
inline constexpr int kCreditColumns = 9;
using CreditRow = std::array<std::string, kCreditColumns>;

// Everything the data file holds, as the program keeps it in memory.
struct DataImage {
    std::int32_t version = kDataFileVersion;  // as read; always written as 50
    Date startDate = 0;
    std::uint8_t headerFlag = 0;  // as read; always written as 0
    std::vector<CreditRow> credit;  // sheet rows 1..n
    std::string note;
    std::vector<TIndex> cards;  // strictly ascending dates

    bool operator==(const DataImage&) const = default;
};

std::string encodeDataFile(const DataImage& image);

// Reads bytes into out (which is replaced). VersionTooNew: only out.version
// is set. Broken: out holds what was read before the fault: the cards
// completed before it and the complete lines of the card being read, every
// count equal to its list. Cards out of date order are put in order; two
// cards of one date become one card (see DataFile.cpp).
ReadOutcome decodeDataFile(std::string_view bytes, DataImage& out);

// Where one card block of a data file lies, and what is known of the card
// without decoding it.
struct CardPlace {
    std::size_t start = 0;
    std::size_t size = 0;
    Date date = 0;
    bool calculated = false;  // it has budget rows
};

// Where the card blocks of a data file lie, found from the lengths alone so
// the cards can be kept as read and decoded apart. head holds everything
// before the cards, decoded; its cards are left empty.
struct DataFileLayout {
    DataImage head;
    std::vector<CardPlace> cards;
};
// The layout of a file that this program reads with no repair at all:
// version 50, cards in strictly ascending order, and every card block
// exactly what writeCardBlock writes for the card read from it. Nothing
// for any other file (a newer or older version, a broken file, cards out of
// order or of one day, a card the reader would write otherwise), which is
// read whole by decodeDataFile and written whole once.
//
// Whether a text's CP932 comes back as it is takes the longest to find, so
// with TextScan::LeftToCardList the scan leaves it to the card list that
// keeps the cards (see CardList): a card whose texts would be written back
// otherwise is then written from its content, which is what the encoder
// writes for it.
enum class TextScan { Whole, LeftToCardList };
std::optional<DataFileLayout> scanDataFile(std::string_view bytes, TextScan texts = TextScan::Whole);

// Everything before the card blocks, for cardCount cards; the blocks
// follow as writeCardBlock writes them (or as read, for a card unchanged).
std::string encodeDataFileHead(const DataImage& image, std::size_t cardCount, std::size_t reserve = 0);

// A version the layout of this program can read: up to 59.
inline bool dataVersionReadable(std::int32_t version) { return version / 10 <= 5; }

// The credit sheet's rows 1..lastUsedRow, columns 0..8.
std::vector<CreditRow> creditRowsFromSheet(const Sheet& gridCredit);
// Sets the credit sheet to the header row, the rows and one empty row.
void creditRowsToSheet(const std::vector<CreditRow>& rows, Sheet& gridCredit);

// The data file read with nothing shown yet, so it can be read on another
// thread; reportDataFileRead shows what loadData would.
struct DataFileRead {
    bool fileRead = false;  // false: the file could not be opened or read
    ReadOutcome outcome = ReadOutcome::Broken;
    // The head, and the cards decoded unless they were kept as read.
    DataImage image;
    // Of the bytes read; when the cards are kept as read, their hash is
    // taken from the kept bytes at its first need.
    PendingIdentity identity;
    // The file's stamp, when it was settled and the same before and after
    // the read: while the file keeps it, it holds these bytes.
    std::optional<FileStamp> stamp;
    // Kept as read (see scanDataFile, its texts left to the card list): the
    // file's bytes and where each card lies; image.cards is then empty.
    std::shared_ptr<const FileBytes> bytes;
    std::optional<std::vector<CardPlace>> keptCards;
};
enum class CardReading {
    Decoded,     // every card decoded into image.cards
    KeptAsRead,  // the cards kept as their bytes where the file allows it
};
DataFileRead readDataFile(const std::string& path, FileLayer& files = systemFileLayer(),
                          CardReading cards = CardReading::Decoded);
// The same over bytes read already.
DataFileRead readDataFileBytes(FileBytes bytes, const std::string& path, CardReading cards);
inline DataFileRead readDataFileBytes(std::string_view bytes, const std::string& path, CardReading cards) {
    return readDataFileBytes(FileBytes(bytes), path, cards);
}
// Decodes kept cards into image.cards (a card that will not decode sends the
// whole file through decodeDataFile).
void decodeKeptCards(DataFileRead& read);
// Shows the messages of a read and moves its image into out, every card
// decoded.
ReadOutcome reportDataFileRead(DataFileRead&& read, DataImage& out, UiPort& ui);
// Shows the messages of a read; how it ended. A read that could not open
// the file is Broken.
ReadOutcome reportDataFileMessages(const DataFileRead& read, UiPort& ui);

// Reads the data file at path. A file that cannot be opened or is broken
// shows the three read-failure messages; a version above 59 shows the
// version message. out is as decodeDataFile leaves it.
ReadOutcome loadData(const std::string& path, DataImage& out, UiPort& ui,
                     FileLayer& files = systemFileLayer());

// Writes image to path safely, the previous file becoming the ".bak". A
// failure shows the two write-failure messages, leaves the previous file
// and ".bak" as they were, and gives false.
bool saveData(const std::string& path, const DataImage& image, UiPort& ui,
              FileLayer& files = systemFileLayer());

}  // namespace kakeibo
