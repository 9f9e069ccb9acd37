#include <gtest/gtest.h>

#include "exchange/StatementText.h"
#include "storage/Cp932.h"

namespace kakeibo {
namespace {

TEST(StatementText, AutoTakesUtf8WithOrWithoutAMarkAndCp932Otherwise) {
    const std::string utf8 = "日付,内容\r\n";
    const StatementText withMark = decodeStatement("\xEF\xBB\xBF" + utf8, StatementEncoding::Auto);
    EXPECT_EQ(withMark.text, utf8);
    EXPECT_EQ(withMark.encoding, StatementEncoding::Utf8);
    EXPECT_EQ(decodeStatement(utf8, StatementEncoding::Auto).encoding, StatementEncoding::Utf8);

    const std::string sjis = *utf8ToCp932("ｶ)ｾﾌﾞﾝｲﾚﾌﾞﾝ,－１，０００\r\n");
    const StatementText read = decodeStatement(sjis, StatementEncoding::Auto);
    EXPECT_EQ(read.encoding, StatementEncoding::Cp932);
    EXPECT_EQ(read.text, "ｶ)ｾﾌﾞﾝｲﾚﾌﾞﾝ,－１，０００\r\n");
}

TEST(StatementText, AChosenEncodingIsUsedAndWhatItCannotReadBecomesAReplacementCharacter) {
    const std::string sjis = *utf8ToCp932("食費");
    EXPECT_EQ(decodeStatement(sjis, StatementEncoding::Cp932).text, "食費");
    // CP932 bytes read as UTF-8: every byte that starts no character is U+FFFD.
    const StatementText wrong = decodeStatement(sjis, StatementEncoding::Utf8);
    EXPECT_EQ(wrong.encoding, StatementEncoding::Utf8);
    EXPECT_TRUE(isValidUtf8(wrong.text));
    EXPECT_NE(wrong.text.find("\xEF\xBF\xBD"), std::string::npos);
    EXPECT_EQ(decodeStatement("a\xFF" "b", StatementEncoding::Utf8).text, "a\xEF\xBF\xBD" "b");
}

TEST(StatementText, StrictUtf8) {
    EXPECT_TRUE(isValidUtf8("abc ¥ 円 😀"));
    EXPECT_FALSE(isValidUtf8("\xC0\xAF"));           // overlong
    EXPECT_FALSE(isValidUtf8("\xED\xA0\x80"));       // surrogate
    EXPECT_FALSE(isValidUtf8("\xE3\x81"));           // cut short
    EXPECT_EQ(encodingFromName("cp932"), StatementEncoding::Cp932);
    EXPECT_EQ(encodingFromName("utf-8"), StatementEncoding::Utf8);
    EXPECT_EQ(encodingFromName("sjis"), std::nullopt);
}

}  // namespace
}  // namespace kakeibo
