#pragma once
// Every byte the household book reads from or writes to disk goes through
// here. Saving is crash-safe: the new contents go to a temporary file in
// the same folder, every write's count and every flush is checked, the file
// is fsynced, then (for the data file) the old file becomes the ".bak", the
// new one takes its place, and the folder is fsynced. A failure leaves the
// previous file and the previous ".bak" untouched. Files are created
// readable and writable by their owner only.
//
// The operations are virtual so that tests can make any one of them fail.

#include <optional>
#include <string>
#include <string_view>

namespace kakeibo {

class FileLayer {
public:
    virtual ~FileLayer() = default;
    // (declared by the storage layer's implementation; see FileLayer.cpp)
};

// The real file system.
FileLayer& systemFileLayer();

bool fileExists(const std::string& path);

// The whole contents of a file, or nothing when it cannot be read.
std::optional<std::string> readWholeFile(const std::string& path, FileLayer& files = systemFileLayer());

// Replaces path with bytes as described above. With makeBackup, an existing
// file at path becomes path with its extension replaced by ".bak".
// False when anything failed; then nothing on disk has changed.
bool saveFileSafely(const std::string& path, std::string_view bytes, bool makeBackup,
                    FileLayer& files = systemFileLayer());

// path with its extension (from the last "." of the last component)
// replaced by ".bak"; ".bak" appended when there is none.
std::string backupFileName(const std::string& path);

}  // namespace kakeibo
