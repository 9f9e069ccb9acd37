#include "exchange/ImportSession.h"

#include "exchange/BookCategories.h"
#include "exchange/CsvGuess.h"
#include "messages/ExchangeMessages.h"

namespace kakeibo {

ImportSession::ImportSession(Book& book, ChosenStatement statement)
    : book_(book), statement_(std::move(statement)) {
    LoadedMemory loaded = loadImportMemory(book_.folder);
    if (loaded.broken) {
        memoryWritable_ = setAsideBrokenMemory(book_.folder);
        msgRulesFileBroken(book_.ui(), memoryWritable_);
    }
    memory_ = std::move(loaded.memory);
    ruleRows = memory_.rules;

    const BookCategories categories(book_);
    outChoices_ = categories.choices(false);
    inChoices_ = categories.choices(true);
    ruleChoices_ = categories.allChoices();

    const StatementFormat format = formatOfFileName(statement_.path);
    const ImportProfile* last = findProfile(memory_, memory_.lastProfile);
    if (last && last->statement.format == format) {
        mapping = *last;
    } else {
        mapping.statement.format = format;
        if (format == StatementFormat::Csv) mapping.statement = guessCsvOptions(statement_.bytes, mapping.statement);
    }
}

bool ImportSession::chooseProfile(const std::string& name) {
    const ImportProfile* profile = findProfile(memory_, name);
    if (!profile) return false;
    mapping = *profile;
    return true;
}

std::optional<std::vector<Rule>> ImportSession::completeRules() const {
    RulesText rules = rulesFromRows(ruleRows);
    if (!rules.problems.empty()) {
        msgHalfRule(book_.ui(), rules.problems.front().line);
        return std::nullopt;
    }
    return std::move(rules.rules);
}

bool ImportSession::saveMemory() {
    if (!memoryWritable_) return true;
    if (saveImportMemory(book_.folder, memory_)) return true;
    msgRulesFileWriteFailed(book_.ui());
    return false;
}

bool ImportSession::saveProfile(const std::string& name) {
    if (name.empty()) return false;
    const auto rules = completeRules();
    if (!rules) return false;
    mapping.name = name;
    putProfile(memory_, mapping);
    memory_.rules = *rules;
    return saveMemory();
}

bool ImportSession::deleteProfile(const std::string& name) {
    if (!removeProfile(memory_, name)) return false;
    if (memory_.lastProfile == name) memory_.lastProfile.clear();
    if (mapping.name == name) mapping.name.clear();
    return saveMemory();
}

ImportRequest ImportSession::request(const std::vector<Rule>& rules) const {
    return ImportRequest{mapping.statement, mapping.defaultOut, mapping.defaultIn, rules, skipBad};
}

SessionPreview ImportSession::preview() const {
    SessionPreview shown;
    shown.sample = sampleStatement(statement_.bytes, mapping.statement, kSampleLines);
    // Half-filled rules are left out until they are complete.
    const StatementPlan planned = planStatement(book_, statement_.bytes, request(rulesFromRows(ruleRows).rules));
    shown.rows = previewRows(planned.plan, book_.amountDisplay(), kPreviewRows);
    shown.counts = planCounts(planned.plan, skipBad);
    return shown;
}

std::optional<ImportOutcome> ImportSession::import() {
    const auto rules = completeRules();
    if (!rules) return std::nullopt;
    const ImportOutcome outcome = importAndReport(book_, statement_, request(*rules));
    if (outcome.status == ImportStatus::Done) {
        memory_.rules = *rules;
        // A mapping saved under a name is offered first the next time.
        if (findProfile(memory_, mapping.name)) memory_.lastProfile = mapping.name;
        saveMemory();
    }
    return outcome;
}

}  // namespace kakeibo
