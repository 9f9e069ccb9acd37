#include "safety/Leftovers.h"

#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

#include "safety/RecoveryFile.h"
#include "storage/DataFile.h"
#include "storage/FileNames.h"

namespace kakeibo {

namespace {

// True only when the process surely ended: a process that exists but is
// not ours to signal (EPERM) may still be writing.
bool writerGone(long pid) {
    if (pid <= 0 || pid == static_cast<long>(::getpid())) return false;
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

struct stat statOf(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0) info = {};
    return info;
}

bool isOwnRegularFile(const struct stat& info) { return S_ISREG(info.st_mode) && info.st_uid == ::getuid(); }

// A killed save of the data file that got as far as a complete new file
// holding another book than the data file: the only leftover that can
// hold work found nowhere else.
bool isUnfinishedDataSave(const std::string& folder, const std::string& name, const std::string& path,
                          FileLayer& files) {
    const std::string prefix = std::string(kFileBaseName) + ".mrb.new-";
    if (name.rfind(prefix, 0) != 0) return false;
    const std::optional<std::string> bytes = readWholeFile(path, files);
    if (!bytes) return true;  // cannot be read, so cannot be judged: keep it
    DataImage image;
    if (decodeDataFile(*bytes, image) != ReadOutcome::Ok) return false;
    return readWholeFile(dataFileName(folder), files) != bytes;
}

}  // namespace

bool isOurTemporaryName(const std::string& fileName) {
    return fileName.rfind(kFileBaseName, 0) == 0 && temporaryFileWriter(fileName).has_value();
}

LeftoverCleanup clearLeftovers(const std::string& folder, FileLayer& files) {
    LeftoverCleanup cleanup;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        const std::string name = entry.path().filename().string();
        if (!isOurTemporaryName(name)) continue;
        const std::string path = entry.path().string();
        const struct stat info = statOf(path);
        if (!isOwnRegularFile(info) || !writerGone(*temporaryFileWriter(name))) continue;
        if (isUnfinishedDataSave(folder, name, path, files)) {
            const std::string kept = keptRecoveryFileName(folder, info.st_mtim.tv_sec);
            if (!kept.empty() && files.rename(path, kept)) cleanup.kept.push_back(kept);
            continue;
        }
        if (files.unlink(path)) cleanup.removed.push_back(name);
    }
    if (!cleanup.removed.empty() || !cleanup.kept.empty()) files.fsyncFolder(folder);
    return cleanup;
}

}  // namespace kakeibo
