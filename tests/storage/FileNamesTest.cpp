#include "storage/FileNames.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/TempDir.h"

namespace kakeibo {
namespace {

TEST(FileNamesTest, NamesJoinFolderBaseNameAndExtension) {
    EXPECT_EQ(makeFileName("/opt/kakeibo/", ".ini"), "/opt/kakeibo/Mirab050.ini");
    EXPECT_EQ(makeFileName("/opt/kakeibo", ".ini"), "/opt/kakeibo/Mirab050.ini");
    EXPECT_EQ(dataFileName("/d/"), "/d/Mirab050.mrb");
    EXPECT_EQ(prefFileName("/d/"), "/d/Mirab050.prf");
    EXPECT_EQ(monthFileName("/d/"), "/d/Mirab050.mmm");
    EXPECT_EQ(iniFileName("/d/"), "/d/Mirab050.ini");
}

TEST(FileNamesTest, TheProgramFolderFallsBackToAPrivateDataFolder) {
    TempDir dir;
    EXPECT_EQ(chooseProgramFolder(dir.path() + "bin", "", dir.path() + "home").back(), '/');

    // The executable's folder is the book's home only when it holds a book:
    // a build tree or an installed program keeps the book in the data folder.
    ASSERT_EQ(mkdir(dir.file("exe").c_str(), 0700), 0);
    EXPECT_EQ(chooseProgramFolder(dir.file("exe"), dir.file("xdg"), ""), dir.file("xdg/kakeibo/"));
    dir.write("exe/Mirab050.prf", "");
    EXPECT_EQ(chooseProgramFolder(dir.file("exe"), dir.file("xdg"), ""), dir.file("exe/"));
    ASSERT_EQ(mkdir(dir.file("portable").c_str(), 0700), 0);
    dir.write("portable/Mirab050.mrb", "");
    EXPECT_EQ(chooseProgramFolder(dir.file("portable"), dir.file("xdg"), ""), dir.file("portable/"));
    // Another file of the program's is not a book.
    ASSERT_EQ(mkdir(dir.file("half").c_str(), 0700), 0);
    dir.write("half/Mirab050.ini", "");
    EXPECT_EQ(chooseProgramFolder(dir.file("half"), dir.file("xdg"), ""), dir.file("xdg/kakeibo/"));

    // A folder every user may write to is not taken, even with a book in it.
    ASSERT_EQ(mkdir(dir.file("shared").c_str(), 0700), 0);
    dir.write("shared/Mirab050.mrb", "");
    ASSERT_EQ(chmod(dir.file("shared").c_str(), 0777), 0);
    const std::string viaXdg = chooseProgramFolder(dir.file("shared"), dir.file("xdg"), dir.file("home"));
    EXPECT_EQ(viaXdg, dir.file("xdg/kakeibo/"));
    struct stat info {};
    ASSERT_EQ(stat(viaXdg.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);

    // A relative $XDG_DATA_HOME is ignored; the home folder's default is used.
    EXPECT_EQ(chooseProgramFolder("", "relative", dir.file("home")), dir.file("home/.local/share/kakeibo/"));
    EXPECT_TRUE(dir.exists("home/.local/share/kakeibo"));
}

}  // namespace
}  // namespace kakeibo
