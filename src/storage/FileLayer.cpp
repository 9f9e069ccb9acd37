#include "storage/FileLayer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

namespace kakeibo {

// ---- The real file system ----

int FileLayer::openForReading(const std::string& path) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

int FileLayer::createNew(const std::string& path, mode_t mode) {
    int fd;
    do {
        fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
    } while (fd < 0 && errno == EINTR);
    return fd;
}

ssize_t FileLayer::read(int fd, void* buffer, std::size_t count) { return ::read(fd, buffer, count); }

ssize_t FileLayer::write(int fd, const void* buffer, std::size_t count) { return ::write(fd, buffer, count); }

bool FileLayer::fsync(int fd) {
    int rc;
    do {
        rc = ::fsync(fd);
    } while (rc != 0 && errno == EINTR);
    return rc == 0;
}

// Not retried on EINTR: on Linux the descriptor is gone either way.
bool FileLayer::close(int fd) { return ::close(fd) == 0; }

bool FileLayer::link(const std::string& existing, const std::string& newName) {
    return ::link(existing.c_str(), newName.c_str()) == 0;
}

bool FileLayer::rename(const std::string& from, const std::string& to) {
    return ::rename(from.c_str(), to.c_str()) == 0;
}

bool FileLayer::unlink(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool FileLayer::fsyncFolder(const std::string& folder) {
    int fd;
    do {
        fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);
    if (fd < 0) return false;
    int rc;
    do {
        rc = ::fsync(fd);
    } while (rc != 0 && errno == EINTR);
    // A file system that cannot sync folders says EINVAL; nothing more can
    // be done there, and refusing every save would help nobody.
    bool ok = rc == 0 || errno == EINVAL;
    ::close(fd);
    return ok;
}

bool FileLayer::exists(const std::string& path) { return fileExists(path); }

std::optional<std::size_t> FileLayer::sizeOf(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_size < 0) return std::nullopt;
    return static_cast<std::size_t>(info.st_size);
}

FileLayer& systemFileLayer() {
    static FileLayer layer;
    return layer;
}

bool fileExists(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0;
}

// ---- Reading ----

std::optional<std::string> readWholeFile(const std::string& path, FileLayer& files) {
    return readFileUpTo(path, kMaxReadBytes, files);
}

std::optional<std::string> readFileUpTo(const std::string& path, std::size_t maxBytes, FileLayer& files) {
    int fd = files.openForReading(path);
    if (fd < 0) return std::nullopt;
    constexpr std::size_t kMinChunk = 64 * 1024;
    const std::size_t expected = std::min(files.sizeOf(fd).value_or(0), maxBytes);
    // One byte more than the size expected, so the end shows as a read of 0
    // without growing (and copying) the buffer for a file that did not change.
    std::string contents(expected + 1, '\0');
    std::size_t size = 0;
    for (;;) {
        if (size == contents.size()) contents.resize(size + std::max(kMinChunk, size / 2));
        ssize_t got = files.read(fd, contents.data() + size, contents.size() - size);
        if (got < 0) {
            if (errno == EINTR) continue;
            files.close(fd);
            return std::nullopt;
        }
        if (got == 0) break;
        size += static_cast<std::size_t>(got);
        if (size > maxBytes) {
            files.close(fd);
            return std::nullopt;
        }
    }
    files.close(fd);
    contents.resize(size);
    return contents;
}

// ---- Saving ----

namespace {

constexpr mode_t kOwnerOnly = S_IRUSR | S_IWUSR;
constexpr int kNameAttempts = 100;

std::string folderOf(const std::string& path) {
    std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

constexpr std::string_view kTemporarySuffix = ".tmp";

// A name next to path that no other save uses: the process id tells
// processes apart, the counter saves within one process. The start-up
// reads the process id back (temporaryFileWriter) to clear what a killed
// save left.
std::string temporaryName(const std::string& path, const char* role) {
    static std::atomic<unsigned> counter{0};
    return path + "." + role + "-" + std::to_string(::getpid()) + "-" + std::to_string(++counter) +
           std::string(kTemporarySuffix);
}

bool allDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool writeAll(FileLayer& files, int fd, std::string_view bytes) {
    const char* next = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        ssize_t written = files.write(fd, next, left);
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        // A write that takes nothing makes no progress (a full disk may say
        // so): a failure, never a loop.
        if (written == 0) return false;
        next += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// A new owner-only file next to path holding bytes, written, synced and
// closed; its name, or nothing (and no file) on any failure.
std::optional<std::string> writeNewFile(FileLayer& files, const std::string& path, const char* role,
                                        std::string_view bytes) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = temporaryName(path, role);
        int fd = files.createNew(name, kOwnerOnly);
        if (fd < 0) {
            if (errno == EEXIST) continue;  // left by an earlier run
            return std::nullopt;
        }
        bool ok = writeAll(files, fd, bytes) && files.fsync(fd);
        ok = files.close(fd) && ok;
        if (ok) return name;
        files.unlink(name);
        return std::nullopt;
    }
    return std::nullopt;
}

// A second name for an existing file, so it survives the renames that
// follow: a hard link, or a synced copy where the file system has none.
std::optional<std::string> secondName(FileLayer& files, const std::string& existing, const char* role) {
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        std::string name = temporaryName(existing, role);
        if (files.link(existing, name)) return name;
        if (errno == EEXIST) continue;
        break;
    }
    std::optional<std::string> bytes = readWholeFile(existing, files);
    if (!bytes) return std::nullopt;
    return writeNewFile(files, existing, role, *bytes);
}

void removeIfSet(FileLayer& files, const std::optional<std::string>& name) {
    if (name) files.unlink(*name);
}

// The save with a backup. At every moment the disk holds the previous file
// at path, and the previous ".bak" either as the ".bak" or under a kept
// second name, until the new file takes path; then the previous file is
// the ".bak".
bool replaceWithBackup(FileLayer& files, const std::string& path, const std::string& newFile,
                       const std::string& backup) {
    const std::string folder = folderOf(path);
    std::optional<std::string> keptBackup;
    if (files.exists(backup)) {
        keptBackup = secondName(files, backup, "oldbak");
        if (!keptBackup) {
            files.unlink(newFile);
            return false;
        }
    }
    std::optional<std::string> previous = secondName(files, path, "bak");
    if (!previous) {
        files.unlink(newFile);
        removeIfSet(files, keptBackup);
        return false;
    }
    // Puts the previous ".bak" back (or removes the ".bak" there was none).
    auto restoreBackup = [&] {
        if (keptBackup) {
            files.rename(*keptBackup, backup);
        } else {
            files.unlink(backup);
        }
    };

    if (!files.rename(*previous, backup)) {
        files.unlink(*previous);
        files.unlink(newFile);
        removeIfSet(files, keptBackup);
        return false;
    }
    // The ".bak" must be on disk before the new file takes path, or a crash
    // could leave the new file with the ".bak" of the save before.
    if (!files.fsyncFolder(folder) || !files.rename(newFile, path)) {
        files.unlink(newFile);
        restoreBackup();  // if even this fails, the kept name still holds the previous ".bak"
        files.fsyncFolder(folder);
        return false;
    }
    if (!files.fsyncFolder(folder)) {
        // The new file may not be durable: undo, so the caller's "failed"
        // means the disk is as it was. The previous file is the ".bak" now.
        if (files.rename(backup, path)) restoreBackup();
        files.fsyncFolder(folder);
        return false;
    }
    removeIfSet(files, keptBackup);
    return true;
}

bool replaceWithoutBackup(FileLayer& files, const std::string& path, const std::string& newFile) {
    const std::string folder = folderOf(path);
    std::optional<std::string> previous;
    if (files.exists(path)) {
        previous = secondName(files, path, "old");
        if (!previous) {
            files.unlink(newFile);
            return false;
        }
    }
    if (!files.rename(newFile, path)) {
        files.unlink(newFile);
        removeIfSet(files, previous);
        return false;
    }
    if (!files.fsyncFolder(folder)) {
        // Put the previous file back; should that fail too, its kept name
        // stays on disk rather than lose it.
        if (previous) {
            files.rename(*previous, path);
        } else {
            files.unlink(path);
        }
        files.fsyncFolder(folder);
        return false;
    }
    removeIfSet(files, previous);
    return true;
}

}  // namespace

