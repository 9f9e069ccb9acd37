#include "ImportCommand.h"

#include <ostream>

#include "TerminalUi.h"
#include "book/Stores.h"
#include "exchange/ImportCommands.h"
#include "exchange/ImportProfiles.h"
#include "exchange/ImportUndo.h"
#include "messages/ExchangeMessages.h"
#include "storage/FileLayer.h"

namespace kakeibo::cli {
namespace {

const char* kFooter = R"(
The rows land as if typed: each on the card of its date (cards that are
missing are made), after the card's last line, on the sheet its category's
list belongs to. The category is the first rule whose text is in the row's
description (compared as the search compares), else --default-out for money
out and --default-in for money in. Without --rules the rules the window keeps
in Mirab050.rules are used; --rules FILE (UTF-8, one rule a line,
TEXT<TAB>CATEGORY) takes their place. A row equal to a line already on its
card is a duplicate and adds nothing. With bad rows nothing is imported
unless --skip-bad is given. Afterwards every card from the earliest date
imported on is recalculated. The lines added are recorded in
Mirab050.import, so --undo takes them back, also in the window.

Output: {"added": N, "duplicates": N, "bad": [{"line": L, "error": T}, ...],
"zero": N, "cardsCreated": N, "first": D|null, "last": D|null,
"lines": [{"date": D, "in": "spend"|"income"|"account", "item": T,
"category": T, "amount": A, "duplicate": bool}, ...]}
--undo: {"removed": N, "kept": [line, ...], "cardsRemoved": N,
"first": D|null, "last": D|null}
Exit status 1 when bad rows stopped the import, nothing was there to undo,
or a file could not be read or written.
)";

Json dateOrNull(const std::optional<Date>& date) { return date ? Json(dateToIso(*date)) : Json(nullptr); }

Json lineJson(Date date, LandingSheet sheet, const TKiroku& line) {
    return Json{{"date", dateToIso(date)},
                {"in", landingSheetName(sheet)},
                {"item", line.item},
                {"category", line.category},
                {"amount", line.amount}};
}

Json planJson(const ImportPlan& plan, const ImportOutcome& outcome) {
    Json bad = Json::array();
    for (const ReadProblem& p : plan.bad) bad.push_back({{"line", p.line}, {"error", p.error}});
    Json lines = Json::array();
    for (const PlannedLine& l : plan.lines) {
        Json line = lineJson(l.date, l.sheet, TKiroku{l.item, l.category, l.amount});
        line["duplicate"] = l.duplicate;
        lines.push_back(std::move(line));
    }
    return Json{{"added", outcome.added},
                {"duplicates", plan.duplicates},
                {"bad", std::move(bad)},
                {"zero", plan.zeroRows},
                {"cardsCreated", outcome.cardsCreated},
                {"first", dateOrNull(outcome.first)},
                {"last", dateOrNull(outcome.last)},
                {"lines", std::move(lines)}};
}

Json undoJson(const UndoOutcome& outcome) {
    Json kept = Json::array();
    for (const AddedLine& l : outcome.kept) kept.push_back(lineJson(l.date, l.sheet, l.line));
    return Json{{"removed", outcome.removed},
                {"kept", std::move(kept)},
                {"cardsRemoved", outcome.cardsRemoved},
                {"first", dateOrNull(outcome.first)},
                {"last", dateOrNull(outcome.last)}};
}

class ImportCommand : public CommandModule {
public:
    CLI::App* addTo(CLI::App& app) override {
        command_ = app.add_subcommand("import", "bring a bank or card statement (CSV) or a QIF file into the book");
        command_->footer(kFooter);
        command_->add_flag("--undo", undo_, "take the last import back");
        command_->require_subcommand(0, 1);

        csv_ = command_->add_subcommand("csv", "a CSV statement: comma or tab separated, RFC 4180 quoting");
        csv_->add_option("FILE", file_, "the statement")->required();
        csv_->add_option("--date", columns_.date, "the date column (1-based)")->required()->type_name("COL");
        csv_->add_option("--text", columns_.text, "the description column")->required()->type_name("COL");
        auto* amount =
            csv_->add_option("--amount", columns_.amount, "one signed amount column")->type_name("COL");
        auto* outNegative = csv_->add_flag("--out-negative", outNegative_, "negative amounts are money out (default)");
        auto* inNegative = csv_->add_flag("--in-negative", inNegative_, "negative amounts are money in");
        outNegative->excludes(inNegative);
        auto* out = csv_->add_option("--out", columns_.out, "the money out column")->type_name("COL");
        auto* in = csv_->add_option("--in", columns_.in, "the money in column")->type_name("COL");
        out->needs(in);
        in->needs(out);
        amount->excludes(out)->excludes(in);
        csv_->add_option("--skip", skip_, "header lines to read over (default 0)")
            ->check(CLI::NonNegativeNumber)
            ->type_name("N");
        csv_->add_option("--sep", separator_, "the separator: , (default) or tab")
            ->check(CLI::IsMember({",", "tab"}))
            ->type_name(",|tab");
        csv_->add_option("--encoding", encoding_, "auto (default: UTF-8 when the bytes are, else CP932), cp932 or utf-8")
            ->check(CLI::IsMember({"auto", "cp932", "utf-8"}))
            ->type_name("ENCODING");
        qif_ = command_->add_subcommand("qif", "a QIF file (!Type:Bank, Cash, CCard)");
        qif_->add_option("FILE", file_, "the QIF file")->required();
        for (CLI::App* sub : {csv_, qif_}) {
            sub->add_option("--default-out", request_.defaultOut, "the category of money out no rule names")
                ->type_name("CATEGORY");
            sub->add_option("--default-in", request_.defaultIn, "the category of money in no rule names")
                ->type_name("CATEGORY");
            sub->add_option("--rules", rulesFile_, "rules in a file: UTF-8, TEXT<TAB>CATEGORY a line")
                ->type_name("FILE");
            sub->add_flag("--skip-bad", request_.skipBad, "import the good rows when some are bad");
            sub->add_flag("--dry-run", dryRun_, "show what would be imported; write nothing");
        }
        return command_;
    }

