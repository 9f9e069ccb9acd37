#pragma once
// The data file: the date the data was begun, the credit-card sheet, the
// note page and every day card with its lists and memo.
//
// The encoding and decoding are pure (bytes in memory), so the program,
// the command-line tool and the fuzzers share them; loadData and saveData
// add the file and the messages.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/UiPort.h"
#include "model/Records.h"
#include "sheets/Sheet.h"
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

// Where the card blocks of a data file start, found from the lengths alone
// so the cards can be decoded apart (on two threads at start-up). head
// holds everything before the cards, decoded; its cards are left empty.
struct DataFileLayout {
    DataImage head;
    std::vector<std::size_t> cardStarts;
};
// The layout of a file that decodeDataFile reads as Ok with its cards in
// strictly ascending order; nothing for any other file (a newer version, a
// broken file, cards out of order), which is read whole by decodeDataFile.
std::optional<DataFileLayout> scanDataFile(std::string_view bytes);
// Decodes the card block that starts at start (one of scanDataFile's).
bool decodeCardBlock(std::string_view bytes, std::size_t start, TIndex& card);

// A version the layout of this program can read: up to 59.
inline bool dataVersionReadable(std::int32_t version) { return version / 10 <= 5; }

// The credit sheet's rows 1..lastUsedRow, columns 0..8.
std::vector<CreditRow> creditRowsFromSheet(const Sheet& gridCredit);
// Sets the credit sheet to the header row, the rows and one empty row.
void creditRowsToSheet(const std::vector<CreditRow>& rows, Sheet& gridCredit);

// The data file read and decoded with nothing shown yet, so it can be read
// on another thread; reportDataFileRead shows what loadData would.
struct DataFileRead {
    bool fileRead = false;  // false: the file could not be opened or read
    ReadOutcome outcome = ReadOutcome::Broken;
    DataImage image;
    FileIdentity identity;  // of the bytes read
};
DataFileRead readDataFile(const std::string& path, FileLayer& files = systemFileLayer());
// Shows the messages of a read and moves its image into out.
ReadOutcome reportDataFileRead(DataFileRead&& read, DataImage& out, UiPort& ui);

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
