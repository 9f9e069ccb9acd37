#pragma once
// kakeibo-cli search: finds a text in every card, memo, note and credit row
// and prints what it found as JSON. It only reads the data file, as dump
// does: no start-up, nothing written, and it works while the window program
// has the folder open.

#include "CommandModule.h"
#include "search/SearchQuery.h"
#include "search/SearchResult.h"

namespace kakeibo::cli {

class SearchCommand : public CommandModule {
public:
    CLI::App* addTo(CLI::App& app) override;
    std::optional<std::string> check() override;
    int run(const Options& options, std::ostream& out, std::ostream& err) override;

private:
    std::string text_;
    std::string from_, to_, min_, max_, in_;
    CLI::Option* fromOption_ = nullptr;
    CLI::Option* toOption_ = nullptr;
    CLI::Option* minOption_ = nullptr;
    CLI::Option* maxOption_ = nullptr;
    CLI::Option* inOption_ = nullptr;
    SearchQuery query_;
};

// {"count": N, "spendTotal": X, "incomeTotal": Y, "accountTotal": Z,
//  "matches": [...]}, each match with the keys of its place.
Json searchResultJson(const SearchResult& result);

}  // namespace kakeibo::cli
