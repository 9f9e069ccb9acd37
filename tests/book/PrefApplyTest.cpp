#include "book/PrefApply.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "messages/Messages.h"
#include "support/ScriptedUi.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

// Fills every setting of the page with a text of its own.
void fillSettings(Book& book) {
    for (int r = 1; r < book.GridSetGenkinOut.rowCount(); ++r) {
        book.GridSetGenkinOut.setCell(0, r, "食費" + std::to_string(r) + "①");
        book.GridSetGenkinOut.setCell(1, r, std::to_string(r * 1000));
    }
    book.GridSetGenkinIn.setCell(0, 3, "～給料＼");
    book.GridSetChokin.setCell(0, 1, "20000");
    book.GridSetSonota.setCell(1, 1, "25");
    book.GridSetSonota.setCell(1, 2, "みらぶ￢");
    for (int r = 1; r <= 4; ++r) book.GridSetRowNum.setCell(1, r, std::to_string(10 + r));
    book.EditBank = {"郵便局", "", "①銀行", "ＵＦＪ"};
    for (int k = 0; k < 4; ++k) {
        Sheet& koza = book.setKoza(k);
        for (int c = 0; c < 7; ++c) koza.setCell(c, 1 + k, "振替" + std::to_string(k) + std::to_string(c));
    }
    book.GridSetTax.setCell(1, 1, "10");
    book.GridShokiGenkin.setCell(1, 0, "5000");
    for (int c = 1; c <= 4; ++c) {
        book.GridShokiKoza.setCell(c, 1, std::to_string(c * 100));
        book.GridShokiKoza.setCell(c, 2, std::to_string(-c));
    }
    book.GridShokiChokin.setCell(1, 0, "300");
    book.rdBtnWinDentaku = true;
    book.rdBtnMyDentaku = false;
    book.chkBoxRedText = true;
    book.chkBoxComma = true;
    book.chkBoxKozaAuto = true;
    book.chkBoxFloat = true;
    book.chkBoxShokichiUse = true;
    book.chkBoxKozaShift = true;
}

std::string roundTrip(const Book& from) { return encodePrefFile(prefImageFromBook(from)); }

void applyBytes(const std::string& bytes, Book& to) {
    PrefImage image;
    decodePrefFile(bytes, image);
    applyPrefImage(image, to);
}

void setVersion(std::string& bytes, std::int32_t version) {
    for (int i = 0; i < 4; ++i) bytes[static_cast<std::size_t>(i)] = static_cast<char>((version >> (8 * i)) & 0xFF);
}

TEST(PrefApply, EverySettingRoundTripsAndHeadersStay) {
    ScriptedUi ui;
    Book written(ui);
    fillSettings(written);
    Book read(ui);
    read.GridSetGenkinOut.setCell(0, 0, "現金支出科目");
    read.GridShokiKoza.setCell(1, 0, "第１口座");
    applyBytes(roundTrip(written), read);

    EXPECT_EQ(prefImageFromBook(read), prefImageFromBook(written));
    EXPECT_EQ(read.GridSetGenkinOut.cell(0, 34), "食費34①");
    EXPECT_EQ(read.GridSetSonota.cell(1, 2), "みらぶ￢");
    EXPECT_EQ(read.EditBank[2], "①銀行");
    EXPECT_EQ(read.GridShokiKoza.cell(4, 2), "-4");
    EXPECT_TRUE(read.chkBoxKozaShift);
    // Row 0 is not stored and not touched; GridShokiKoza's header row holds no setting.
    EXPECT_EQ(read.GridSetGenkinOut.cell(0, 0), "現金支出科目");
    EXPECT_EQ(read.GridShokiKoza.cell(1, 0), "第１口座");

    // The calculator pair is set from one flag, either way.
    EXPECT_TRUE(read.rdBtnWinDentaku);
    EXPECT_FALSE(read.rdBtnMyDentaku);
    written.rdBtnWinDentaku = false;
    applyBytes(roundTrip(written), read);
    EXPECT_FALSE(read.rdBtnWinDentaku);
    EXPECT_TRUE(read.rdBtnMyDentaku);
}

TEST(PrefApply, SheetRecordsUseTheFilesSizeAndKeepTheSheetsSize) {
    ScriptedUi ui;
    Book written(ui);
    written.GridSetKoza0.setRowCount(31);
    written.GridSetKoza0.setCell(3, 30, "カード");
    written.GridSetGenkinIn.setRowCount(3);
    written.GridSetGenkinIn.setCell(0, 2, "給料");

    Book read(ui);
    read.GridSetKoza0.setRowCount(9);
    read.GridSetGenkinIn.setCell(0, 2, "古い");
    read.GridSetGenkinIn.setCell(0, 10, "残る");
    applyBytes(roundTrip(written), read);

    // More rows than the sheet has: kept beyond the row count, shown when it grows.
    EXPECT_EQ(read.GridSetKoza0.rowCount(), 9);
    EXPECT_EQ(read.GridSetKoza0.cell(3, 30), "カード");
    read.GridSetKoza0.setRowCount(31);
    EXPECT_EQ(read.GridSetKoza0.cell(3, 30), "カード");
    // Fewer rows: the covered cells are replaced, the others keep their text.
    EXPECT_EQ(read.GridSetGenkinIn.rowCount(), 20);
    EXPECT_EQ(read.GridSetGenkinIn.cell(0, 2), "給料");
    EXPECT_EQ(read.GridSetGenkinIn.cell(0, 10), "残る");
}

