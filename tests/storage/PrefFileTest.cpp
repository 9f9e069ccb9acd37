#include "storage/PrefFile.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "messages/Messages.h"
#include "support/FailingFileLayer.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

const std::vector<std::string> kPrefReadFailure = {
    "みらぶの家計簿の設定ファイルではないか、ファイルが壊れています",
    "動作が不安定になるので、いったん終了してください",
    "エラーが続くようなら設定ファイル（Mirab0.50.prf）を削除してください",
};
const std::vector<std::string> kWriteFailure = {
    "ファイル書き込みに失敗しました",
    "動作が不安定になるので、いったん終了してください",
};

SheetRecord sheetOf(int rows, int cols, const std::string& seed) {
    SheetRecord sheet{rows, cols, {}};
    for (int r = 1; r < rows; ++r) {
        sheet.cells.emplace_back();
        for (int k = 0; k < cols; ++k) {
            sheet.cells.back().push_back((r + k) % 3 == 0 ? "" : seed + std::to_string(r) + "①～＼￢");
        }
    }
    return sheet;
}

// Every item present, texts with full-width and CP932-only characters.
PrefImage fullImage() {
    PrefImage image;
    image.version = 50;
    image.genkinOut = sheetOf(35, 2, "食費");
    image.genkinIn = sheetOf(20, 1, "給料");
    image.chokin = "10000";
    image.shonichi = "25";
    image.userName = "みらぶ　太郎";
    image.winDentaku = true;
    image.redText = true;
    image.comma = false;
    image.kozaAuto = true;
    image.rowCounts = std::array<std::string, 4>{"30", "20", "", "8"};
    image.bankNames = std::array<std::string, 4>{"郵便局", "", "①銀行", "＼￢"};
    for (int k = 0; k < 4; ++k) image.koza[static_cast<std::size_t>(k)] = sheetOf(9 + k, 7, "振替");
    image.floatDigits = true;
    image.taxRate = "10";
    image.shokichiUse = true;
    image.shokiGenkin = "5000";
    image.shokiKoza = std::array<std::string, 8>{"1", "2", "", "4", "-5", "6.5", "7", ""};
    image.shokiChokin = "～";
    image.kozaShift = true;
    return image;
}

std::int32_t le32At(const std::string& bytes, std::size_t at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return static_cast<std::int32_t>(v);
}

void setVersion(std::string& bytes, std::int32_t version) {
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((version >> (8 * i)) & 0xFF);
}

// The bytes of items 14 to 20 when every text there is empty.
constexpr std::size_t kEmptyItems14To20 = 1 + 5 + 1 + 5 + 8 * 5 + 5 + 1;

TEST(PrefFile, EveryItemRoundTripsWithJapaneseTexts) {
    const PrefImage image = fullImage();
    const std::string bytes = encodePrefFile(image);
    EXPECT_EQ(le32At(bytes, 0), 50);
    PrefImage read;
    ASSERT_EQ(decodePrefFile(bytes, read), ReadOutcome::Ok);
    EXPECT_EQ(read, image);
}

TEST(PrefFile, LayoutIsByteExact) {
    // An image with nothing in it writes every item in its empty form.
    const std::string empty = encodePrefFile(PrefImage{});
    EXPECT_EQ(empty.size(), 4u + 2 * 8 + 3 * 5 + 4 + 4 * 5 + 4 * 5 + 4 * 8 + kEmptyItems14To20);
    // The empty user name (item 6, after two empty sheet records and two texts) is length 1 and a zero.
    EXPECT_EQ(empty.substr(30, 5), std::string("\x01\0\0\0\0", 5));

    PrefImage image;
    image.genkinOut = SheetRecord{3, 2, {{"a", "①"}, {"", "c"}}};
    image.userName = "";
    const std::string bytes = encodePrefFile(image);
    EXPECT_EQ(bytes.substr(4, 8), std::string("\x03\0\0\0\x02\0\0\0", 8));
    // Row by row: (0,1) (1,1) (0,2) (1,2); ① is 87 40 in CP932.
    EXPECT_EQ(bytes.substr(12, 6 + 7 + 5 + 6),
              std::string("\x02\0\0\0a\0" "\x03\0\0\0\x87\x40\0" "\x01\0\0\0\0" "\x02\0\0\0c\0", 24));
}

