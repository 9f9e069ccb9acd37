// The identity of a file: XXH64 as its reference implementation computes
// it, and what counts as a change of a file.

#include "storage/FileIdentity.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <utility>

#include "support/FailingFileLayer.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

std::string patternBytes(std::size_t n) {
    std::string bytes(n, '\0');
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(i * 131 + 7);
    return bytes;
}

TEST(FileIdentity, Xxh64GivesTheReferenceValuesAcrossEveryTailLength) {
    EXPECT_EQ(hashToText(xxh64("")), "ef46db3751d8e999");
    EXPECT_EQ(hashToText(xxh64("abc")), "44bc2cf5ad770999");
    // Lengths around the 4-, 8- and 32-byte steps of the algorithm, as the
    // reference library (libxxhash 0.8.1) gives them for these bytes.
    const std::pair<std::size_t, const char*> expected[] = {
        {1, "a96c7f0ce858bbb7"},  {3, "bed43740ee6332bb"},  {4, "fa212ae44b3bb23d"},  {7, "2744460dd675d2c0"},
        {8, "994b676b71ce94dd"},  {9, "572b84c18b983af8"},  {31, "6711d55e306b5d8f"}, {32, "07f7b8e3bc5d6e25"},
        {33, "09f85eeb4e1cbe9f"}, {63, "b7c9968c066cb6a5"}, {64, "50d4159a0411632e"}, {65, "d277176bff863efc"},
        {100, "9ddada11d3dc2d8f"}, {1000, "0bf0bdbcc82eb373"}};
    for (const auto& [n, hash] : expected) EXPECT_EQ(hashToText(xxh64(patternBytes(n))), hash) << n;
}

TEST(FileIdentity, HashTextsGoBothWaysAndRefuseAnythingElse) {
    EXPECT_EQ(hashFromText("0bf0bdbcc82eb373"), 0x0bf0bdbcc82eb373ULL);
    EXPECT_EQ(hashFromText(hashToText(0)), 0u);
    for (const char* bad : {"", "0bf0bdbcc82eb37", "0BF0BDBCC82EB373", "0bf0bdbcc82eb37g", "0bf0bdbcc82eb3730"})
        EXPECT_FALSE(hashFromText(bad)) << bad;
}

TEST(FileIdentity, OnlyTheBytesMakeAChangeNotTheTime) {
    TempDir dir;
    dir.write("a", "same bytes");
    const auto first = readWithIdentity(dir.file("a"));
    ASSERT_TRUE(first && first->identity.exists);
    EXPECT_EQ(first->bytes, "same bytes");
    EXPECT_EQ(first->identity.size, 10u);
    EXPECT_NE(first->identity.mtimeNs, 0);

    // Touched (a sync tool copying the same bytes): no change.
    struct timespec times[2] = {{1, 0}, {1, 0}};
    ASSERT_EQ(::utimensat(AT_FDCWD, dir.file("a").c_str(), times, 0), 0);
    const auto touched = readWithIdentity(dir.file("a"));
    EXPECT_NE(touched->identity.mtimeNs, first->identity.mtimeNs);
    EXPECT_TRUE(touched->identity.sameContents(first->identity));

    dir.write("a", "same bytez");  // same size, other bytes
    EXPECT_FALSE(readWithIdentity(dir.file("a"))->identity.sameContents(first->identity));
    dir.write("a", "");
    EXPECT_FALSE(readWithIdentity(dir.file("a"))->identity.sameContents(first->identity));

    // A missing file is one identity of its own; one that cannot be read has none.
    const auto missing = readWithIdentity(dir.file("none"));
    ASSERT_TRUE(missing);
    EXPECT_FALSE(missing->identity.exists);
    EXPECT_TRUE(missing->identity.sameContents(FileIdentity{}));
    EXPECT_FALSE(missing->identity.sameContents(first->identity));
    FailingFileLayer failing;
    failing.failAt(FileOp::OpenForReading, 1);
    EXPECT_FALSE(readWithIdentity(dir.file("a"), failing));
}

}  // namespace
}  // namespace kakeibo
