// Files read through a mapping of the page cache: the bytes are the file's,
// and stay what was read whoever writes the file afterwards, in place or
// cut short, from this program or another; where no lease can be had the
// file is read into a buffer instead.

#include "storage/MappedFile.h"

#include <gtest/gtest.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>
#include <string>
#include <vector>

#include "storage/FileBytes.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

std::string pattern(std::size_t n, int seed) {
    std::string bytes(n, '\0');
    for (std::size_t i = 0; i < n; ++i) bytes[i] = static_cast<char>(i * 131 + static_cast<std::size_t>(seed));
    return bytes;
}

// Several pages and a part of one, so the last page is cut short by a
// shorter file.
constexpr std::size_t kFileSize = 5 * 4096 + 123;

struct MappedRead : ::testing::Test {
    TempDir dir;
    std::string path = dir.file("book.mrb");
    std::string original = pattern(kFileSize, 7);

    void SetUp() override { dir.write("book.mrb", original); }

    std::optional<FileBytes> readMapped() {
        std::optional<FileBytes> bytes = FileBytes::read(path, systemFileLayer());
        EXPECT_TRUE(bytes);
        return bytes;
    }
};

// Every byte looked at: a page cut from under a plain mapping would end
// the test with SIGBUS here.
void expectBytes(const FileBytes& bytes, const std::string& expected) {
    ASSERT_EQ(bytes.size(), expected.size());
    EXPECT_TRUE(bytes.view() == expected);
}

TEST_F(MappedRead, GivesTheFilesBytesFromThePageCache) {
    std::optional<FileBytes> bytes = readMapped();
    if (!bytes->mapped()) GTEST_SKIP() << "this file system offers no leases";
    expectBytes(*bytes, original);
}

TEST_F(MappedRead, AnotherProgramWritingInPlaceWaitsUntilTheBytesAreCopied) {
    std::optional<FileBytes> bytes = readMapped();
    if (!bytes->mapped()) GTEST_SKIP() << "this file system offers no leases";
    const std::string shorter = pattern(4096 + 10, 99);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // As a program that copies another book over this one.
        const int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC);
        const bool wrote = fd >= 0 && ::write(fd, shorter.data(), shorter.size()) == static_cast<ssize_t>(shorter.size());
        ::_exit(wrote ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    expectBytes(*bytes, original);
    EXPECT_EQ(dir.read("book.mrb"), shorter);
}

TEST_F(MappedRead, ThisProgramCuttingTheFileKeepsTheBytesRead) {
    std::optional<FileBytes> bytes = readMapped();
    if (!bytes->mapped()) GTEST_SKIP() << "this file system offers no leases";
    ASSERT_EQ(::truncate(path.c_str(), 0), 0);
    expectBytes(*bytes, original);
    dir.write("book.mrb", "new");
    expectBytes(*bytes, original);
    EXPECT_EQ(dir.read("book.mrb"), "new");
}

// A save puts a new file at the name and keeps the old one as the backup:
// no writer ever opens the mapped file, so nothing needs copying.
TEST(MappedFile, AFileReplacedByRenameKeepsSharingThePageCache) {
    TempDir dir;
    const std::string original = pattern(kFileSize, 3);
    dir.write("book.mrb", original);
    std::unique_ptr<MappedFile> mapped = MappedFile::open(dir.file("book.mrb"), kMaxReadBytes);
    if (!mapped) GTEST_SKIP() << "this file system offers no leases";
    dir.write("book.new", "replacement");
    ASSERT_EQ(::rename(dir.file("book.mrb").c_str(), dir.file("book.bak").c_str()), 0);
    ASSERT_EQ(::rename(dir.file("book.new").c_str(), dir.file("book.mrb").c_str()), 0);
    EXPECT_TRUE(mapped->sharesPageCache());
    EXPECT_TRUE(mapped->view() == original);
    ASSERT_EQ(::unlink(dir.file("book.bak").c_str()), 0);
    EXPECT_TRUE(mapped->view() == original);
}

