#include "storage/Cp932.h"

#include <gtest/gtest.h>
#include <iconv.h>

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

// The conversion the tables must reproduce: iconv over the whole text, one
// U+FFFD per byte it refuses.
std::string referenceDecode(std::string_view bytes) {
    iconv_t cd = iconv_open("UTF-8", "CP932");
    std::string out;
    std::size_t i = 0;
    while (i < bytes.size()) {
        char buffer[64];
        char* in = const_cast<char*>(bytes.data() + i);
        std::size_t inLeft = bytes.size() - i;
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        std::size_t rc = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        i = bytes.size() - inLeft;
        if (rc == static_cast<std::size_t>(-1) && errno != E2BIG) {
            out += "\xEF\xBF\xBD";
            ++i;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
        }
    }
    iconv_close(cd);
    return out;
}

TEST(Cp932, EveryByteAndBytePairDecodesAsIconvDoes) {
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        const char alone[] = {static_cast<char>(lead), 'A'};
        const std::string_view withAscii(alone, 2);
        ASSERT_EQ(cp932ToUtf8(withAscii), referenceDecode(withAscii)) << lead;
        for (int trail = 0; trail <= 0xFF; ++trail) {
            const char pair[] = {static_cast<char>(lead), static_cast<char>(trail)};
            std::string_view bytes(pair, 2);
            ASSERT_EQ(cp932ToUtf8(bytes), referenceDecode(bytes)) << lead << " " << trail;
        }
    }
}

TEST(Cp932, EveryCharacterOfTheBasicPlaneEncodesAsIconvDoes) {
    iconv_t cd = iconv_open("CP932", "UTF-8");
    for (std::uint32_t cp = 1; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        std::string utf8;
        if (cp < 0x80) {
            utf8 += static_cast<char>(cp);
        } else if (cp < 0x800) {
            utf8 += static_cast<char>(0xC0 | (cp >> 6));
            utf8 += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            utf8 += static_cast<char>(0xE0 | (cp >> 12));
            utf8 += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (cp & 0x3F));
        }
        char buffer[16];
        char* in = utf8.data();
        std::size_t inLeft = utf8.size();
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        bool ok = iconv(cd, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1);
        std::optional<std::string> expected;
        if (ok) expected = std::string(buffer, static_cast<std::size_t>(out - buffer));
        ASSERT_EQ(utf8ToCp932(utf8), expected) << cp;
    }
    iconv_close(cd);
    // Sequences glibc refuses are refused here too.
    // (overlong, overlong, surrogate, past U+10FFFF, outside the basic plane)
    for (const char* bad :
         {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xF0\x9F\x98\x80"}) {
        EXPECT_FALSE(utf8ToCp932(bad)) << bad;
        EXPECT_EQ(utf8ToCp932Replacing(bad), "?") << bad;
    }
}

}  // namespace
}  // namespace kakeibo
