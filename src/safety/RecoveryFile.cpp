#include "safety/RecoveryFile.h"

#include <nlohmann/json.hpp>

#include <array>
#include <cstdint>

#include "safety/DatedNames.h"
#include "storage/FileNames.h"

namespace kakeibo {

namespace {

using nlohmann::json;

constexpr std::string_view kMagic = "KKBRCV01";
constexpr int kFormat = 1;
constexpr std::size_t kPartCount = 4;  // data, prefs, months, json
// The sizes, the hash of everything before the trailer, the magic.
constexpr std::size_t kTrailerBytes = kPartCount * 8 + 8 + kMagic.size();

void appendUint64(std::string& out, std::uint64_t value) {
    for (int i = 0; i < 8; ++i, value >>= 8) out += static_cast<char>(value & 0xFF);
}

std::uint64_t readUint64(std::string_view bytes) {
    std::uint64_t value = 0;
    for (int i = 7; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[static_cast<std::size_t>(i)]);
    return value;
}

json identityJson(const FileIdentity& identity) {
    return {{"exists", identity.exists},
            {"size", identity.size},
            {"mtimeNs", identity.mtimeNs},
            {"hash", hashToText(identity.hash)}};
}

std::optional<FileIdentity> identityFromJson(const json& j) {
    if (!j.is_object() || !j.contains("exists") || !j["exists"].is_boolean()) return std::nullopt;
    FileIdentity identity;
    identity.exists = j["exists"].get<bool>();
    if (!identity.exists) return identity;
    if (!j.contains("size") || !j["size"].is_number_unsigned() || !j.contains("hash") || !j["hash"].is_string()) {
        return std::nullopt;
    }
    identity.size = j["size"].get<std::uint64_t>();
    if (j.contains("mtimeNs") && j["mtimeNs"].is_number_integer()) identity.mtimeNs = j["mtimeNs"].get<std::int64_t>();
    const std::optional<std::uint64_t> hash = hashFromText(j["hash"].get<std::string>());
    if (!hash) return std::nullopt;
    identity.hash = *hash;
    return identity;
}

bool hashMatches(const json& hashes, const char* name, std::string_view part) {
    if (!hashes.contains(name) || !hashes[name].is_string()) return false;
    const std::optional<std::uint64_t> stored = hashFromText(hashes[name].get<std::string>());
    return stored && *stored == xxh64(part);
}

}  // namespace

std::string recoveryFileName(const std::string& programFolder) {
    return withTrailingSlash(programFolder) + kRecoveryFileName;
}

std::string keptRecoveryFileName(const std::string& programFolder, std::time_t madeAt) {
    return freeFileName(withTrailingSlash(programFolder) + kFileBaseName + ".recovery-" + momentDigits(madeAt), ".mrb");
}

std::string encodeRecoveryFile(const RecoveryParts& parts) {
    const json about = {{"format", kFormat},
                        {"madeAt", static_cast<std::int64_t>(parts.madeAt)},
                        {"base", identityJson(parts.base)},
                        {"hashes",
                         {{"data", hashToText(xxh64(parts.data))},
                          {"prefs", hashToText(xxh64(parts.prefs))},
                          {"months", hashToText(xxh64(parts.months))}}}};
    const std::string aboutText = about.dump();
    std::string out;
    out.reserve(parts.data.size() + parts.prefs.size() + parts.months.size() + aboutText.size() + kTrailerBytes);
    out += parts.data;
    out += parts.prefs;
    out += parts.months;
    out += aboutText;
    const std::uint64_t whole = xxh64(out);
    for (std::size_t size : {parts.data.size(), parts.prefs.size(), parts.months.size(), aboutText.size()}) {
        appendUint64(out, size);
    }
    appendUint64(out, whole);
    out += kMagic;
    return out;
}

std::optional<RecoveryParts> decodeRecoveryFile(std::string_view bytes) {
    if (bytes.size() < kTrailerBytes || !bytes.ends_with(kMagic)) return std::nullopt;
    const std::string_view trailer = bytes.substr(bytes.size() - kTrailerBytes, kPartCount * 8);
    std::array<std::uint64_t, kPartCount> sizes{};
    std::uint64_t total = 0;
    for (std::size_t i = 0; i < kPartCount; ++i) {
        sizes[i] = readUint64(trailer.substr(i * 8, 8));
        // Each size no larger than the file, so the sum cannot overflow.
        if (sizes[i] > bytes.size()) return std::nullopt;
        total += sizes[i];
    }
    if (total != bytes.size() - kTrailerBytes) return std::nullopt;
    if (readUint64(bytes.substr(bytes.size() - kTrailerBytes + kPartCount * 8, 8)) !=
        xxh64(bytes.substr(0, static_cast<std::size_t>(total)))) {
        return std::nullopt;
    }

    std::size_t at = 0;
    auto take = [&](std::uint64_t size) {
        const std::string_view part = bytes.substr(at, static_cast<std::size_t>(size));
        at += static_cast<std::size_t>(size);
        return part;
    };
    const std::string_view data = take(sizes[0]);
    const std::string_view prefs = take(sizes[1]);
    const std::string_view months = take(sizes[2]);
    const json about = json::parse(take(sizes[3]), nullptr, false);
    if (about.is_discarded() || !about.is_object() || !about.contains("format") ||
        about["format"] != kFormat || !about.contains("hashes") || !about["hashes"].is_object() ||
        !about.contains("base") || !about.contains("madeAt") || !about["madeAt"].is_number_integer()) {
        return std::nullopt;
    }
    const json& hashes = about["hashes"];
    if (!hashMatches(hashes, "data", data) || !hashMatches(hashes, "prefs", prefs) ||
        !hashMatches(hashes, "months", months)) {
        return std::nullopt;
    }
    const std::optional<FileIdentity> base = identityFromJson(about["base"]);
    if (!base) return std::nullopt;

    RecoveryParts parts;
    parts.data = data;
    parts.prefs = prefs;
    parts.months = months;
    parts.madeAt = static_cast<std::time_t>(about["madeAt"].get<std::int64_t>());
    parts.base = *base;
    return parts;
}

}  // namespace kakeibo