    std::optional<std::string> check() override {
        // The parser is gone by the time run() is called: what it tells is
        // kept here.
        qifChosen_ = qif_->parsed();
        const bool statement = csv_->parsed() || qifChosen_;
        if (undo_ && statement) return "import --undo takes no statement";
        if (!undo_ && !statement) return "import needs csv FILE, qif FILE or --undo";
        if (csv_->parsed()) {
            if (columns_.amount == 0 && columns_.out == 0) return "import csv needs --amount COL, or --out COL and --in COL";
            if (auto problem = columnsProblem(columns_)) return "import csv: " + *problem;
        }
        if (!rulesFile_.empty()) {
            const auto text = readWholeFile(rulesFile_);
            if (!text) return "--rules: cannot read " + rulesFile_;
            RulesText rules = readRulesText(*text);
            if (!rules.problems.empty()) {
                const ReadProblem& p = rules.problems.front();
                return "--rules " + rulesFile_ + ", line " + std::to_string(p.line) + ": " + p.error;
            }
            rules_ = std::move(rules.rules);
        }
        return std::nullopt;
    }

    int run(const Options& options, std::ostream& out, std::ostream& err) override {
        return undo_ ? runUndo(options, out, err) : runImport(options, out, err);
    }

private:
    int runUndo(const Options& options, std::ostream& out, std::ostream& err) {
        UndoStatus status = UndoStatus::Done;
        const int files = runOnStartedBook(options, out, err, [&](Book& book) {
            const UndoOutcome outcome = undoLastImport(book);
            status = outcome.status;
            if (status == UndoStatus::NothingToUndo) msgNothingToUndo(book.ui());
            if (status == UndoStatus::RecordNotRemoved) msgUndoRecordNotRemoved(book.ui());
            return undoJson(outcome);
        });
        return status == UndoStatus::Done ? files : 1;
    }

    int runImport(const Options& options, std::ostream& out, std::ostream& err) {
        const auto bytes = readStatementFile(file_);
        if (!bytes) {
            err << messageLine(Message{"そのファイルは読み込めません（" + file_ + "）", MsgKind::Error}) << '\n';
            return 1;
        }
        const std::string folder = folderOf(options);
        prepareRequest(folder, err);
        // The record of the import before, put back should the book not be
        // written: an undo must never take lines the file does not hold.
        const std::optional<std::string> earlierRecord = readWholeFile(undoRecordFileName(folder));

        ImportStatus status = ImportStatus::Done;
        bool changed = false;
        const int files = runOnStartedBook(
            options, out, err,
            [&](Book& book) {
                storeTheDay(book);
                const StatementPlan planned = planStatement(book, *bytes, request_);
                const ImportOutcome outcome = dryRun_ ? plannedOutcome(planned.plan, request_.skipBad)
                                                      : kakeibo::runImport(book, planned.plan, request_.skipBad,
                                                                           fileNameOf(file_));
                status = outcome.status;
                changed = !dryRun_ && outcome.added > 0;
                if (status == ImportStatus::RecordNotWritten) msgImportRecordWriteFailed(book.ui());
                return planJson(planned.plan, outcome);
            },
            !dryRun_);
        if (changed && files != 0) {
            if (earlierRecord) {
                saveFileSafely(undoRecordFileName(folder), *earlierRecord, false);
            } else {
                removeUndoRecord(folder);
            }
        }
        return status == ImportStatus::Done ? files : 1;
    }

    void prepareRequest(const std::string& folder, std::ostream& err) {
        StatementOptions& s = request_.statement;
        s.format = qifChosen_ ? StatementFormat::Qif : StatementFormat::Csv;
        s.encoding = encodingFromName(encoding_).value_or(StatementEncoding::Auto);
        s.csv = CsvFormat{separator_ == "tab" ? '\t' : ',', skip_};
        columns_.sign = inNegative_ ? AmountSign::InNegative : AmountSign::OutNegative;
        s.columns = columns_;
        if (!rulesFile_.empty()) {
            request_.rules = rules_;
            return;
        }
        LoadedMemory memory = loadImportMemory(folder);
        if (memory.broken) err << messageLine(Message{"取り込みの設定ファイル（Mirab050.rules）が壊れているようです",
                                                      MsgKind::Warning}) << '\n';
        request_.rules = std::move(memory.memory.rules);
    }

    CLI::App* command_ = nullptr;
    CLI::App* csv_ = nullptr;
    CLI::App* qif_ = nullptr;
    bool undo_ = false;
    bool qifChosen_ = false;
    bool dryRun_ = false;
    bool outNegative_ = false;
    bool inNegative_ = false;
    std::string file_;
    std::string rulesFile_;
    std::string separator_ = ",";
    std::string encoding_ = "auto";
    int skip_ = 0;
    CsvColumns columns_{1, 2, 0, AmountSign::OutNegative, 0, 0, DateForm::Auto};
    std::vector<Rule> rules_;
    ImportRequest request_;
};

}  // namespace

std::shared_ptr<CommandModule> makeImportCommand() { return std::make_shared<ImportCommand>(); }

}  // namespace kakeibo::cli
