#pragma once
// A fresh folder under the system's temporary folder, removed with all its
// contents when the object goes away. Serves as a program folder in tests.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kakeibo {

class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    // The folder, ending in '/'.
    const std::string& path() const { return path_; }
    // path() + name
    std::string file(std::string_view name) const;

    // Test conveniences; they fail the test (not throw) when the disk refuses.
    void write(std::string_view name, std::string_view bytes) const;
    std::optional<std::string> read(std::string_view name) const;
    bool exists(std::string_view name) const;
    // The names of the folder's entries that begin with prefix, sorted.
    std::vector<std::string> namesStartingWith(std::string_view prefix) const;

private:
    std::string path_;
};

}  // namespace kakeibo
