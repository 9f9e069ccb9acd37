#pragma once
// One run of the import dialog without its window: the statement chosen,
// the import's memory beside the book (rules and saved profiles), the
// mapping and rules the person is editing, what the dialog shows of them,
// and the import itself. The window only shows this and passes edits in.

#include <optional>
#include <string>
#include <vector>

#include "book/Book.h"
#include "exchange/ImportCommands.h"
#include "exchange/ImportPreview.h"
#include "exchange/ImportProfiles.h"

namespace kakeibo {

// What the dialog shows of the file.
struct SessionPreview {
    StatementSample sample;
    std::vector<PreviewRow> rows;
    PlanCounts counts;
};

class ImportSession {
public:
    // The rows of the file shown in each table.
    static constexpr std::size_t kSampleLines = 100;
    static constexpr std::size_t kPreviewRows = 100;

    // Reads the memory of the book's folder; a broken file is said and set
    // aside. The mapping starts as the profile used last when it reads
    // statements of this file's format, else as guessed from the file.
    ImportSession(Book& book, ChosenStatement statement);

    const ChosenStatement& statement() const { return statement_; }
    const ImportMemory& memory() const { return memory_; }
    // The categories of the default lists and of the rules.
    const std::vector<std::string>& outChoices() const { return outChoices_; }
    const std::vector<std::string>& inChoices() const { return inChoices_; }
    const std::vector<std::string>& ruleChoices() const { return ruleChoices_; }

    // The mapping being edited (its name: the profile it came from, or empty).
    ImportProfile mapping;
    // The rules table's rows as typed, half-filled rows included.
    std::vector<Rule> ruleRows;
    bool skipBad = false;

    // The mapping of the profile of that name (and its name); false when
    // there is none.
    bool chooseProfile(const std::string& name);
    // Saves the mapping under name with the rules; false when the name is
    // empty, a rule is half-filled or the file could not be written (said).
    bool saveProfile(const std::string& name);
    // Forgets the profile of that name; false when the file could not be
    // written (said) or there is none.
    bool deleteProfile(const std::string& name);

    // The file as the mapping and the complete rules read it, on the book
    // as it stands.
    SessionPreview preview() const;

    // "取り込む": imports and tells how it went (ImportCommands); the rules
    // and the profile used are remembered after an import that was made.
    // Nothing when a half-filled rule stopped it before anything was read.
    std::optional<ImportOutcome> import();

private:
    ImportRequest request(const std::vector<Rule>& rules) const;
    // The complete rules, or nothing when a row is half filled (said).
    std::optional<std::vector<Rule>> completeRules() const;
    bool saveMemory();

    Book& book_;
    ChosenStatement statement_;
    ImportMemory memory_;
    bool memoryWritable_ = true;  // false while a broken file could not be set aside
    std::vector<std::string> outChoices_, inChoices_, ruleChoices_;
};

}  // namespace kakeibo
