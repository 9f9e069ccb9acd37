#pragma once
// What the last import added, kept beside the book in "Mirab050.import"
// (UTF-8 JSON, readable by its owner only, written with the crash-safe
// save), so it can be taken back also after the program was closed: every
// line with the card, sheet and row it went to, every memo line, and the
// cards made for it.

#include <optional>
#include <string>
#include <vector>

#include "exchange/BookCategories.h"
#include "model/Records.h"
#include "storage/FileLayer.h"

namespace kakeibo {

inline constexpr const char* kUndoRecordExt = ".import";

struct AddedLine {
    Date date = 0;
    LandingSheet sheet = LandingSheet::Spend;
    int row = 0;  // 1-based, as landed
    TKiroku line;
    bool operator==(const AddedLine&) const = default;
};

struct AddedMemo {
    Date date = 0;
    std::string line;
    bool operator==(const AddedMemo&) const = default;
};

struct UndoRecord {
    std::string source;  // the statement's file name, for the person
    std::vector<AddedLine> lines;
    std::vector<AddedMemo> memos;
    std::vector<Date> cardsCreated;
    bool operator==(const UndoRecord&) const = default;
};

std::string undoRecordFileName(const std::string& folder);

std::string encodeUndoRecord(const UndoRecord& record);
// Nothing when the text is not a record this program wrote.
std::optional<UndoRecord> decodeUndoRecord(const std::string& text);

// The record of the folder's book: nothing when there is none (or it cannot
// be read: a record that cannot be trusted takes nothing away).
std::optional<UndoRecord> loadUndoRecord(const std::string& folder, FileLayer& files = systemFileLayer());
bool saveUndoRecord(const std::string& folder, const UndoRecord& record, FileLayer& files = systemFileLayer());
// True when no record is left behind.
bool removeUndoRecord(const std::string& folder, FileLayer& files = systemFileLayer());

}  // namespace kakeibo
