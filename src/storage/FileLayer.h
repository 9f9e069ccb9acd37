#pragma once
// Every byte the household book reads from or writes to disk goes through
// here. Saving is crash-safe: the new contents go to a temporary file in
// the same folder, every write's count is checked, the file is fsynced and
// its close checked, then (for the data file) the old file becomes the
// ".bak", the new one takes its place, and the folder is fsynced. A failure
// leaves the previous file and the previous ".bak" untouched. Files are
// created readable and writable by their owner only.
//
// The operations are virtual so that tests can make any one of them fail.
// The base class is the real file system (POSIX calls); a test layer
// derives from it and fails where told. Bytes are written with write(2)
// directly, so there is no user-space buffer to flush: the fsync is the
// flush that matters, and the close is checked as well.

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kakeibo {

class FileLayer {
public:
    virtual ~FileLayer() = default;

    // The calls below follow their POSIX namesakes: -1 (or false) with errno
    // set on failure.
    virtual int openForReading(const std::string& path);
    // O_CREAT | O_EXCL | O_WRONLY: fails when the name is taken.
    virtual int createNew(const std::string& path, mode_t mode);
    virtual ssize_t read(int fd, void* buffer, std::size_t count);
    virtual ssize_t write(int fd, const void* buffer, std::size_t count);
    virtual bool fsync(int fd);
    virtual bool close(int fd);
    // A second name for an existing file (no copy of its bytes).
    virtual bool link(const std::string& existing, const std::string& newName);
    // Atomically replaces newName when it exists.
    virtual bool rename(const std::string& from, const std::string& to);
    virtual bool unlink(const std::string& path);
    // Makes the folder's entries (the renames in it) durable.
    virtual bool fsyncFolder(const std::string& folder);
    virtual bool exists(const std::string& path);
    // The size of an open file, as a hint for reading it whole.
    virtual std::optional<std::size_t> sizeOf(int fd);
};

// The real file system.
FileLayer& systemFileLayer();

bool fileExists(const std::string& path);

// The whole contents of a file, or nothing when it cannot be read or is
// larger than any file of the book (kMaxReadBytes): a device or a huge file
// picked by mistake is refused rather than read until memory runs out.
inline constexpr std::size_t kMaxReadBytes = std::size_t{1} << 30;
std::optional<std::string> readWholeFile(const std::string& path, FileLayer& files = systemFileLayer());
// The same with a limit of maxBytes.
std::optional<std::string> readFileUpTo(const std::string& path, std::size_t maxBytes,
                                        FileLayer& files = systemFileLayer());
// The same into a buffer of the caller's: resize(n) makes it n bytes long,
// keeping what it held, and gives its start. The size read, or nothing.
std::optional<std::size_t> readFileInto(const std::string& path, std::size_t maxBytes, FileLayer& files,
                                        const std::function<char*(std::size_t)>& resize);

// Replaces path with bytes as described above. With makeBackup, an existing
// file at path becomes path with its extension replaced by ".bak".
// False when anything failed; then the previous file and ".bak" are as they
// were (the one exception: when even undoing a failed last step fails, the
// previous file is kept either at path or as the ".bak").
bool saveFileSafely(const std::string& path, std::string_view bytes, bool makeBackup,
                    FileLayer& files = systemFileLayer());

// One file of a save of several files of one folder together.
struct FileSave {
    std::string path;
    std::string_view bytes;
    bool makeBackup = false;
    bool saved = false;  // set by saveFilesTogether
};
// Saves files of one folder together at the cost of one sync each and one
// of the folder: every new file is written and synced, then each that was
// written takes its place (the previous file becoming the ".bak" where
// asked), then the folder is synced once. A file that could not be written
// or placed keeps its previous file and ".bak", and the others are saved
// all the same; when the folder cannot be synced, none is.
void saveFilesTogether(std::vector<FileSave>& saves, FileLayer& files = systemFileLayer());

// The process that made a temporary file of saveFileSafely, read from the
// file's name ("<name>.<role>-<pid>-<n>.tmp"); nothing for any other name.
std::optional<long> temporaryFileWriter(std::string_view fileName);

// path with its extension (from the last "." of the last component)
// replaced by ".bak"; ".bak" appended when there is none.
std::string backupFileName(const std::string& path);

}  // namespace kakeibo
