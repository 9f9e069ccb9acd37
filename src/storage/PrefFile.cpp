#include "storage/PrefFile.h"

#include "messages/Messages.h"
#include "storage/BinaryStream.h"

namespace kakeibo {
namespace {

// The files of every version up to 59 share one layout; later ones are not read.
constexpr std::int32_t kNewestReadableVersion = 59;
// Items 14 to 19 came with version 40, item 20 with version 50.
constexpr std::int32_t kFirstVersionWithInitialValues = 40;
constexpr std::int32_t kFirstVersionWithKozaShift = 50;
// A stored text is at least its 4-byte length.
constexpr std::int64_t kMinBytesPerText = 4;

const std::string kNoText;

void writeSheetRecord(BinaryWriter& out, const SheetRecord* sheet) {
    if (sheet == nullptr) {
        out.writeInt(0);
        out.writeInt(0);
        return;
    }
    // A negative count cannot be read back; no sheet has one, but the file
    // stays readable whatever the image says.
    const std::int32_t rows = sheet->rows < 0 ? 0 : sheet->rows;
    const std::int32_t cols = sheet->cols < 0 ? 0 : sheet->cols;
    out.writeInt(rows);
    out.writeInt(cols);
    if (cols == 0) return;  // no cells, however many rows: do not walk them
    for (std::int32_t r = 1; r < rows; ++r) {
        for (std::int32_t k = 0; k < cols; ++k) out.writeStr(sheet->text(k, r));
    }
}

void writeText(BinaryWriter& out, const std::optional<std::string>& text) {
    out.writeStr(text ? *text : kNoText);
}

void writeFlag(BinaryWriter& out, const std::optional<bool>& flag) { out.writeFlag(flag.value_or(false)); }

template <std::size_t N>
void writeTexts(BinaryWriter& out, const std::optional<std::array<std::string, N>>& texts) {
    for (std::size_t i = 0; i < N; ++i) out.writeStr(texts ? (*texts)[i] : kNoText);
}

const SheetRecord* present(const std::optional<SheetRecord>& sheet) { return sheet ? &*sheet : nullptr; }

// Each reader sets its item only when the whole item was read.
bool readSheetRecord(BinaryReader& in, std::optional<SheetRecord>& item) {
    SheetRecord sheet;
    if (!in.readInt(sheet.rows) || !in.readInt(sheet.cols)) return false;
    if (sheet.rows < 0 || sheet.cols < 0) return false;
    const std::int64_t dataRows = sheet.rows > 1 ? sheet.rows - 1 : 0;
    const std::int64_t texts = dataRows * sheet.cols;  // at most 2^62: no overflow
    if (texts > static_cast<std::int64_t>(in.remaining()) / kMinBytesPerText) return false;
    if (texts > 0) {
        sheet.cells.resize(static_cast<std::size_t>(dataRows));
        for (auto& row : sheet.cells) {
            row.resize(static_cast<std::size_t>(sheet.cols));
            for (auto& text : row) {
                if (!in.readStr(text)) return false;
            }
        }
    }
    item = std::move(sheet);
    return true;
}

bool readText(BinaryReader& in, std::optional<std::string>& item) {
    std::string text;
    if (!in.readStr(text)) return false;
    item = std::move(text);
    return true;
}

bool readFlag(BinaryReader& in, std::optional<bool>& item) {
    bool flag = false;
    if (!in.readFlag(flag)) return false;
    item = flag;
    return true;
}

template <std::size_t N>
bool readTexts(BinaryReader& in, std::optional<std::array<std::string, N>>& item) {
    std::array<std::string, N> texts;
    for (auto& text : texts) {
        if (!in.readStr(text)) return false;
    }
    item = std::move(texts);
    return true;
}

bool readItemsOfEveryVersion(BinaryReader& in, PrefImage& image) {
    return readSheetRecord(in, image.genkinOut) && readSheetRecord(in, image.genkinIn) &&
           readText(in, image.chokin) && readText(in, image.shonichi) && readText(in, image.userName) &&
           readFlag(in, image.winDentaku) && readFlag(in, image.redText) && readFlag(in, image.comma) &&
           readFlag(in, image.kozaAuto) && readTexts(in, image.rowCounts) && readTexts(in, image.bankNames) &&
           readSheetRecord(in, image.koza[0]) && readSheetRecord(in, image.koza[1]) &&
           readSheetRecord(in, image.koza[2]) && readSheetRecord(in, image.koza[3]);
}

bool readInitialValueItems(BinaryReader& in, PrefImage& image) {
    return readFlag(in, image.floatDigits) && readText(in, image.taxRate) && readFlag(in, image.shokichiUse) &&
           readText(in, image.shokiGenkin) && readTexts(in, image.shokiKoza) && readText(in, image.shokiChokin);
}

}  // namespace

const std::string& SheetRecord::text(int col, int row) const {
    if (row < 1 || col < 0 || static_cast<std::size_t>(row - 1) >= cells.size()) return kNoText;
    const auto& line = cells[static_cast<std::size_t>(row - 1)];
    if (static_cast<std::size_t>(col) >= line.size()) return kNoText;
    return line[static_cast<std::size_t>(col)];
}

std::string encodePrefFile(const PrefImage& image) {
    BinaryWriter out;
    out.writeInt(kPrefFileVersion);
    writeSheetRecord(out, present(image.genkinOut));
    writeSheetRecord(out, present(image.genkinIn));
    writeText(out, image.chokin);
    writeText(out, image.shonichi);
    writeText(out, image.userName);
    writeFlag(out, image.winDentaku);
    writeFlag(out, image.redText);
    writeFlag(out, image.comma);
    writeFlag(out, image.kozaAuto);
    writeTexts(out, image.rowCounts);
    writeTexts(out, image.bankNames);
    for (const auto& koza : image.koza) writeSheetRecord(out, present(koza));
    writeFlag(out, image.floatDigits);
    writeText(out, image.taxRate);
    writeFlag(out, image.shokichiUse);
    writeText(out, image.shokiGenkin);
    writeTexts(out, image.shokiKoza);
    writeText(out, image.shokiChokin);
    writeFlag(out, image.kozaShift);
    return out.take();
}

ReadOutcome decodePrefFile(std::string_view bytes, PrefImage& image) {
    image = PrefImage{};
    BinaryReader in(bytes);
    std::int32_t version = 0;
    if (!in.readInt(version)) return ReadOutcome::Broken;
    image.version = version;
    if (version > kNewestReadableVersion) return ReadOutcome::VersionTooNew;
    if (!readItemsOfEveryVersion(in, image)) return ReadOutcome::Broken;
    if (version >= kFirstVersionWithInitialValues && !readInitialValueItems(in, image)) return ReadOutcome::Broken;
    if (version >= kFirstVersionWithKozaShift && !readFlag(in, image.kozaShift)) return ReadOutcome::Broken;
    return ReadOutcome::Ok;
}

ReadOutcome loadPref(const std::string& path, PrefImage& image, UiPort& ui, FileLayer& files) {
    image = PrefImage{};
    const std::optional<std::string> bytes = readWholeFile(path, files);
    if (!bytes) {
        reportPrefReadFailure(ui);
        return ReadOutcome::Broken;
    }
    const ReadOutcome outcome = decodePrefFile(*bytes, image);
    if (outcome == ReadOutcome::VersionTooNew) msgVersion(ui, *image.version);
    if (outcome == ReadOutcome::Broken) reportPrefReadFailure(ui);
    return outcome;
}

bool savePref(const std::string& path, const PrefImage& image, UiPort& ui, FileLayer& files) {
    if (saveFileSafely(path, encodePrefFile(image), /*makeBackup=*/false, files)) return true;
    reportWriteFailure(ui);
    return false;
}

}  // namespace kakeibo
