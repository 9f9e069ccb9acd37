#include "storage/Cp932.h"

#include <gtest/gtest.h>

#include "storage/Cp932Detail.h"

namespace kakeibo {
namespace {

TEST(Cp932, WindowsCharactersRoundTripWithTheirCodePage932Bytes) {
    struct Case {
        const char* utf8;
        const char* cp932;
    };
    const Case cases[] = {
        {"①", "\x87\x40"}, {"～", "\x81\x60"}, {"＼", "\x81\x5F"}, {"￢", "\x81\xCA"},
        {"髙", "\xFB\xFC"}, {"家計簿", "\x89\xC6\x8C\x76\x95\xEB"}, {"ｱ", "\xB1"},
        {"a\\~", "a\\~"},  // ASCII stays ASCII: no yen sign, no overline
    };
    for (const Case& c : cases) {
        std::optional<std::string> bytes = utf8ToCp932(c.utf8);
        ASSERT_TRUE(bytes) << c.utf8;
        EXPECT_EQ(*bytes, c.cp932) << c.utf8;
        EXPECT_EQ(cp932ToUtf8(*bytes), c.utf8);
    }
}

TEST(Cp932, TextsWithoutACodePage932FormAreRecognised) {
    EXPECT_FALSE(utf8ToCp932("😀"));
    EXPECT_FALSE(utf8ToCp932("\xFF\xFE"));  // not UTF-8
    EXPECT_FALSE(cp932Length("a😀"));
    EXPECT_EQ(utf8ToCp932Replacing("a😀b"), "a?b");
    EXPECT_EQ(utf8ToCp932Replacing("\xFF①"), "?\x87\x40");
    EXPECT_EQ(utf8ToCp932Replacing("\xE5\xAE"), "??");  // a character cut short
}

TEST(Cp932, BytesThatAreNotCodePage932BecomeReplacementCharacters) {
    EXPECT_EQ(cp932ToUtf8("\x81"), "\xEF\xBF\xBD");           // lead byte at the end
    EXPECT_EQ(cp932ToUtf8("\x81" "\x20" "A"), "\xEF\xBF\xBD" " A");  // bad trail byte kept
    EXPECT_EQ(cp932ToUtf8("x\xFFy"), "x\xEF\xBF\xBDy");
    EXPECT_EQ(cp932ToUtf8(""), "");
}

TEST(Cp932, StorableTextIsCheckedInCodePage932Bytes) {
    EXPECT_EQ(cp932Length("家計簿abc"), 9u);
    EXPECT_EQ(checkStorableText("", kShortTextMaxBytes), TextCheck::Ok);
    EXPECT_EQ(checkStorableText(std::string(255, 'a'), kShortTextMaxBytes), TextCheck::Ok);
    EXPECT_EQ(checkStorableText(std::string(256, 'a'), kShortTextMaxBytes), TextCheck::TooLong);
    std::string kanji;
    for (int i = 0; i < 128; ++i) kanji += "円";  // 384 UTF-8 bytes, 256 CP932 bytes
    EXPECT_EQ(checkStorableText(kanji, kShortTextMaxBytes), TextCheck::TooLong);
    kanji.resize(kanji.size() - 3);
    EXPECT_EQ(checkStorableText(kanji, kShortTextMaxBytes), TextCheck::Ok);
    EXPECT_EQ(checkStorableText("食費😀", kShortTextMaxBytes), TextCheck::NotEncodable);
    EXPECT_EQ(checkStorableText(std::string("a\0b", 3), kShortTextMaxBytes), TextCheck::NotEncodable);
}

}  // namespace
}  // namespace kakeibo
