#include "storage/FileNames.h"

#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "storage/FileLayer.h"

namespace kakeibo {

std::string withTrailingSlash(std::string folder) {
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder;
}

namespace {

// A folder the program may keep its files in: ours to write, and not open
// to every user (in a folder like /tmp anybody could plant a data file).
bool isUsableFolder(const std::string& folder) {
    struct stat info {};
    if (folder.empty() || stat(folder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return false;
    }
    if ((info.st_mode & S_IWOTH) != 0) {
        return false;
    }
    return access(folder.c_str(), W_OK | X_OK) == 0;
}

// mkdir -p with every new folder readable by its owner only.
bool makeFolders(const std::string& folder) {
    std::string path;
    std::size_t start = 0;
    while (start <= folder.size()) {
        std::size_t slash = folder.find('/', start);
        if (slash == std::string::npos) {
            slash = folder.size();
        }
        path = folder.substr(0, slash);
        if (!path.empty() && mkdir(path.c_str(), 0700) != 0 && errno != EEXIST) {
            return false;
        }
        start = slash + 1;
    }
    struct stat info {};
    return stat(folder.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

std::string executableFolder() {
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error || executable.empty()) {
        return "";
    }
    return executable.parent_path().string();
}

std::string homeFolder() {
    if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
        return home;
    }
    if (const passwd* entry = getpwuid(getuid()); entry != nullptr && entry->pw_dir != nullptr) {
        return entry->pw_dir;
    }
    return "";
}

std::string environmentValue(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

}  // namespace

std::string makeFileName(const std::string& programFolder, std::string_view ext) {
    return withTrailingSlash(programFolder) + kFileBaseName + std::string(ext);
}

std::string dataFileName(const std::string& programFolder) { return makeFileName(programFolder, ".mrb"); }
std::string prefFileName(const std::string& programFolder) { return makeFileName(programFolder, ".prf"); }
std::string monthFileName(const std::string& programFolder) { return makeFileName(programFolder, ".mmm"); }
std::string iniFileName(const std::string& programFolder) { return makeFileName(programFolder, ".ini"); }

bool holdsABook(const std::string& folder) {
    return !folder.empty() && (fileExists(dataFileName(folder)) || fileExists(prefFileName(folder)));
}

std::string chooseProgramFolder(const std::string& executableFolder, const std::string& xdgDataHome,
                                const std::string& home) {
    if (holdsABook(executableFolder) && isUsableFolder(executableFolder)) {
        return withTrailingSlash(executableFolder);
    }
    // A relative $XDG_DATA_HOME is invalid and ignored.
    std::string dataHome;
    if (!xdgDataHome.empty() && xdgDataHome.front() == '/') {
        dataHome = xdgDataHome;
    } else {
        dataHome = (home.empty() ? std::string(".") : home) + "/.local/share";
    }
    const std::string folder = withTrailingSlash(dataHome) + "kakeibo";
    makeFolders(folder);
    return withTrailingSlash(folder);
}

std::string programFolder() {
    return chooseProgramFolder(executableFolder(), environmentValue("XDG_DATA_HOME"), homeFolder());
}

}  // namespace kakeibo
