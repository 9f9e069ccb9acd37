// What a killed save left: removed once its writer is gone, never a file
// of somebody else's or of a writer still running, and a whole unsaved
// book kept rather than removed.

#include "safety/Leftovers.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include "storage/DataFile.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

// The id of a process that has ended (and been reaped).
long deadPid() {
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    int status = 0;
    ::waitpid(child, &status, 0);
    return child;
}

std::string tmpName(const std::string& file, const char* role, long pid) {
    return file + "." + role + "-" + std::to_string(pid) + "-1.tmp";
}

TEST(Leftovers, TheWriterIsReadFromTheNamesSavesMake) {
    EXPECT_EQ(temporaryFileWriter("Mirab050.mrb.new-1234-5.tmp"), 1234);
    EXPECT_EQ(temporaryFileWriter("Mirab050.bak.oldbak-77-1.tmp"), 77);
    EXPECT_EQ(temporaryFileWriter("Mirab050-20261208.mrb.bak-9-12.tmp"), 9);
    for (const char* other : {"Mirab050.mrb", "Mirab050.mrb.new-1234.tmp", "Mirab050.mrb.new-12a4-5.tmp",
                              "Mirab050.mrb.copy-1234-5.tmp", "Mirab050.mrb.new-1234-5.tmp~", ".new-1-1.tmp"}) {
        EXPECT_FALSE(temporaryFileWriter(other)) << other;
    }
    EXPECT_TRUE(isOurTemporaryName("Mirab050.prf.new-1-1.tmp"));
    EXPECT_FALSE(isOurTemporaryName("notes.txt.new-1-1.tmp"));  // an export's, somewhere the person chose
}

TEST(Leftovers, OnlyOurFilesOfDeadWritersGo) {
    TempDir dir;
    const long dead = deadPid();
    const std::string gone[] = {tmpName("Mirab050.prf", "new", dead), tmpName("Mirab050.bak", "oldbak", dead),
                                tmpName("Mirab050.mrb", "bak", dead), tmpName("Mirab050.recovery.mrb", "new", dead)};
    for (const std::string& name : gone) dir.write(name, "half a file");
    const std::string stay[] = {tmpName("Mirab050.prf", "new", ::getpid()), tmpName("Mirab050.prf", "new", ::getppid()),
                                tmpName("notes.txt", "new", dead), "Mirab050.mrb", "Mirab050.bak"};
    for (const std::string& name : stay) dir.write(name, "keep me");
    const std::string link = tmpName("Mirab050.mmm", "new", dead);
    ASSERT_EQ(::symlink(dir.file("Mirab050.mrb").c_str(), dir.file(link).c_str()), 0);

    const LeftoverCleanup cleanup = clearLeftovers(dir.path());
    EXPECT_EQ(cleanup.removed.size(), std::size(gone));
    EXPECT_TRUE(cleanup.kept.empty());
    for (const std::string& name : gone) EXPECT_FALSE(dir.exists(name)) << name;
    for (const std::string& name : stay) EXPECT_EQ(dir.read(name), "keep me") << name;
    EXPECT_TRUE(dir.exists(link));
}

TEST(Leftovers, AWholeUnsavedBookIsKeptAndACopyOfTheFileIsNot) {
    TempDir dir;
    DataImage saved, unsaved;
    saved.note = "saved";
    unsaved.note = "typed after the last save";
    dir.write("Mirab050.mrb", encodeDataFile(saved));
    const long dead = deadPid();
    dir.write(tmpName("Mirab050.mrb", "new", dead), encodeDataFile(unsaved));
    dir.write(tmpName("Mirab050.mrb", "new", deadPid()), encodeDataFile(saved));  // the file's own bytes
    const std::string cut = encodeDataFile(unsaved);
    dir.write(tmpName("Mirab050.mrb", "old", dead), cut.substr(0, cut.size() / 2));

    const LeftoverCleanup cleanup = clearLeftovers(dir.path());
    ASSERT_EQ(cleanup.kept.size(), 1u);
    EXPECT_EQ(cleanup.kept[0].rfind(dir.file("Mirab050.recovery-"), 0), 0u) << cleanup.kept[0];
    EXPECT_EQ(readWholeFile(cleanup.kept[0]), encodeDataFile(unsaved));
    EXPECT_EQ(cleanup.removed.size(), 2u);
    EXPECT_EQ(dir.read("Mirab050.mrb"), encodeDataFile(saved));
}

}  // namespace
}  // namespace kakeibo
