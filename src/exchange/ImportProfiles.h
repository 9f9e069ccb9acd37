#pragma once
// What the import remembers between runs, kept beside the book in
// "Mirab050.rules" (UTF-8 JSON, readable by its owner only, written with
// the crash-safe save): the rules, and mapping profiles saved by name, one
// per bank or card company, each with how to read its statements and its
// default categories.

#include <optional>
#include <string>
#include <vector>

#include "exchange/Rules.h"
#include "exchange/StatementImport.h"
#include "storage/FileLayer.h"

namespace kakeibo {

inline constexpr const char* kRulesFileExt = ".rules";

struct ImportProfile {
    std::string name;
    StatementOptions statement;
    std::string defaultOut;
    std::string defaultIn;
};

struct ImportMemory {
    std::vector<Rule> rules;
    std::vector<ImportProfile> profiles;  // in the order they were first saved
    std::string lastProfile;              // the profile used last, offered first
};

std::string rulesFileName(const std::string& folder);

std::string encodeImportMemory(const ImportMemory& memory);
// Nothing when the text is not such a file. Values a newer program may
// write and this one does not know are read as their defaults.
std::optional<ImportMemory> decodeImportMemory(const std::string& text);

struct LoadedMemory {
    ImportMemory memory;
    bool broken = false;  // the file is there but could not be read
};
// An absent file is an empty memory.
LoadedMemory loadImportMemory(const std::string& folder, FileLayer& files = systemFileLayer());
bool saveImportMemory(const std::string& folder, const ImportMemory& memory, FileLayer& files = systemFileLayer());

// A file that could not be read is moved to "Mirab050.rules.broken" before
// anything is saved over it, so rules a newer program or a mended file may
// still give back are never overwritten. False when it could not be moved.
bool setAsideBrokenMemory(const std::string& folder, FileLayer& files = systemFileLayer());
std::string brokenRulesFileName(const std::string& folder);

// The profile of that name, or nullptr.
const ImportProfile* findProfile(const ImportMemory& memory, const std::string& name);
// Replaces the profile of the same name, or adds it at the end.
void putProfile(ImportMemory& memory, ImportProfile profile);
// False when there is none of that name.
bool removeProfile(ImportMemory& memory, const std::string& name);

}  // namespace kakeibo
