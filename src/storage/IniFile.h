#pragma once
// A Windows initialisation file ("[Section]" lines, then "Key=Value" lines),
// read and written the way the Windows private-profile functions do it:
// section and key names match regardless of ASCII letter case, CR LF or LF
// line ends are read, and an edit touches only its own line, so every other
// section, key, comment and blank line of the file stays byte for byte as it
// was. Keys and sections keep the order of the file; a new key goes after the
// last key of its section, a new section at the end of the file.
//
// The file holds CP932 bytes; names and values are UTF-8 at this interface.

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/FileLayer.h"

namespace kakeibo {

// A profile read goes into a 7-character buffer: at most 6 characters of a
// value reach the caller.
inline constexpr std::size_t kProfileValueMaxBytes = 6;

class IniFile {
public:
    IniFile() = default;

    static IniFile fromBytes(std::string_view bytes);
    std::string toBytes() const;

    // Nothing when the file does not exist or cannot be read.
    static std::optional<IniFile> load(const std::string& path, FileLayer& files = systemFileLayer());
    // Replaces the file (crash-safe, no backup). False when writing failed;
    // the previous file is then as it was.
    bool save(const std::string& path, FileLayer& files = systemFileLayer()) const;
    // Reads the file at path (a missing file is an empty one), lets edit
    // change it and saves it. A file that exists but cannot be read is left
    // alone (false), so that nothing in it is lost.
    static bool update(const std::string& path, const std::function<void(IniFile&)>& edit,
                       FileLayer& files = systemFileLayer());

    // As a profile read with an empty default: the value of the first
    // matching key of the first matching section, blanks around it and one
    // pair of enclosing quotes removed, cut to kProfileValueMaxBytes bytes
    // (never inside a double-byte character); "" when there is none.
    std::string getString(std::string_view section, std::string_view key) const;

    // The same value uncut; nothing when the key is absent.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // Writes key=value, creating the section or key as needed. False (and the
    // file unchanged) when a name or the value has no CP932 form or would
    // break the file's structure: a line break anywhere, "=" in a key, "]" in
    // a section name, or blanks around a name.
    bool setString(std::string_view section, std::string_view key, std::string_view value);

    using Entries = std::vector<std::pair<std::string, std::string>>;
    struct Section {
        std::string name;
        Entries entries;
    };

    // Every section a read can reach, in file order, as first spelled, with
    // its keys in file order and their uncut values. A section or key that
    // appears again is listed once, with what a read would find.
    std::vector<Section> sections() const;
    std::vector<std::string> sectionNames() const;
    Entries entries(std::string_view section) const;

private:
    // A line as read, with what it is worked out once, so that a lookup
    // compares names instead of parsing the file again.
    struct Line {
        enum class Kind { Other, Header, Key };
        std::string text;  // CP932 bytes without the line end
        std::string end;   // "\r\n", "\n" or "" (the last line of a file)
        Kind kind = Kind::Other;
        std::string foldedName;  // of a header or key, letters in lower case
    };
    static Line makeLine(std::string text, std::string end);
    // Where a section's lines run: [header, end), end being the next
    // section header or the end of the file.
    struct SectionSpan {
        std::size_t header;
        std::size_t end;
    };

    std::optional<SectionSpan> findSection(std::string_view foldedName) const;
    std::optional<std::size_t> findKey(const SectionSpan& span, std::string_view foldedKey) const;

    std::vector<Line> lines_;
};

}  // namespace kakeibo