TEST(PrefFile, OlderVersionsLackTheLaterItems) {
    PrefImage image = fullImage();
    image.floatDigits.reset();
    image.taxRate.reset();
    image.shokichiUse.reset();
    image.shokiGenkin.reset();
    image.shokiKoza.reset();
    image.shokiChokin.reset();
    image.kozaShift.reset();
    std::string full = encodePrefFile(image);

    std::string v30 = full.substr(0, full.size() - kEmptyItems14To20);
    setVersion(v30, 30);
    PrefImage read;
    ASSERT_EQ(decodePrefFile(v30, read), ReadOutcome::Ok);
    image.version = 30;
    EXPECT_EQ(read, image);

    PrefImage withInitialValues = fullImage();
    withInitialValues.kozaShift.reset();
    std::string v40 = encodePrefFile(withInitialValues);
    v40.pop_back();
    setVersion(v40, 40);
    ASSERT_EQ(decodePrefFile(v40, read), ReadOutcome::Ok);
    withInitialValues.version = 40;
    EXPECT_EQ(read, withInitialValues);
}

TEST(PrefFile, LaterVersionIsNotRead) {
    std::string bytes = encodePrefFile(fullImage());
    setVersion(bytes, 60);
    PrefImage read = fullImage();
    EXPECT_EQ(decodePrefFile(bytes, read), ReadOutcome::VersionTooNew);
    PrefImage onlyVersion;
    onlyVersion.version = 60;
    EXPECT_EQ(read, onlyVersion);

    setVersion(bytes, 59);
    EXPECT_EQ(decodePrefFile(bytes, read), ReadOutcome::Ok);
}

// Lists which items are present, in file order.
std::vector<bool> presence(const PrefImage& i) {
    std::vector<bool> p = {i.version.has_value(),  i.genkinOut.has_value(), i.genkinIn.has_value(),
                           i.chokin.has_value(),   i.shonichi.has_value(),  i.userName.has_value(),
                           i.winDentaku.has_value(), i.redText.has_value(), i.comma.has_value(),
                           i.kozaAuto.has_value(), i.rowCounts.has_value(), i.bankNames.has_value()};
    for (const auto& koza : i.koza) p.push_back(koza.has_value());
    for (bool b : {i.floatDigits.has_value(), i.taxRate.has_value(), i.shokichiUse.has_value(),
                   i.shokiGenkin.has_value(), i.shokiKoza.has_value(), i.shokiChokin.has_value(),
                   i.kozaShift.has_value()}) {
        p.push_back(b);
    }
    return p;
}

// original with the items that read lacks taken out.
PrefImage onlyItemsPresentIn(const PrefImage& read, PrefImage original) {
    auto keep = [](const auto& readItem, auto& item) {
        if (!readItem) item.reset();
    };
    keep(read.version, original.version);
    keep(read.genkinOut, original.genkinOut);
    keep(read.genkinIn, original.genkinIn);
    keep(read.chokin, original.chokin);
    keep(read.shonichi, original.shonichi);
    keep(read.userName, original.userName);
    keep(read.winDentaku, original.winDentaku);
    keep(read.redText, original.redText);
    keep(read.comma, original.comma);
    keep(read.kozaAuto, original.kozaAuto);
    keep(read.rowCounts, original.rowCounts);
    keep(read.bankNames, original.bankNames);
    for (std::size_t k = 0; k < 4; ++k) keep(read.koza[k], original.koza[k]);
    keep(read.floatDigits, original.floatDigits);
    keep(read.taxRate, original.taxRate);
    keep(read.shokichiUse, original.shokichiUse);
    keep(read.shokiGenkin, original.shokiGenkin);
    keep(read.shokiKoza, original.shokiKoza);
    keep(read.shokiChokin, original.shokiChokin);
    keep(read.kozaShift, original.kozaShift);
    return original;
}

TEST(PrefFile, FileCutAnywhereKeepsTheWholeItemsBeforeTheCut) {
    // Small sheets keep the cuts few; every item is still there.
    PrefImage image = fullImage();
    image.genkinOut = sheetOf(4, 2, "食費");
    image.genkinIn = sheetOf(3, 1, "給料");
    for (int k = 0; k < 4; ++k) image.koza[static_cast<std::size_t>(k)] = sheetOf(2 + k % 2, 7, "振替");
    const std::string bytes = encodePrefFile(image);
    std::size_t previouslyPresent = 0;
    for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
        PrefImage read;
        ASSERT_EQ(decodePrefFile(std::string_view(bytes).substr(0, cut), read), ReadOutcome::Broken) << cut;
        const std::vector<bool> p = presence(read);
        std::size_t present = 0;
        while (present < p.size() && p[present]) ++present;
        for (std::size_t i = present; i < p.size(); ++i) ASSERT_FALSE(p[i]) << "gap before item " << i << " at " << cut;
        ASSERT_GE(present, previouslyPresent) << cut;
        previouslyPresent = present;
        // What was kept is what was written.
        EXPECT_EQ(read, onlyItemsPresentIn(read, image)) << cut;
    }
    EXPECT_EQ(previouslyPresent, presence(image).size() - 1);
}

