#pragma once
// The preferences file (".prf"): a copy of the settings page. The file is
// read into and written from a plain image of its twenty items, so that
// the readers, the fuzzer and the command-line dump need no Book; the
// book layer copies the image to and from the settings page.
//
// Layout (version 50): the version, two sheet records, three texts, four
// flags, 4 row-count texts, 4 bank names, 4 sheet records, then (from
// version 40) a flag, a text, a flag, a text, 8 texts, a text and (from
// version 50) a flag.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "messages/UiPort.h"
#include "storage/FileLayer.h"
#include "storage/ReadOutcome.h"

namespace kakeibo {

inline constexpr std::int32_t kPrefFileVersion = 50;

// The whole data area of one settings sheet: its row count R (header row
// included), its column count K, and the texts of rows 1..R-1, columns
// 0..K-1. Row 0, the header, is not stored.
struct SheetRecord {
    std::int32_t rows = 0;
    std::int32_t cols = 0;
    // cells[r - 1][k] is the text of cell (k, r). Empty when R < 2 or K < 1;
    // the encoder writes the empty text for any cell the vectors lack.
    std::vector<std::vector<std::string>> cells;

    const std::string& text(int col, int row) const;
    bool operator==(const SheetRecord&) const = default;
};

// The items of the file in their order. An item is absent when the file
// did not hold it: a read that stopped at a fault keeps exactly the items
// read before it, and a file of an older version lacks the later items.
struct PrefImage {
    std::optional<std::int32_t> version;                  // 1
    std::optional<SheetRecord> genkinOut;                 // 2  GridSetGenkinOut
    std::optional<SheetRecord> genkinIn;                  // 3  GridSetGenkinIn
    std::optional<std::string> chokin;                    // 4  GridSetChokin (0, 1)
    std::optional<std::string> shonichi;                  // 5  GridSetSonota (1, 1)
    std::optional<std::string> userName;                  // 6  GridSetSonota (1, 2)
    std::optional<bool> winDentaku;                       // 7  rdBtnWinDentaku
    std::optional<bool> redText;                          // 8  chkBoxRedText
    std::optional<bool> comma;                            // 9  chkBoxComma
    std::optional<bool> kozaAuto;                         // 10 chkBoxKozaAuto
    std::optional<std::array<std::string, 4>> rowCounts;  // 11 GridSetRowNum (1, 1)..(1, 4)
    std::optional<std::array<std::string, 4>> bankNames;  // 12 EditBank0..3
    // 13: GridSetKoza0..3, each kept on its own so that a fault in one
    // keeps the accounts read before it.
    std::array<std::optional<SheetRecord>, 4> koza;
    std::optional<bool> floatDigits;                      // 14 chkBoxFloat
    std::optional<std::string> taxRate;                   // 15 GridSetTax (1, 1)
    std::optional<bool> shokichiUse;                      // 16 chkBoxShokichiUse
    std::optional<std::string> shokiGenkin;               // 17 GridShokiGenkin (1, 0)
    // 18: GridShokiKoza (1, 1)..(4, 1), then (1, 2)..(4, 2)
    std::optional<std::array<std::string, 8>> shokiKoza;
    std::optional<std::string> shokiChokin;               // 19 GridShokiChokin (1, 0)
    std::optional<bool> kozaShift;                        // 20 chkBoxKozaShift

    bool operator==(const PrefImage&) const = default;
};

// The file's bytes, version 50. An absent item is written as its empty
// form (no cells, the empty text, an unchecked flag), so the file is
// always complete.
std::string encodePrefFile(const PrefImage& image);

// Reads bytes into image (which is cleared first). VersionTooNew (above 59)
// leaves only the version set; Broken keeps the items read before the
// fault. Never reads past the end and never allocates from a count the
// remaining bytes cannot hold.
ReadOutcome decodePrefFile(std::string_view bytes, PrefImage& image);

// Reads the file at path; shows the version message or the three
// read-failure messages itself.
ReadOutcome loadPref(const std::string& path, PrefImage& image, UiPort& ui,
                     FileLayer& files = systemFileLayer());

// Writes the file safely (no backup). A failure shows the two write-failure
// messages, leaves the previous file untouched and gives false; the caller
// goes on with whatever it was doing (at shutdown: the data file).
bool savePref(const std::string& path, const PrefImage& image, UiPort& ui,
              FileLayer& files = systemFileLayer());

}  // namespace kakeibo
