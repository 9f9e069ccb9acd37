// Where the book lives: the window program started from its build folder
// keeps it in the per-user data folder, a portable copy beside itself, and
// "make clean" refuses to remove a build folder that holds a book.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "storage/FileNames.h"
#include "support/TempDir.h"

namespace kakeibo {
namespace {

namespace fs = std::filesystem;

#ifdef KAKEIBO_WINDOW_PATH
std::vector<std::string> bookFilesIn(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (name.rfind("Mirab050", 0) == 0 && name != "Mirab050.hlp") names.push_back(name);
    }
    return names;
}

// Whether process pid catches SIGTERM (its status lists the signals it catches).
bool catchesTermination(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("SigCgt:", 0) == 0) return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
    }
    return false;
}

// The window program on the offscreen platform with its own data folder,
// ended by SIGTERM once it listens for it and its lock file shows it runs
// in expectedFolder.
void runWindowUntilItHasItsFolder(const std::string& program, const std::vector<std::string>& arguments,
                                  const TempDir& home, const std::string& expectedFolder) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        ::setenv("HOME", home.path().c_str(), 1);
        ::setenv("XDG_DATA_HOME", home.file("data").c_str(), 1);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(program.c_str(), argv.data());
        ::_exit(127);
    }
    bool started = false;
    for (int i = 0; i < 600 && !started; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        started = fs::exists(expectedFolder + "Mirab050.lock") && catchesTermination(child);
    }
    ::kill(child, SIGTERM);  // closes its welcome box, then the window, writing every file
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(started) << "the window program never locked " << expectedFolder;
    EXPECT_TRUE(WIFEXITED(status)) << status;
}

TEST(ProgramFolder, TheWindowProgramKeepsItsBookOutOfItsBuildFolder) {
    const fs::path buildFolder = fs::path(KAKEIBO_WINDOW_PATH).parent_path();
    if (!bookFilesIn(buildFolder).empty()) GTEST_SKIP() << "a book lives in " << buildFolder << "; not touched";
    TempDir home;
    runWindowUntilItHasItsFolder(KAKEIBO_WINDOW_PATH, {}, home, home.file("data/kakeibo/"));
    EXPECT_TRUE(home.exists("data/kakeibo/Mirab050.mrb"));
    EXPECT_TRUE(bookFilesIn(buildFolder).empty()) << "the window program wrote its book into " << buildFolder;
}

TEST(ProgramFolder, APortableCopyKeepsItsBookAndDirNamesAnyFolder) {
    TempDir home;
    TempDir portable;
    fs::copy_file(KAKEIBO_WINDOW_PATH, portable.file("kakeibo"));
    portable.write("Mirab050.prf", "");  // unpacked with its settings: a portable copy
    runWindowUntilItHasItsFolder(portable.file("kakeibo"), {}, home, portable.path());
    EXPECT_TRUE(portable.exists("Mirab050.mrb"));
    EXPECT_FALSE(home.exists("data/kakeibo/Mirab050.mrb"));

    TempDir elsewhere;
    runWindowUntilItHasItsFolder(portable.file("kakeibo"), {"--dir", elsewhere.path()}, home, elsewhere.path());
    EXPECT_TRUE(elsewhere.exists("Mirab050.mrb"));

    // A folder that is not there is a usage error, not a new empty book.
    const std::string typo = elsewhere.file("typo");
    const int raw = std::system((std::string(KAKEIBO_WINDOW_PATH) + " --dir '" + typo + "' 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(raw), 2);
    EXPECT_FALSE(fs::exists(typo));
}
#endif

TEST(ProgramFolder, MakeCleanRefusesABuildFolderThatHoldsABook) {
    TempDir dir;
    fs::create_directories(dir.file("build/tests"));
    fs::create_directories(dir.file("build-asan"));
    dir.write("build/kakeibo", "a program");
    const std::string make = std::string("make -s -C '") + KAKEIBO_SOURCE_DIR + "' clean BUILD='" + dir.file("build") +
                             "' ASAN_BUILD='" + dir.file("build-asan") + "' FUZZ_BUILD='" + dir.file("build-fuzz") +
                             "' >'" + dir.file("out") + "' 2>&1";
    dir.write("build/Mirab050.mrb", "the household's book");
    int raw = std::system(make.c_str());
    EXPECT_NE(WEXITSTATUS(raw), 0);
    EXPECT_EQ(dir.read("build/Mirab050.mrb"), "the household's book");
    EXPECT_TRUE(dir.exists("build-asan"));
    EXPECT_NE(dir.read("out")->find(dir.file("build/Mirab050.mrb")), std::string::npos) << *dir.read("out");

    // A backup generation alone is a book too.
    fs::rename(dir.file("build/Mirab050.mrb"), dir.file("moved.mrb"));
    fs::create_directories(dir.file("build-asan/backup"));
    dir.write("build-asan/backup/Mirab050-20261208.mrb", "a generation");
    raw = std::system(make.c_str());
    EXPECT_NE(WEXITSTATUS(raw), 0);
    EXPECT_TRUE(dir.exists("build-asan/backup/Mirab050-20261208.mrb"));

    fs::remove_all(dir.file("build-asan/backup"));
    raw = std::system(make.c_str());
    EXPECT_EQ(WEXITSTATUS(raw), 0) << *dir.read("out");
    EXPECT_FALSE(dir.exists("build"));
    EXPECT_FALSE(dir.exists("build-asan"));
    EXPECT_TRUE(dir.exists("moved.mrb"));
}

}  // namespace
}  // namespace kakeibo
