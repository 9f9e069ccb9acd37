#include "storage/IniFile.h"

#include <gtest/gtest.h>

#include "storage/Cp932.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

TEST(IniFileTest, FindsSectionsAndKeysRegardlessOfLetterCase) {
    const IniFile file = IniFile::fromBytes("[form]\r\nLEFT=12\r\n  top = 34 \r\n[Panel]\r\nl0=150\r\n");
    EXPECT_EQ(file.getString("Form", "Left"), "12");
    EXPECT_EQ(file.getString("FORM", "Top"), "34");
    EXPECT_EQ(file.getString("Panel", "L0"), "150");
    EXPECT_EQ(file.getString("Panel", "Left"), "");
    EXPECT_EQ(file.getString("Calc", "Left"), "");
    EXPECT_FALSE(file.value("Calc", "Left"));
}

TEST(IniFileTest, ReadsLfOnlyAndUnterminatedFiles) {
    const IniFile lf = IniFile::fromBytes("[Form]\nLeft=5\nTop=6\n");
    EXPECT_EQ(lf.getString("Form", "Left"), "5");
    EXPECT_EQ(lf.getString("Form", "Top"), "6");
    const IniFile unterminated = IniFile::fromBytes("[Form]\r\nHeight=480");
    EXPECT_EQ(unterminated.getString("Form", "Height"), "480");
}

TEST(IniFileTest, ReadsAsAProfileReadDoes) {
    const IniFile file = IniFile::fromBytes(
        "; Left=1 is only a comment\r\n"
        "Left=2\r\n"  // before any section: belongs to none
        "[Form]\r\n"
        "Left=1234567\r\n"
        "Top=\"77\"\r\n"
        "Height=\r\n"
        "Top=99\r\n"  // a second Top is never seen
        "just words\r\n"
        "[Form]\r\n"
        "Width=700\r\n");  // a repeated section is never seen either
    EXPECT_EQ(file.getString("Form", "Left"), "123456");
    EXPECT_EQ(file.value("Form", "Left"), "1234567");
    EXPECT_EQ(file.getString("Form", "Top"), "77");
    EXPECT_EQ(file.getString("Form", "Height"), "");
    EXPECT_EQ(file.value("Form", "Height"), "");
    EXPECT_EQ(file.getString("Form", "Width"), "");
    EXPECT_EQ(file.getString("Form", "just words"), "");
    EXPECT_EQ(file.entries("form"), (Entries{{"Left", "1234567"}, {"Top", "77"}, {"Height", ""}}));
    EXPECT_EQ(file.sectionNames(), std::vector<std::string>{"Form"});
}

TEST(IniFileTest, DecodesCp932ValuesAndNeverCutsACharacterInTwo) {
    // "テスト" is six CP932 bytes; "あいうえ" eight, of which "あいう" fit.
    const std::string bytes = "[Calc]\r\nName=" + *utf8ToCp932("テスト") + "\r\nLong=" + *utf8ToCp932("あいうえ") +
                              "\r\nMixed=" + *utf8ToCp932("12345あ") + "\r\n";
    const IniFile file = IniFile::fromBytes(bytes);
    EXPECT_EQ(file.getString("Calc", "Name"), "テスト");
    EXPECT_EQ(file.getString("Calc", "Long"), "あいう");
    EXPECT_EQ(file.getString("Calc", "Mixed"), "12345");
    EXPECT_EQ(file.value("Calc", "Long"), "あいうえ");
}

TEST(IniFileTest, FoldsCaseOnlyOnSingleByteCharacters) {
    // The trail bytes of "ア" (83 41) and "ヂ" (83 61) differ only as "A"
    // and "a" do; the two section names must stay apart.
    const std::string upper = *utf8ToCp932("ア");
    const std::string lower = *utf8ToCp932("ヂ");
    ASSERT_EQ(upper, "\x83\x41");
    ASSERT_EQ(lower, "\x83\x61");
    const IniFile file = IniFile::fromBytes("[" + lower + "]\r\nKey=1\r\n[" + upper + "]\r\nKey=2\r\n");
    EXPECT_EQ(file.getString("ア", "Key"), "2");
    EXPECT_EQ(file.getString("ヂ", "Key"), "1");
    // "ゾ" ends in the byte of "]" (83 5D); the header still reads whole.
    const IniFile bracket = IniFile::fromBytes("[" + *utf8ToCp932("ゾ") + "]\r\nKey=3\r\n");
    EXPECT_EQ(bracket.getString("ゾ", "Key"), "3");
}

TEST(IniFileTest, EditsInPlaceAndKeepsEverythingElseByteForByte) {
    const std::string original =
        "; window sizes\r\n"
        "[Form]\r\n"
        "left=10\r\n"
        "Top=20\n"
        "\r\n"
        "; calculator\r\n"
        "[Other]\r\n"
        "B=2\r\n"
        "A=1";
    IniFile file = IniFile::fromBytes(original);
    EXPECT_EQ(file.toBytes(), original);

    ASSERT_TRUE(file.setString("FORM", "Left", "11"));
    ASSERT_TRUE(file.setString("Form", "Height", "480"));
    ASSERT_TRUE(file.setString("Other", "C", "3"));
    ASSERT_TRUE(file.setString("Calc", "Left", "5"));
    EXPECT_EQ(file.toBytes(),
              "; window sizes\r\n"
              "[Form]\r\n"
              "left=11\r\n"
              "Top=20\n"
              "Height=480\r\n"
              "\r\n"
              "; calculator\r\n"
              "[Other]\r\n"
              "B=2\r\n"
              "A=1\r\n"
              "C=3\r\n"
              "\r\n"
              "[Calc]\r\n"
              "Left=5\r\n");
}

TEST(IniFileTest, WritesCp932AndRefusesWhatWouldBreakTheFile) {
    IniFile file;
    ASSERT_TRUE(file.setString("Form", "Name", "家計簿"));
    EXPECT_EQ(file.toBytes(), "[Form]\r\nName=" + *utf8ToCp932("家計簿") + "\r\n");
    EXPECT_EQ(file.value("Form", "Name"), "家計簿");

    const std::string before = file.toBytes();
    EXPECT_FALSE(file.setString("Form", "Name", "a\r\nLeft=1"));
    EXPECT_FALSE(file.setString("Form", "A=B", "1"));
    EXPECT_FALSE(file.setString("Fo]rm", "Left", "1"));
    EXPECT_FALSE(file.setString("Form", "", "1"));
    EXPECT_FALSE(file.setString("Form", " Left", "1"));
    EXPECT_FALSE(file.setString("Form", "Name", "\xF0\x9F\x98\x80"));  // no CP932 form
    EXPECT_EQ(file.toBytes(), before);
}

TEST(IniFileTest, LoadsAndSavesFiles) {
    TempDir dir;
    EXPECT_FALSE(IniFile::load(dir.file("missing.ini")));

    dir.write("a.ini", "[Form]\nLeft=3\n");
    std::optional<IniFile> file = IniFile::load(dir.file("a.ini"));
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->setString("Form", "Top", "4"));
    ASSERT_TRUE(file->save(dir.file("a.ini")));
    EXPECT_EQ(dir.read("a.ini"), "[Form]\nLeft=3\nTop=4\r\n");
    EXPECT_FALSE(dir.exists("a.bak"));
}

}  // namespace
}  // namespace kakeibo
