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

std::optional<std::size_t> readFileInto(const std::string& path, std::size_t maxBytes, FileLayer& files,
                                        const std::function<char*(std::size_t)>& resize) {
    int fd = files.openForReading(path);
    if (fd < 0) return std::nullopt;
    constexpr std::size_t kMinChunk = 64 * 1024;
    const std::size_t expected = std::min(files.sizeOf(fd).value_or(0), maxBytes);
    // One byte more than the size expected, so the end shows as a read of 0
    // without growing (and copying) the buffer for a file that did not change.
    std::size_t room = expected + 1;
    char* buffer = resize(room);
    std::size_t size = 0;
    for (;;) {
        if (size == room) {
            room = size + std::max(kMinChunk, size / 2);
            buffer = resize(room);
        }
        ssize_t got = files.read(fd, buffer + size, room - size);
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
    return size;
}

std::optional<std::string> readFileUpTo(const std::string& path, std::size_t maxBytes, FileLayer& files) {
    std::string contents;
    const std::optional<std::size_t> size = readFileInto(path, maxBytes, files, [&contents](std::size_t n) {
        contents.resize(n);
        return contents.data();
    });
    if (!size) return std::nullopt;
    contents.resize(*size);
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

// The renames that put a written new file at path, and their undoing.
// With a backup, at every moment the disk holds the previous file at path,
// and the previous ".bak" either as the ".bak" or under a kept second name,
// until the new file takes path; then the previous file is the ".bak".
class Replacement {
public:
    Replacement(FileLayer& files, std::string path, std::string newFile, std::optional<std::string> backup)
        : files_(files), path_(std::move(path)), newFile_(std::move(newFile)), backup_(std::move(backup)) {}

    // The renames. syncBeforeTakingPath: the ".bak" is made durable before
    // the new file takes path, so no crash can pair the new file with the
    // ".bak" of the save before. On failure everything is as it was.
    bool place(bool syncBeforeTakingPath) {
        return backup_ ? placeWithBackup(syncBeforeTakingPath) : placeWithoutBackup();
    }
    // After place, when the folder could not be synced: the previous files
    // back where they were (should that fail too, their kept names stay).
    void undo() {
        if (backup_) {
            if (files_.rename(*backup_, path_)) restoreBackup();
        } else if (previous_) {
            files_.rename(*previous_, path_);
        } else {
            files_.unlink(path_);
        }
    }
    // After place and the folder's sync: the kept names go.
    void finish() { removeIfSet(files_, backup_ ? keptBackup_ : previous_); }

private:
    bool placeWithBackup(bool syncBeforeTakingPath) {
        const std::string folder = folderOf(path_);
        if (files_.exists(*backup_)) {
            keptBackup_ = secondName(files_, *backup_, "oldbak");
            if (!keptBackup_) {
                files_.unlink(newFile_);
                return false;
            }
        }
        std::optional<std::string> previous = secondName(files_, path_, "bak");
        if (!previous) {
            files_.unlink(newFile_);
            removeIfSet(files_, keptBackup_);
            return false;
        }
        if (!files_.rename(*previous, *backup_)) {
            files_.unlink(*previous);
            files_.unlink(newFile_);
            removeIfSet(files_, keptBackup_);
            return false;
        }
        if ((syncBeforeTakingPath && !files_.fsyncFolder(folder)) || !files_.rename(newFile_, path_)) {
            files_.unlink(newFile_);
            restoreBackup();  // if even this fails, the kept name still holds the previous ".bak"
            files_.fsyncFolder(folder);
            return false;
        }
        return true;
    }

    bool placeWithoutBackup() {
        if (files_.exists(path_)) {
            previous_ = secondName(files_, path_, "old");
            if (!previous_) {
                files_.unlink(newFile_);
                return false;
            }
        }
        if (!files_.rename(newFile_, path_)) {
            files_.unlink(newFile_);
            removeIfSet(files_, previous_);
            return false;
        }
        return true;
    }

    // Puts the previous ".bak" back (or removes the ".bak" there was none).
    void restoreBackup() {
        if (keptBackup_) {
            files_.rename(*keptBackup_, *backup_);
        } else {
            files_.unlink(*backup_);
        }
    }

    FileLayer& files_;
    std::string path_;
    std::string newFile_;
    std::optional<std::string> backup_;
    std::optional<std::string> keptBackup_;
    std::optional<std::string> previous_;
};

// The ".bak" of path when one is to be made: not for a file that is not
// there, nor for one already named ".bak" (it would be its own backup).
std::optional<std::string> backupFor(FileLayer& files, const std::string& path, bool makeBackup) {
    const std::string backup = backupFileName(path);
    if (makeBackup && backup != path && files.exists(path)) return backup;
    return std::nullopt;
}

}  // namespace

bool saveFileSafely(const std::string& path, std::string_view bytes, bool makeBackup, FileLayer& files) {
    if (path.empty()) return false;
    std::optional<std::string> newFile = writeNewFile(files, path, "new", bytes);
    if (!newFile) return false;
    Replacement replacement(files, path, *newFile, backupFor(files, path, makeBackup));
    if (!replacement.place(true)) return false;
    const std::string folder = folderOf(path);
    if (!files.fsyncFolder(folder)) {
        // The new file may not be durable: undo, so the caller's "failed"
        // means the disk is as it was.
        replacement.undo();
        files.fsyncFolder(folder);
        return false;
    }
    replacement.finish();
    return true;
}

void saveFilesTogether(std::vector<FileSave>& saves, FileLayer& files) {
    std::vector<std::string> newFiles(saves.size());
    for (std::size_t i = 0; i < saves.size(); ++i) {
        FileSave& save = saves[i];
        save.saved = false;
        if (save.path.empty()) continue;
        if (std::optional<std::string> written = writeNewFile(files, save.path, "new", save.bytes)) {
            newFiles[i] = std::move(*written);
        }
    }
    std::vector<std::pair<std::size_t, Replacement>> placed;
    std::string folder;
    for (std::size_t i = 0; i < saves.size(); ++i) {
        if (newFiles[i].empty()) continue;
        const FileSave& save = saves[i];
        Replacement replacement(files, save.path, newFiles[i], backupFor(files, save.path, save.makeBackup));
        // The renames of one folder's journal are kept in their order, so
        // the ".bak" is not synced apart before the new file takes its name.
        if (replacement.place(false)) placed.emplace_back(i, std::move(replacement));
        folder = folderOf(save.path);
    }
    if (placed.empty()) return;
    if (!files.fsyncFolder(folder)) {
        for (auto it = placed.rbegin(); it != placed.rend(); ++it) it->second.undo();
        files.fsyncFolder(folder);
        return;
    }
    for (auto& [i, replacement] : placed) {
        replacement.finish();
        saves[i].saved = true;
    }
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
