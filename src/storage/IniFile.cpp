#include "storage/IniFile.h"

#include <unordered_set>

#include "storage/Cp932.h"
#include "storage/FileLayer.h"

namespace kakeibo {

namespace {

// All parsing works on CP932 bytes. The trail byte of a double-byte
// character can look like an ASCII letter or "]", so case folding and the
// search for "]" step over whole characters. The other marks of the format
// ("=", ";", "[", quotes, blanks) lie below every trail byte.

bool isLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Byte length of the character starting at text[i].
std::size_t charLength(std::string_view text, std::size_t i) {
    return isLeadByte(text[i]) && i + 1 < text.size() ? 2 : 1;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

std::string_view trimLeft(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) {
        text.remove_prefix(1);
    }
    return text;
}

std::string_view trim(std::string_view text) {
    text = trimLeft(text);
    while (!text.empty() && isBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// A name with its single-byte letters in lower case: two names match when
// their folded forms are equal.
std::string foldName(std::string_view name) {
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size(); i += charLength(folded, i)) {
        folded[i] = asciiLower(folded[i]);
    }
    return folded;
}

// The name of a "[name]" line (from the first "[" to the last "]"), or
// nothing when the line is no section header.
std::optional<std::string_view> sectionNameOf(std::string_view line) {
    line = trimLeft(line);
    if (line.empty() || line.front() != '[') {
        return std::nullopt;
    }
    std::optional<std::size_t> close;
    for (std::size_t i = 1; i < line.size(); i += charLength(line, i)) {
        if (line[i] == ']') {
            close = i;
        }
    }
    if (!close) {
        return std::nullopt;
    }
    return trim(line.substr(1, *close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;  // blanks removed, quotes kept
};

// A "key=value" line; comments (";"), headers and lines without "=" are not.
std::optional<KeyLine> keyLineOf(std::string_view line) {
    line = trimLeft(line);
    if (line.empty() || line.front() == ';' || line.front() == '[') {
        return std::nullopt;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyLine{trim(line.substr(0, equals)), trim(line.substr(equals + 1))};
}

std::string_view unquote(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
        return value.substr(1, value.size() - 2);
    }
    return value;
}

std::string_view cutToProfileBuffer(std::string_view value) {
    std::size_t end = 0;
    while (end < value.size()) {
        const std::size_t next = end + charLength(value, end);
        if (next > kProfileValueMaxBytes) {
            break;
        }
        end = next;
    }
    return value.substr(0, end);
}

bool hasLineBreak(std::string_view text) {
    return text.find_first_of("\r\n") != std::string_view::npos;
}

bool hasOuterBlanks(std::string_view text) {
    return !text.empty() && (isBlank(text.front()) || isBlank(text.back()));
}

}  // namespace

IniFile::Line IniFile::makeLine(std::string text, std::string end) {
    Line line{std::move(text), std::move(end), Line::Kind::Other, {}};
    if (const auto name = sectionNameOf(line.text)) {
        line.kind = Line::Kind::Header;
        line.foldedName = foldName(*name);
    } else if (const auto keyLine = keyLineOf(line.text)) {
        line.kind = Line::Kind::Key;
        line.foldedName = foldName(keyLine->key);
    }
    return line;
}

IniFile IniFile::fromBytes(std::string_view bytes) {
    IniFile file;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t newline = bytes.find('\n', start);
        if (newline == std::string_view::npos) {
            file.lines_.push_back(makeLine(std::string(bytes.substr(start)), ""));
            break;
        }
        std::size_t textEnd = newline;
        std::string end = "\n";
        if (textEnd > start && bytes[textEnd - 1] == '\r') {
            --textEnd;
            end = "\r\n";
        }
        file.lines_.push_back(makeLine(std::string(bytes.substr(start, textEnd - start)), std::move(end)));
        start = newline + 1;
    }
    return file;
}

std::string IniFile::toBytes() const {
    std::string bytes;
    for (const Line& line : lines_) {
        bytes += line.text;
        bytes += line.end;
    }
    return bytes;
}

std::optional<IniFile> IniFile::load(const std::string& path, FileLayer& files) {
    const std::optional<std::string> bytes = readWholeFile(path, files);
    if (!bytes) {
        return std::nullopt;
    }
    return fromBytes(*bytes);
}

bool IniFile::save(const std::string& path, FileLayer& files) const {
    return saveFileSafely(path, toBytes(), /*makeBackup=*/false, files);
}

bool IniFile::update(const std::string& path, const std::function<void(IniFile&)>& edit, FileLayer& files) {
    IniFile file;
    if (files.exists(path)) {
        std::optional<IniFile> existing = load(path, files);
        if (!existing) return false;
        file = std::move(*existing);
    }
    edit(file);
    return file.save(path, files);
}

std::optional<IniFile::SectionSpan> IniFile::findSection(std::string_view foldedName) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind != Line::Kind::Header || lines_[i].foldedName != foldedName) {
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines_.size() && lines_[end].kind != Line::Kind::Header) {
            ++end;
        }
        return SectionSpan{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::findKey(const SectionSpan& span, std::string_view foldedKey) const {
    for (std::size_t i = span.header + 1; i < span.end; ++i) {
        if (lines_[i].kind == Line::Kind::Key && lines_[i].foldedName == foldedKey) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::string> IniFile::value(std::string_view section, std::string_view key) const {
    const auto cp932Section = utf8ToCp932(section);
    const auto cp932Key = utf8ToCp932(key);
    if (!cp932Section || !cp932Key) {
        return std::nullopt;
    }
    const auto span = findSection(foldName(*cp932Section));
    if (!span) {
        return std::nullopt;
    }
    const auto index = findKey(*span, foldName(*cp932Key));
    if (!index) {
        return std::nullopt;
    }
    return cp932ToUtf8(unquote(keyLineOf(lines_[*index].text)->value));
}

std::string IniFile::getString(std::string_view section, std::string_view key) const {
    const auto cp932Section = utf8ToCp932(section);
    const auto cp932Key = utf8ToCp932(key);
    if (!cp932Section || !cp932Key) {
        return "";
    }
    const auto span = findSection(foldName(*cp932Section));
    if (!span) {
        return "";
    }
    const auto index = findKey(*span, foldName(*cp932Key));
    if (!index) {
        return "";
    }
    return cp932ToUtf8(cutToProfileBuffer(unquote(keyLineOf(lines_[*index].text)->value)));
}

bool IniFile::setString(std::string_view section, std::string_view key, std::string_view value) {
    const auto cp932Section = utf8ToCp932(section);
    const auto cp932Key = utf8ToCp932(key);
    const auto cp932Value = utf8ToCp932(value);
    if (!cp932Section || !cp932Key || !cp932Value) {
        return false;
    }
    // Names that could not be found again as written are refused.
    if (cp932Section->empty() || hasLineBreak(*cp932Section) || hasOuterBlanks(*cp932Section) ||
        cp932Section->find(']') != std::string::npos) {
        return false;
    }
    if (cp932Key->empty() || hasLineBreak(*cp932Key) || hasOuterBlanks(*cp932Key) ||
        cp932Key->find('=') != std::string::npos || cp932Key->front() == ';' || cp932Key->front() == '[') {
        return false;
    }
    if (hasLineBreak(*cp932Value)) {
        return false;
    }

    // The line before an insertion point may be the file's unterminated last line.
    auto terminate = [this](std::size_t index) {
        if (lines_[index].end.empty()) {
            lines_[index].end = "\r\n";
        }
    };

    const auto span = findSection(foldName(*cp932Section));
    if (!span) {
        if (!lines_.empty()) {
            terminate(lines_.size() - 1);
            if (!trim(lines_.back().text).empty()) {
                lines_.push_back(makeLine("", "\r\n"));
            }
        }
        lines_.push_back(makeLine("[" + *cp932Section + "]", "\r\n"));
        lines_.push_back(makeLine(*cp932Key + "=" + *cp932Value, "\r\n"));
        return true;
    }

    if (const auto index = findKey(*span, foldName(*cp932Key))) {
        // The key keeps the spelling the file gave it.
        const std::string existingKey(keyLineOf(lines_[*index].text)->key);
        lines_[*index] = makeLine(existingKey + "=" + *cp932Value, "\r\n");
        return true;
    }

    std::size_t after = span->header;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        if (lines_[i].kind == Line::Kind::Key) {
            after = i;
        }
    }
    terminate(after);
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(after + 1),
                  makeLine(*cp932Key + "=" + *cp932Value, "\r\n"));
    return true;
}

std::vector<IniFile::Section> IniFile::sections() const {
    std::vector<Section> result;
    std::unordered_set<std::string> seenSections;
    std::unordered_set<std::string> seenKeys;
    bool reachable = false;  // a repeated section is hidden behind its first
    for (const Line& line : lines_) {
        if (line.kind == Line::Kind::Header) {
            reachable = seenSections.insert(line.foldedName).second;
            if (reachable) {
                result.push_back({cp932ToUtf8(*sectionNameOf(line.text)), {}});
                seenKeys.clear();
            }
            continue;
        }
        if (!reachable) {
            continue;
        }
        if (line.kind == Line::Kind::Key && seenKeys.insert(line.foldedName).second) {
            const KeyLine keyLine = *keyLineOf(line.text);
            result.back().entries.emplace_back(cp932ToUtf8(keyLine.key), cp932ToUtf8(unquote(keyLine.value)));
        }
    }
    return result;
}

std::vector<std::string> IniFile::sectionNames() const {
    std::vector<std::string> names;
    for (Section& section : sections()) {
        names.push_back(std::move(section.name));
    }
    return names;
}

IniFile::Entries IniFile::entries(std::string_view section) const {
    const auto cp932Section = utf8ToCp932(section);
    if (!cp932Section) {
        return {};
    }
    const auto span = findSection(foldName(*cp932Section));
    if (!span) {
        return {};
    }
    Entries result;
    std::unordered_set<std::string> seen;
    for (std::size_t i = span->header + 1; i < span->end; ++i) {
        const Line& line = lines_[i];
        if (line.kind == Line::Kind::Key && seen.insert(line.foldedName).second) {
            const KeyLine keyLine = *keyLineOf(line.text);
            result.emplace_back(cp932ToUtf8(keyLine.key), cp932ToUtf8(unquote(keyLine.value)));
        }
    }
    return result;
}

}  // namespace kakeibo