bool saveFileSafely(const std::string& path, std::string_view bytes, bool makeBackup, FileLayer& files) {
    if (path.empty()) return false;
    std::optional<std::string> newFile = writeNewFile(files, path, "new", bytes);
    if (!newFile) return false;
    const std::string backup = backupFileName(path);
    // A file already named ".bak" would be its own backup: nothing to keep.
    if (makeBackup && backup != path && files.exists(path)) {
        return replaceWithBackup(files, path, *newFile, backup);
    }
    return replaceWithoutBackup(files, path, *newFile);
}

std::optional<long> temporaryFileWriter(std::string_view fileName) {
    if (fileName.size() <= kTemporarySuffix.size() || !fileName.ends_with(kTemporarySuffix)) return std::nullopt;
    std::string_view rest = fileName.substr(0, fileName.size() - kTemporarySuffix.size());
    const std::size_t lastDash = rest.rfind('-');
    if (lastDash == std::string_view::npos || !allDigits(rest.substr(lastDash + 1))) return std::nullopt;
    rest = rest.substr(0, lastDash);
    const std::size_t pidDash = rest.rfind('-');
    if (pidDash == std::string_view::npos) return std::nullopt;
    const std::string_view pid = rest.substr(pidDash + 1);
    if (!allDigits(pid) || pid.size() > 9) return std::nullopt;
    // The role between the saved file's name and the process id.
    const std::string_view named = rest.substr(0, pidDash);
    const std::size_t roleDot = named.rfind('.');
    if (roleDot == std::string_view::npos || roleDot == 0) return std::nullopt;
    const std::string_view role = named.substr(roleDot + 1);
    if (role != "new" && role != "bak" && role != "oldbak" && role != "old") return std::nullopt;
    return std::stol(std::string(pid));
}

std::string backupFileName(const std::string& path) {
    std::size_t slash = path.rfind('/');
    std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::size_t dot = path.rfind('.');
    if (dot == std::string::npos || dot < nameStart) return path + ".bak";
    return path.substr(0, dot) + ".bak";
}

}  // namespace kakeibo