// The kernel falls back on SIGIO, naming no file, when its signal queue is
// full: every mapping is then copied, and its lease let go of.
TEST(MappedFile, TheStandInSignalCopiesEveryMappingAndEndsNothing) {
    TempDir dir;
    const std::string first = pattern(kFileSize, 11);
    const std::string second = pattern(kFileSize / 2, 12);
    dir.write("a.mrb", first);
    dir.write("b.mrb", second);
    std::unique_ptr<MappedFile> a = MappedFile::open(dir.file("a.mrb"), kMaxReadBytes);
    std::unique_ptr<MappedFile> b = MappedFile::open(dir.file("b.mrb"), kMaxReadBytes);
    if (!a || !b) GTEST_SKIP() << "this file system offers no leases";
    ASSERT_EQ(::raise(SIGIO), 0);
    EXPECT_FALSE(a->sharesPageCache());
    EXPECT_FALSE(b->sharesPageCache());
    EXPECT_TRUE(a->view() == first);
    EXPECT_TRUE(b->view() == second);
    // No lease is left to hold a writer back.
    const int writer = ::open(dir.file("a.mrb").c_str(), O_WRONLY | O_TRUNC | O_NONBLOCK);
    EXPECT_GE(writer, 0);
    if (writer >= 0) ::close(writer);
    EXPECT_TRUE(a->view() == first);
}

TEST(MappedFile, FilesThatCannotBeLeasedAreReadInstead) {
    TempDir dir;
    const std::string original = pattern(kFileSize, 5);
    dir.write("open.mrb", original);
    dir.write("empty.mrb", "");
    // Someone has it open for writing: its bytes may change at any time.
    const int writer = ::open(dir.file("open.mrb").c_str(), O_WRONLY);
    ASSERT_GE(writer, 0);
    EXPECT_EQ(MappedFile::open(dir.file("open.mrb"), kMaxReadBytes), nullptr);
    std::optional<FileBytes> read = FileBytes::read(dir.file("open.mrb"), systemFileLayer());
    ASSERT_TRUE(read);
    EXPECT_FALSE(read->mapped());
    expectBytes(*read, original);
    ::close(writer);

    EXPECT_EQ(MappedFile::open(dir.file("empty.mrb"), kMaxReadBytes), nullptr);
    std::optional<FileBytes> empty = FileBytes::read(dir.file("empty.mrb"), systemFileLayer());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->size(), 0u);
    EXPECT_EQ(MappedFile::open(dir.file("missing.mrb"), kMaxReadBytes), nullptr);
    EXPECT_EQ(MappedFile::open(dir.path(), kMaxReadBytes), nullptr);
    EXPECT_EQ(MappedFile::open(dir.file("open.mrb"), kFileSize - 1), nullptr);
}

TEST(MappedFile, MoreFilesThanTheTableHoldsAreReadAndItsPlacesComeBack) {
    TempDir dir;
    std::vector<std::string> contents;
    std::vector<FileBytes> held;
    int mapped = 0;
    for (int i = 0; i < 12; ++i) {
        const std::string name = "file" + std::to_string(i);
        contents.push_back(pattern(4096 + static_cast<std::size_t>(i), i));
        dir.write(name, contents.back());
        std::optional<FileBytes> bytes = FileBytes::read(dir.file(name), systemFileLayer());
        ASSERT_TRUE(bytes);
        mapped += bytes->mapped() ? 1 : 0;
        held.push_back(std::move(*bytes));
    }
    if (mapped == 0) GTEST_SKIP() << "this file system offers no leases";
    EXPECT_LT(mapped, 12);
    for (std::size_t i = 0; i < held.size(); ++i) expectBytes(held[i], contents[i]);
    held.clear();
    std::optional<FileBytes> again = FileBytes::read(dir.file("file0"), systemFileLayer());
    ASSERT_TRUE(again);
    EXPECT_TRUE(again->mapped());
}

}  // namespace
}  // namespace kakeibo
