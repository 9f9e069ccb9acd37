#include "exchange/UndoRecord.h"

#include <cerrno>
#include <climits>
#include <cstdint>

#include <nlohmann/json.hpp>

#include "storage/FileNames.h"

namespace kakeibo {
namespace {

using Json = nlohmann::ordered_json;

constexpr int kRecordVersion = 1;
// An undo record is small: a statement's lines, not a book.
constexpr std::size_t kMaxRecordBytes = std::size_t{64} << 20;

std::optional<LandingSheet> sheetFromName(const std::string& name) {
    for (LandingSheet s : {LandingSheet::Spend, LandingSheet::Income, LandingSheet::Account}) {
        if (landingSheetName(s) == name) return s;
    }
    return std::nullopt;
}

std::optional<Date> dateFrom(const Json& value) {
    if (!value.is_string()) return std::nullopt;
    return isoToDate(value.get<std::string>());
}

// A whole number of the record. A number of another kind or beyond int is
// no row: converting it would not give back what was written.
std::optional<int> intFrom(const Json& value) {
    if (!value.is_number_integer()) return std::nullopt;
    if (value.is_number_unsigned()) {
        const auto number = value.get<std::uint64_t>();
        if (number > std::uint64_t{INT_MAX}) return std::nullopt;
        return static_cast<int>(number);
    }
    const auto number = value.get<std::int64_t>();
    if (number < INT_MIN || number > INT_MAX) return std::nullopt;
    return static_cast<int>(number);
}

}  // namespace

std::string undoRecordFileName(const std::string& folder) { return makeFileName(folder, kUndoRecordExt); }

std::string encodeUndoRecord(const UndoRecord& record) {
    Json lines = Json::array();
    for (const AddedLine& l : record.lines) {
        lines.push_back({{"date", dateToIso(l.date)},
                         {"in", landingSheetName(l.sheet)},
                         {"row", l.row},
                         {"item", l.line.item},
                         {"category", l.line.category},
                         {"amount", l.line.amount}});
    }
    Json memos = Json::array();
    for (const AddedMemo& m : record.memos) memos.push_back({{"date", dateToIso(m.date)}, {"line", m.line}});
    Json cards = Json::array();
    for (Date d : record.cardsCreated) cards.push_back(dateToIso(d));
    const Json doc = {{"version", kRecordVersion},
                      {"source", record.source},
                      {"lines", lines},
                      {"memos", memos},
                      {"cardsCreated", cards}};
    return doc.dump(1, ' ', false, Json::error_handler_t::replace) + "\n";
}

std::optional<UndoRecord> decodeUndoRecord(const std::string& text) {
    const Json doc = Json::parse(text, nullptr, false);
    if (!doc.is_object() || !doc.contains("version") || intFrom(doc["version"]) != kRecordVersion) return std::nullopt;
    UndoRecord record;
    try {
        record.source = doc.value("source", std::string());
        for (const Json& l : doc.at("lines")) {
            const auto date = dateFrom(l.at("date"));
            const auto sheet = sheetFromName(l.at("in").get<std::string>());
            const auto row = intFrom(l.at("row"));
            if (!date || !sheet || !row) return std::nullopt;
            record.lines.push_back(AddedLine{*date, *sheet, *row,
                                             TKiroku{l.at("item").get<std::string>(),
                                                     l.at("category").get<std::string>(), l.at("amount").get<double>()}});
        }
        for (const Json& m : doc.at("memos")) {
            const auto date = dateFrom(m.at("date"));
            if (!date) return std::nullopt;
            record.memos.push_back(AddedMemo{*date, m.at("line").get<std::string>()});
        }
        for (const Json& d : doc.at("cardsCreated")) {
            const auto date = dateFrom(d);
            if (!date) return std::nullopt;
            record.cardsCreated.push_back(*date);
        }
    } catch (const Json::exception&) {
        return std::nullopt;
    }
    return record;
}

std::optional<UndoRecord> loadUndoRecord(const std::string& folder, FileLayer& files) {
    const std::string path = undoRecordFileName(folder);
    if (!files.exists(path)) return std::nullopt;
    const auto text = readFileUpTo(path, kMaxRecordBytes, files);
    if (!text) return std::nullopt;
    return decodeUndoRecord(*text);
}

bool saveUndoRecord(const std::string& folder, const UndoRecord& record, FileLayer& files) {
    return saveFileSafely(undoRecordFileName(folder), encodeUndoRecord(record), false, files);
}

bool removeUndoRecord(const std::string& folder, FileLayer& files) {
    const std::string path = undoRecordFileName(folder);
    if (!files.exists(path)) return true;
    return files.unlink(path) || errno == ENOENT;
}

}  // namespace kakeibo
