#include "storage/BinaryStream.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace kakeibo {
namespace {

std::string le32(std::uint32_t v) {
    std::string s;
    for (int i = 0; i < 4; ++i) s += static_cast<char>((v >> (8 * i)) & 0xFF);
    return s;
}

TEST(BinaryStream, NumbersAreLittleEndianAndRoundTrip) {
    BinaryWriter w;
    w.writeInt(50);
    w.writeInt(-2);
    w.writeDouble(1.0);
    w.writeFlag(true);
    w.writeByte(7);
    EXPECT_EQ(w.bytes(), std::string("\x32\0\0\0\xFE\xFF\xFF\xFF\0\0\0\0\0\0\xF0\x3F\x01\x07", 18));

    BinaryReader r(w.bytes());
    std::int32_t a = 0, b = 0;
    double d = 0;
    bool f = false;
    std::uint8_t byte = 0;
    EXPECT_TRUE(r.readInt(a) && r.readInt(b) && r.readDouble(d) && r.readFlag(f) && r.readByte(byte));
    EXPECT_EQ(a, 50);
    EXPECT_EQ(b, -2);
    EXPECT_EQ(d, 1.0);
    EXPECT_TRUE(f);
    EXPECT_EQ(byte, 7);
    EXPECT_EQ(r.remaining(), 0u);
    EXPECT_FALSE(r.readByte(byte));
    EXPECT_TRUE(r.failed());
}

TEST(BinaryStream, TextsAreStoredWithLengthAndOneZeroByte) {
    BinaryWriter w;
    w.writeStr("");
    w.writeStr("食費");
    const std::string zero(1, '\0');
    EXPECT_EQ(w.bytes(), le32(1) + zero + le32(5) + "\x90\x48\x94\xEF" + zero);
    BinaryReader r(w.bytes());
    std::string s1 = "x", s2;
    EXPECT_TRUE(r.readStr(s1) && r.readStr(s2));
    EXPECT_EQ(s1, "");
    EXPECT_EQ(s2, "食費");
}

TEST(BinaryStream, OverlongAndUnencodableTextsAreWrittenWhole) {
    BinaryWriter w;
    std::string longText(300, 'x');
    w.writeStr(longText);
    w.writeStr("a😀");
    BinaryReader r(w.bytes());
    std::string s1, s2;
    EXPECT_TRUE(r.readStr(s1) && r.readStr(s2));
    EXPECT_EQ(s1, longText);  // accepted on reading too, since the file holds it
    EXPECT_EQ(s2, "a?");
}

TEST(BinaryStream, StoredLengthsOfOtherWritersAreReadSafely) {
    std::string s = "keep";
    // The reader views its bytes, so each file lives in a named string.
    const std::string zeroFile = le32(0);
    BinaryReader zero(zeroFile);
    EXPECT_TRUE(zero.readStr(s));
    EXPECT_EQ(s, "");

    // Text up to the first zero byte; the rest of the L bytes are skipped.
    const std::string earlyFile = le32(4) + std::string("ab\0c", 4) + le32(9);
    BinaryReader early(earlyFile);
    std::int32_t after = 0;
    EXPECT_TRUE(early.readStr(s) && early.readInt(after));
    EXPECT_EQ(s, "ab");
    EXPECT_EQ(after, 9);

    for (std::uint32_t bad : {6u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        const std::string pastFile = le32(bad) + "abcd";
        BinaryReader past(pastFile);
        EXPECT_FALSE(past.readStr(s)) << bad;
        EXPECT_TRUE(past.failed());
        std::int32_t i = 0;
        EXPECT_FALSE(past.readInt(i));  // nothing reads after an error
    }
}

TEST(BinaryStream, CountsAreBoundedByTheRemainingBytes) {
    std::int32_t count = -1;
    const std::string negativeFile = le32(0xFFFFFFF0u);
    BinaryReader negative(negativeFile);
    EXPECT_TRUE(negative.readCount(count, 16));
    EXPECT_EQ(count, 0);

    const std::string fitsFile = le32(2) + std::string(32, 'x');
    BinaryReader fits(fitsFile);
    EXPECT_TRUE(fits.readCount(count, 16));
    EXPECT_EQ(count, 2);

    const std::string hugeFile = le32(0x7FFFFFFF) + std::string(32, 'x');
    BinaryReader huge(hugeFile);
    EXPECT_FALSE(huge.readCount(count, 16));
    EXPECT_TRUE(huge.failed());
}

}  // namespace
}  // namespace kakeibo