TEST(PrefFile, AbsurdSheetSizesAreReadErrors) {
    auto fileWithSheet = [](std::int32_t rows, std::int32_t cols) {
        std::string bytes = encodePrefFile(PrefImage{});
        for (int i = 0; i < 4; ++i) {
            bytes[4 + static_cast<std::size_t>(i)] = static_cast<char>((rows >> (8 * i)) & 0xFF);
            bytes[8 + static_cast<std::size_t>(i)] = static_cast<char>((cols >> (8 * i)) & 0xFF);
        }
        return bytes;
    };
    PrefImage read;
    EXPECT_EQ(decodePrefFile(fileWithSheet(-1, 2), read), ReadOutcome::Broken);
    EXPECT_FALSE(read.genkinOut);
    EXPECT_EQ(decodePrefFile(fileWithSheet(3, -2), read), ReadOutcome::Broken);
    EXPECT_EQ(decodePrefFile(fileWithSheet(0x7FFFFFFF, 0x7FFFFFFF), read), ReadOutcome::Broken);
    EXPECT_EQ(decodePrefFile(fileWithSheet(100000, 1), read), ReadOutcome::Broken);
    EXPECT_FALSE(read.genkinOut);
    // No cells follow a sheet of one row or of no columns, however large the other count.
    ASSERT_EQ(decodePrefFile(fileWithSheet(1, 0x7FFFFFFF), read), ReadOutcome::Ok);
    ASSERT_EQ(decodePrefFile(fileWithSheet(0x7FFFFFFF, 0), read), ReadOutcome::Ok);
    EXPECT_EQ(read.genkinOut->rows, 0x7FFFFFFF);
    EXPECT_TRUE(read.genkinOut->cells.empty());
    // Writing it again does not walk the two billion empty rows.
    EXPECT_EQ(encodePrefFile(read), fileWithSheet(0x7FFFFFFF, 0));
}

TEST(PrefFile, LoadReportsVersionAndFaults) {
    TempDir dir;
    ScriptedUi ui;
    PrefImage read;

    std::string newer = encodePrefFile(fullImage());
    setVersion(newer, 60);
    dir.write("new.prf", newer);
    EXPECT_EQ(loadPref(dir.file("new.prf"), read, ui), ReadOutcome::VersionTooNew);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{versionMessageText(60)});

    ui.clear();
    const std::string good = encodePrefFile(fullImage());
    dir.write("cut.prf", good.substr(0, good.size() / 2));
    EXPECT_EQ(loadPref(dir.file("cut.prf"), read, ui), ReadOutcome::Broken);
    EXPECT_EQ(ui.texts(), kPrefReadFailure);
    EXPECT_TRUE(read.genkinOut);

    ui.clear();
    EXPECT_EQ(loadPref(dir.file("missing.prf"), read, ui), ReadOutcome::Broken);
    EXPECT_EQ(ui.texts(), kPrefReadFailure);

    ui.clear();
    dir.write("good.prf", good);
    EXPECT_EQ(loadPref(dir.file("good.prf"), read, ui), ReadOutcome::Ok);
    EXPECT_TRUE(ui.texts().empty());
    EXPECT_EQ(read, fullImage());
}

TEST(PrefFile, FailedSaveKeepsThePreviousFile) {
    TempDir dir;
    ScriptedUi ui;
    const std::string path = dir.file("Mirab050.prf");
    ASSERT_TRUE(savePref(path, fullImage(), ui));
    EXPECT_TRUE(ui.texts().empty());
    const std::optional<std::string> before = dir.read("Mirab050.prf");
    ASSERT_TRUE(before);
    EXPECT_EQ(*before, encodePrefFile(fullImage()));

    for (FileOp op : {FileOp::CreateNew, FileOp::Write, FileOp::Fsync, FileOp::Close, FileOp::Rename}) {
        FailingFileLayer failing;
        failing.failAt(op, 1);
        ui.clear();
        EXPECT_FALSE(savePref(path, PrefImage{}, ui, failing)) << fileOpName(op);
        EXPECT_EQ(ui.texts(), kWriteFailure) << fileOpName(op);
        EXPECT_EQ(dir.read("Mirab050.prf"), before) << fileOpName(op);
        EXPECT_FALSE(dir.exists("Mirab050.bak"));
    }
    FailingFileLayer fullDisk;
    fullDisk.failWritesAfter(10);
    ui.clear();
    EXPECT_FALSE(savePref(path, PrefImage{}, ui, fullDisk));
    EXPECT_EQ(dir.read("Mirab050.prf"), before);

    ui.clear();
    EXPECT_FALSE(savePref(dir.file("no-such-folder/Mirab050.prf"), fullImage(), ui));
    EXPECT_EQ(ui.texts(), kWriteFailure);
}

}  // namespace
}  // namespace kakeibo