TEST(PrefApply, OlderVersionsLeaveTheLaterSettingsAsTheyWere) {
    ScriptedUi ui;
    Book written(ui);
    fillSettings(written);
    PrefImage image = prefImageFromBook(written);
    std::string v40 = encodePrefFile(image);
    v40.pop_back();  // item 20
    setVersion(v40, 40);
    // Items 14 to 20 absent are written in their empty form: 58 bytes at the end.
    PrefImage withoutLaterItems = image;
    withoutLaterItems.floatDigits.reset();
    withoutLaterItems.taxRate.reset();
    withoutLaterItems.shokichiUse.reset();
    withoutLaterItems.shokiGenkin.reset();
    withoutLaterItems.shokiKoza.reset();
    withoutLaterItems.shokiChokin.reset();
    withoutLaterItems.kozaShift.reset();
    std::string v30 = encodePrefFile(withoutLaterItems);
    v30.resize(v30.size() - 58);
    setVersion(v30, 30);

    Book read(ui);
    read.chkBoxKozaShift = false;
    read.chkBoxFloat = false;
    read.GridSetTax.setCell(1, 1, "8");
    read.GridShokiKoza.setCell(2, 2, "前の値");
    applyBytes(v30, read);
    EXPECT_EQ(read.EditBank, written.EditBank);
    EXPECT_EQ(read.GridSetKoza3.cell(6, 4), "振替36");
    EXPECT_FALSE(read.chkBoxFloat);
    EXPECT_EQ(read.GridSetTax.cell(1, 1), "8");
    EXPECT_EQ(read.GridShokiKoza.cell(2, 2), "前の値");
    EXPECT_FALSE(read.chkBoxKozaShift);

    applyBytes(v40, read);
    EXPECT_TRUE(read.chkBoxFloat);
    EXPECT_EQ(read.GridSetTax.cell(1, 1), "10");
    EXPECT_EQ(read.GridShokiKoza.cell(2, 2), "-2");
    EXPECT_EQ(read.GridShokiChokin.cell(1, 0), "300");
    EXPECT_FALSE(read.chkBoxKozaShift);
}

TEST(PrefApply, LoadingKeepsThePageOnALaterVersionAndTheItemsBeforeAFault) {
    TempDir dir;
    ScriptedUi ui;
    Book written(ui);
    fillSettings(written);
    std::string bytes = roundTrip(written);

    Book read(ui);
    const PrefImage untouched = prefImageFromBook(read);
    std::string newer = bytes;
    setVersion(newer, 60);
    dir.write("new.prf", newer);
    EXPECT_EQ(loadPrefIntoBook(dir.file("new.prf"), read), ReadOutcome::VersionTooNew);
    EXPECT_EQ(ui.texts(), std::vector<std::string>{versionMessageText(60)});
    EXPECT_EQ(prefImageFromBook(read), untouched);

    // Cut inside the second account sheet: the first account and all before it are read.
    ui.clear();
    std::size_t endOfKoza0 = 0;
    for (PrefImage image; !image.koza[0]; ++endOfKoza0) decodePrefFile(std::string_view(bytes).substr(0, endOfKoza0), image);
    dir.write("cut.prf", bytes.substr(0, endOfKoza0 + 20));
    EXPECT_EQ(loadPrefIntoBook(dir.file("cut.prf"), read), ReadOutcome::Broken);
    EXPECT_EQ(ui.texts().size(), 3u);
    EXPECT_EQ(read.GridSetSonota.cell(1, 2), "みらぶ￢");
    EXPECT_EQ(read.EditBank, written.EditBank);
    EXPECT_EQ(read.GridSetGenkinOut.cell(0, 34), "食費34①");
    EXPECT_EQ(read.GridSetKoza0.cell(6, 1), "振替06");
    EXPECT_TRUE(read.GridSetKoza1.cell(0, 2).empty());
    EXPECT_FALSE(read.chkBoxKozaShift);
    EXPECT_TRUE(read.GridShokiChokin.cell(1, 0).empty());

    // Saving the page and reading it into another book gives the same page.
    ui.clear();
    ASSERT_TRUE(savePrefFromBook(dir.file("Mirab050.prf"), written));
    Book again(ui);
    EXPECT_EQ(loadPrefIntoBook(dir.file("Mirab050.prf"), again), ReadOutcome::Ok);
    EXPECT_EQ(prefImageFromBook(again), prefImageFromBook(written));
    EXPECT_TRUE(ui.texts().empty());
}

}  // namespace
}  // namespace kakeibo
