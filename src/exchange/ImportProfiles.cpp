#include "exchange/ImportProfiles.h"

#include <algorithm>
#include <cstdint>

#include <nlohmann/json.hpp>

#include "storage/FileNames.h"

namespace kakeibo {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kFileVersion = 1;
constexpr std::size_t kMaxFileBytes = std::size_t{16} << 20;

std::string_view signName(AmountSign sign) { return sign == AmountSign::InNegative ? "in-negative" : "out-negative"; }

Json profileJson(const ImportProfile& p) {
    const StatementOptions& s = p.statement;
    return {{"name", p.name},
            {"format", formatName(s.format)},
            {"encoding", encodingName(s.encoding)},
            {"separator", s.csv.separator == '\t' ? "tab" : ","},
            {"skip", s.csv.skipLines},
            {"date", s.columns.date},
            {"text", s.columns.text},
            {"amount", s.columns.amount},
            {"sign", signName(s.columns.sign)},
            {"out", s.columns.out},
            {"in", s.columns.in},
            {"dateForm", dateFormName(s.columns.dateForm)},
            {"defaultOut", p.defaultOut},
            {"defaultIn", p.defaultIn}};
}

// A column, line count or text of the profile; the default when it is
// missing or of another kind.
int intOr(const Json& j, const char* key, int fallback, int low = 0, int high = 9999) {
    const auto it = j.find(key);
    if (it == j.end() || !it->is_number_integer()) return fallback;
    // An unsigned number past the signed range is as far past high as any.
    const bool huge = it->is_number_unsigned() && it->get<std::uint64_t>() > std::uint64_t{INT64_MAX};
    const std::int64_t number = huge ? INT64_MAX : it->get<std::int64_t>();
    return static_cast<int>(std::clamp<std::int64_t>(number, low, high));
}

std::string textOr(const Json& j, const char* key, const std::string& fallback = {}) {
    const auto it = j.find(key);
    return it != j.end() && it->is_string() ? it->get<std::string>() : fallback;
}

ImportProfile profileFrom(const Json& j) {
    ImportProfile p;
    p.name = textOr(j, "name");
    StatementOptions& s = p.statement;
    s.format = formatFromName(textOr(j, "format")).value_or(StatementFormat::Csv);
    s.encoding = encodingFromName(textOr(j, "encoding")).value_or(StatementEncoding::Auto);
    s.csv.separator = textOr(j, "separator") == "tab" ? '\t' : ',';
    s.csv.skipLines = intOr(j, "skip", 0);
    s.columns.date = intOr(j, "date", 1);
    s.columns.text = intOr(j, "text", 2);
    s.columns.amount = intOr(j, "amount", 3);
    s.columns.sign = textOr(j, "sign") == "in-negative" ? AmountSign::InNegative : AmountSign::OutNegative;
    s.columns.out = intOr(j, "out", 0);
    s.columns.in = intOr(j, "in", 0);
    s.columns.dateForm = dateFormFromName(textOr(j, "dateForm")).value_or(DateForm::Auto);
    p.defaultOut = textOr(j, "defaultOut");
    p.defaultIn = textOr(j, "defaultIn");
    return p;
}

}  // namespace

std::string rulesFileName(const std::string& folder) { return makeFileName(folder, kRulesFileExt); }

std::string encodeImportMemory(const ImportMemory& memory) {
    Json rules = Json::array();
    for (const Rule& r : memory.rules) rules.push_back({{"text", r.text}, {"category", r.category}});
    Json profiles = Json::array();
    for (const ImportProfile& p : memory.profiles) profiles.push_back(profileJson(p));
    const Json doc = {{"version", kFileVersion},
                      {"rules", rules},
                      {"profiles", profiles},
                      {"lastProfile", memory.lastProfile}};
    return doc.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::optional<ImportMemory> decodeImportMemory(const std::string& text) {
    const Json doc = Json::parse(text, nullptr, false);
    if (!doc.is_object() || !doc.contains("version") || !doc["version"].is_number_integer()) return std::nullopt;
    ImportMemory memory;
    if (const auto rules = doc.find("rules"); rules != doc.end() && rules->is_array()) {
        for (const Json& r : *rules) {
            if (!r.is_object()) continue;
            Rule rule{textOr(r, "text"), textOr(r, "category")};
            if (!rule.text.empty() && !rule.category.empty()) memory.rules.push_back(std::move(rule));
        }
    }
    if (const auto profiles = doc.find("profiles"); profiles != doc.end() && profiles->is_array()) {
        for (const Json& p : *profiles) {
            if (!p.is_object()) continue;
            ImportProfile profile = profileFrom(p);
            if (!profile.name.empty()) putProfile(memory, std::move(profile));
        }
    }
    memory.lastProfile = textOr(doc, "lastProfile");
    return memory;
}

LoadedMemory loadImportMemory(const std::string& folder, FileLayer& files) {
    const std::string path = rulesFileName(folder);
    if (!files.exists(path)) return {};
    const auto text = readFileUpTo(path, kMaxFileBytes, files);
    if (!text) return LoadedMemory{{}, true};
    auto memory = decodeImportMemory(*text);
    if (!memory) return LoadedMemory{{}, true};
    return LoadedMemory{std::move(*memory), false};
}

bool saveImportMemory(const std::string& folder, const ImportMemory& memory, FileLayer& files) {
    return saveFileSafely(rulesFileName(folder), encodeImportMemory(memory), false, files);
}

std::string brokenRulesFileName(const std::string& folder) { return rulesFileName(folder) + ".broken"; }

bool setAsideBrokenMemory(const std::string& folder, FileLayer& files) {
    return files.rename(rulesFileName(folder), brokenRulesFileName(folder)) && files.fsyncFolder(folder);
}

const ImportProfile* findProfile(const ImportMemory& memory, const std::string& name) {
    for (const ImportProfile& p : memory.profiles) {
        if (p.name == name) return &p;
    }
    return nullptr;
}

void putProfile(ImportMemory& memory, ImportProfile profile) {
    for (ImportProfile& p : memory.profiles) {
        if (p.name == profile.name) {
            p = std::move(profile);
            return;
        }
    }
    memory.profiles.push_back(std::move(profile));
}

bool removeProfile(ImportMemory& memory, const std::string& name) {
    return std::erase_if(memory.profiles, [&name](const ImportProfile& p) { return p.name == name; }) > 0;
}

}  // namespace kakeibo
