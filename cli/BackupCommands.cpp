// The backup generations from the command line: "backups" lists them as the
// window's restore command does, "restore-backup DATE" restores one (after
// --yes answers the question) through the book's start-up and shutdown.

#include <filesystem>
#include <ostream>

#include "CommandModule.h"
#include "book/BackupRestore.h"
#include "safety/BackupGenerations.h"

namespace kakeibo::cli {

namespace {

class BackupsCommand : public CommandModule {
public:
    CLI::App* addTo(CLI::App& app) override {
        return app.add_subcommand("backups",
                                  "list the backup generations, newest first: "
                                  "[{\"date\", \"file\", \"readable\", \"cards\", \"lastCard\"}]; change nothing");
    }

    int run(const Options& options, std::ostream& out, std::ostream&) override {
        Json list = Json::array();
        for (const GenerationSummary& g : summarizeGenerations(folderOf(options))) {
            list.push_back({{"date", dateToIso(g.day)},
                            {"file", g.path},
                            {"readable", g.readable},
                            {"cards", g.cards},
                            {"lastCard", g.lastCard ? Json(dateToIso(*g.lastCard)) : Json()}});
        }
        out << list.dump() << '\n';
        return 0;
    }
};

class RestoreBackupCommand : public CommandModule {
public:
    CLI::App* addTo(CLI::App& app) override {
        auto* sub = app.add_subcommand("restore-backup",
                                       "make the backup of DATE the book, after keeping the book as it is "
                                       "as today's backup (--yes answers the question); print {\"restored\": BOOL}");
        sub->add_option("DATE", date_, "YYYY-MM-DD, as backups lists it")->required();
        return sub;
    }

    std::optional<std::string> check() override {
        if (!isoToDate(date_)) return "expected DATE, got \"" + date_ + "\"";
        return std::nullopt;
    }

    int run(const Options& options, std::ostream& out, std::ostream& err) override {
        const std::string path = generationFileName(folderOf(options), *isoToDate(date_));
        if (!std::filesystem::exists(path)) {
            err << "kakeibo-cli: no backup of " << date_ << " (see: kakeibo-cli backups)\n";
            return 1;
        }
        return runOnStartedBook(options, out, err, [&path](Book& book) {
            return Json{{"restored", restoreGeneration(book, path) == BackupRestore::Restored}};
        });
    }

private:
    std::string date_;
};

}  // namespace

std::shared_ptr<CommandModule> makeBackupsCommand() { return std::make_shared<BackupsCommand>(); }
std::shared_ptr<CommandModule> makeRestoreBackupCommand() { return std::make_shared<RestoreBackupCommand>(); }

}  // namespace kakeibo::cli
