// The folding that lets one typed word find every way it was written.

#include <gtest/gtest.h>

#include "text/TextFolding.h"

namespace kakeibo {
namespace {

bool matches(const std::string& haystack, const std::string& needle) {
    return foldedContains(foldForMatching(haystack), foldForMatching(needle));
}

TEST(TextFolding, KanaOfEitherScriptAndWidthAreOneWord) {
    EXPECT_TRUE(matches("ケーキ屋さん", "けーき"));
    EXPECT_TRUE(matches("ケーキ", "ｹｰｷ"));
    EXPECT_TRUE(matches("ｹｰｷ", "ケーキ"));
    EXPECT_TRUE(matches("けーき", "ケーキ"));
    // Sound marks: a half-width letter with its separate mark, a hiragana
    // with a combining mark, and the precomposed katakana all agree.
    EXPECT_TRUE(matches("ガス代", "ｶﾞｽ"));
    EXPECT_TRUE(matches("ガス代", "か\u3099す"));
    EXPECT_TRUE(matches("パン", "ﾊﾟﾝ"));
    EXPECT_TRUE(matches("ヴ", "ゔ"));
    EXPECT_TRUE(matches("いすゞ", "イスヾ"));
    // Different syllables stay different.
    EXPECT_FALSE(matches("ケーキ", "ゲーキ"));
    EXPECT_FALSE(matches("パン", "バン"));
}

TEST(TextFolding, WidthAndCaseOfLatinLettersAndDigitsFold) {
    EXPECT_TRUE(matches("ＡＢＣマート", "abc"));
    EXPECT_TRUE(matches("abc", "ＡＢＣ"));
    EXPECT_TRUE(matches("Amazon.co.jp", "AMAZON"));
    EXPECT_TRUE(matches("第１２回", "12"));
    EXPECT_TRUE(matches("Straße", "STRASSE"));
    EXPECT_FALSE(matches("abd", "abc"));
}

TEST(TextFolding, KanjiAndEmptyNeedles) {
    EXPECT_TRUE(matches("歯医者（定期検診）", "歯医者"));
    EXPECT_FALSE(matches("歯医者", "(定期"));
    EXPECT_TRUE(matches("（定期）", "(定期)"));
    EXPECT_TRUE(matches("何でも", ""));
    EXPECT_TRUE(matches("", ""));
    EXPECT_FALSE(matches("", "a"));
}

TEST(TextFolding, BytesThatAreNotUtf8AreKeptAndStillFindThemselves) {
    const std::string broken = "\x82\xa0zz";
    EXPECT_EQ(foldForMatching(broken), broken);
    EXPECT_TRUE(matches(broken, broken));
    EXPECT_EQ(normalizeNfkc(broken), broken);
}

TEST(TextFolding, NfkcAloneKeepsCaseAndScript) {
    EXPECT_EQ(normalizeNfkc("ＡＢＣ"), "ABC");
    EXPECT_EQ(normalizeNfkc("ｹｰｷ"), "ケーキ");
    EXPECT_EQ(normalizeNfkc("けーき"), "けーき");
    EXPECT_EQ(normalizeNfkc("①"), "1");
    EXPECT_EQ(normalizeNfkc("plain"), "plain");
}

}  // namespace
}  // namespace kakeibo
