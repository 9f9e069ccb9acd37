#include "storage/WindowLayout.h"

#include <gtest/gtest.h>

#include "storage/FileNames.h"
#include "support/FailingFileLayer.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

TEST(WindowLayoutTest, MissingKeysGiveDefaultsOrLeavePanelsAlone) {
    WindowSizes sizes;
    sizes.L0 = 200;  // as dragged during this run
    const WindowLayout onlyForm = loadWindowLayout(IniFile::fromBytes("[Form]\r\nTop=30\r\nHeight=600\r\n"));
    EXPECT_EQ(onlyForm.left, 100);
    EXPECT_EQ(onlyForm.top, 30);
    EXPECT_EQ(onlyForm.height, 600);
    EXPECT_FALSE(onlyForm.L0);
    EXPECT_FALSE(onlyForm.calcLeft);
    applyWindowLayout(onlyForm, sizes);
    EXPECT_EQ(sizes.left, 100);
    EXPECT_EQ(sizes.top, 30);
    EXPECT_EQ(sizes.L0, 200);
    EXPECT_EQ(sizes.L2, 77);
    EXPECT_EQ(sizes.Koza3, 207);
    EXPECT_EQ(sizes.MonthSummary, 88);

    const WindowLayout empty = loadWindowLayout(IniFile{});
    EXPECT_EQ(empty.left, 100);
    EXPECT_EQ(empty.top, 120);
    EXPECT_EQ(empty.height, 480);
}

TEST(WindowLayoutTest, ValuesAreCutToSixCharactersAndMustBeIntegers) {
    const IniFile file = IniFile::fromBytes(
        "[Form]\r\nLeft=1234567\r\nTop=abc\r\nHeight=12.5\r\n"
        "[Panel]\r\nL0=-40\r\nL2= 90 \r\nR0=+5\r\nR2=\r\nKoza0=99999999999\r\nKoza1=7x\r\nKoza2=+-3\r\n"
        "[Calc]\r\nLeft=310\r\n");
    const WindowLayout layout = loadWindowLayout(file);
    EXPECT_EQ(layout.left, 123456);
    EXPECT_EQ(layout.top, 120);      // not a number: as if absent
    EXPECT_EQ(layout.height, 480);   // not an integer
    EXPECT_EQ(layout.L0, -40);
    EXPECT_EQ(layout.L2, 90);
    EXPECT_EQ(layout.R0, 5);
    EXPECT_FALSE(layout.R2);
    EXPECT_EQ(layout.Koza0, 999999);  // cut before it could overflow
    EXPECT_FALSE(layout.Koza1);
    EXPECT_FALSE(layout.Koza2);
    EXPECT_EQ(layout.calcLeft, 310);
    EXPECT_EQ(loadCalcLeft(file), 310);
}

TEST(WindowLayoutTest, SavingWritesAllThirteenKeysAndKeepsTheRest) {
    IniFile file = IniFile::fromBytes("; mine\r\n[Panel]\r\nr0=1\r\n[Other]\r\nX=y\r\n");
    WindowSizes sizes;
    sizes.left = 5;
    sizes.top = -20;
    sizes.R0 = 160;
    sizes.calcLeft = 640;
    saveWindowLayout(file, sizes);

    const auto entries = allEntries(file);
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries.at("Form").size(), 3u);
    EXPECT_EQ(entries.at("Panel").size(), 9u);
    EXPECT_EQ(entries.at("Calc").size(), 1u);
    EXPECT_EQ(entries.at("Other").at("X"), "y");
    EXPECT_EQ(entries.at("Panel").at("r0"), "160");
    EXPECT_EQ(file.toBytes().substr(0, 8), "; mine\r\n");

    WindowSizes reread;
    applyWindowLayout(loadWindowLayout(file), reread);
    EXPECT_EQ(reread.left, 5);
    EXPECT_EQ(reread.top, -20);
    EXPECT_EQ(reread.R0, 160);
    EXPECT_EQ(reread.Koza2, 100);
    EXPECT_EQ(reread.calcLeft, 640);
}

TEST(WindowLayoutTest, TheFileIsCreatedOrUpdated) {
    TempDir dir;
    const std::string path = iniFileName(dir.path());
    WindowSizes sizes;
    sizes.height = 555;
    ASSERT_TRUE(writeWindowLayoutFile(path, sizes));
    std::optional<IniFile> written = IniFile::load(path);
    ASSERT_TRUE(written);
    EXPECT_EQ(written->getString("Form", "Height"), "555");
    EXPECT_EQ(written->getString("Panel", "MonthSummary"), "88");

    dir.write("Mirab050.ini", "[Notes]\nkeep=me\n");
    ASSERT_TRUE(writeWindowLayoutFile(path, sizes));
    EXPECT_EQ(dir.read("Mirab050.ini")->substr(0, 16), "[Notes]\nkeep=me\n");

    // A file that cannot be read is not replaced by one that lacks its contents.
    const std::string before = *dir.read("Mirab050.ini");
    FailingFileLayer unreadable;
    unreadable.failAt(FileOp::OpenForReading, 1);
    sizes.height = 600;
    EXPECT_FALSE(writeWindowLayoutFile(path, sizes, unreadable));
    EXPECT_EQ(dir.read("Mirab050.ini"), before);

    FailingFileLayer fullDisk;
    fullDisk.failWritesAfter(10);
    EXPECT_FALSE(writeWindowLayoutFile(path, sizes, fullDisk));
    EXPECT_EQ(dir.read("Mirab050.ini"), before);
}

}  // namespace
}  // namespace kakeibo
