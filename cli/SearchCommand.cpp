#include "SearchCommand.h"

#include <ostream>

#include "TerminalUi.h"
#include "search/SearchRun.h"
#include "search/TypedValues.h"
#include "storage/DataFile.h"
#include "storage/FileLayer.h"
#include "storage/FileNames.h"

namespace kakeibo::cli {

namespace {

const char* kSearchFooter = R"(
A line matches when TEXT is in its item or its category (a memo or notes
line: in the line; a credit row: in its item or its card), compared with
full-width and half-width forms, letter case and hiragana/katakana folded:
けーき finds ケーキ, ｹｰｷ and ケーキ too. Without TEXT every line of the other
conditions matches; blank lines never do. Amounts compare as stored (a
refund typed as -500 is below 0). An amount range leaves out memo and notes
lines; a period leaves out the notes and credit rows without a date.

Only the data file is read, as dump does: no start-up, nothing written; it
works while the window program has the folder open. A card being typed in
the window counts as it was last saved.

Output, in date order (credit rows by purchase date, after the cards' lines
of that day; credit rows without a date, then the notes, last):
  {"count": N, "spendTotal": X, "incomeTotal": Y, "accountTotal": Z,
   "matches": [
     {"date": "YYYY-MM-DD", "in": "spend"|"income"|"account", "row": R,
      "item": T, "category": T, "amount": A},
     {"date": "YYYY-MM-DD", "in": "memo", "line": L, "text": T},
     {"date": "YYYY-MM-DD"|null, "in": "credit", "row": R, "item": T,
      "card": T, "amount": A, "status": T},
     {"date": null, "in": "notes", "line": L, "text": T}]}
  row is the sheet row of the line (from 1), line the memo's or notes' line
  (from 1). The totals add the matched lines of each place; credit rows are
  copies of spending lines and are in no total.

Exit status: 0 done; 1 the data file could not be read (what was read is
searched); 2 a usage error.

Examples:
  kakeibo-cli search 冷蔵庫
  kakeibo-cli search 歯医者 --from 2025-01-01 --to 2025-12-31 --in spend
  kakeibo-cli search --min 50000 --in spend,credit
)";

Json matchJson(const SearchMatch& m) {
    Json out = Json::object();
    out["date"] = m.date ? Json(dateToIso(*m.date)) : Json(nullptr);
    out["in"] = std::string(placeName(m.place));
    switch (m.place) {
        case SearchPlace::Spend:
        case SearchPlace::Income:
        case SearchPlace::Account:
            out["row"] = m.row;
            out["item"] = m.text;
            out["category"] = m.category;
            out["amount"] = amountJson(m.amount);
            break;
        case SearchPlace::Memo:
        case SearchPlace::Notes:
            out["line"] = m.row;
            out["text"] = m.text;
            break;
        case SearchPlace::Credit:
            out["row"] = m.row;
            out["item"] = m.text;
            out["card"] = m.category;
            out["amount"] = amountJson(m.amount);
            out["status"] = m.status;
            break;
    }
    return out;
}

}  // namespace

Json searchResultJson(const SearchResult& result) {
    Json matches = Json::array();
    for (const SearchMatch& m : result.matches) matches.push_back(matchJson(m));
    return {{"count", result.count()},
            {"spendTotal", amountJson(result.spendTotal)},
            {"incomeTotal", amountJson(result.incomeTotal)},
            {"accountTotal", amountJson(result.accountTotal)},
            {"matches", std::move(matches)}};
}

CLI::App* SearchCommand::addTo(CLI::App& app) {
    CLI::App* search = app.add_subcommand(
        "search", "find TEXT in every card, memo, note and credit row; read-only like dump; print the matches");
    search->footer(kSearchFooter);
    search->add_option("TEXT", text_, "the text to find (default: every line)")->type_name("");
    fromOption_ = search->add_option("--from", from_, "the first day of the period (inclusive)");
    fromOption_->type_name("YYYY-MM-DD");
    toOption_ = search->add_option("--to", to_, "the last day of the period (inclusive)");
    toOption_->type_name("YYYY-MM-DD");
    minOption_ = search->add_option("--min", min_, "the least amount (inclusive)");
    minOption_->type_name("N");
    maxOption_ = search->add_option("--max", max_, "the greatest amount (inclusive)");
    maxOption_->type_name("N");
    inOption_ = search->add_option("--in", in_,
                       "where to look: a comma-separated subset of spend,income,account,memo,notes,credit "
                       "(default: all of them)")
        ->type_name("LIST");
    return search;
}

std::optional<std::string> SearchCommand::check() {
    query_ = SearchQuery{};
    query_.text = text_;
    // An option given with an empty value is malformed too, not absent.
    for (auto [option, text, date] : {std::tuple{fromOption_, &from_, &query_.from}, {toOption_, &to_, &query_.to}}) {
        if (option->count() == 0) continue;
        *date = isoToDate(*text);
        if (!*date) return option->get_name() + " needs YYYY-MM-DD, got \"" + *text + "\"";
    }
    for (auto [option, text, amount] :
         {std::tuple{minOption_, &min_, &query_.min}, {maxOption_, &max_, &query_.max}}) {
        if (option->count() == 0) continue;
        *amount = parseTypedAmount(*text);
        if (!*amount) return option->get_name() + " needs a number, got \"" + *text + "\"";
    }
    if (inOption_->count() > 0) {
        const auto places = parsePlaceList(in_);
        if (!places) return "--in needs a comma-separated list of spend,income,account,memo,notes,credit, got \"" +
                            in_ + "\"";
        query_.places = *places;
    }
    switch (queryProblem(query_)) {
        case QueryProblem::PeriodReversed: return "--from " + from_ + " is after --to " + to_;
        case QueryProblem::AmountsReversed: return "--min " + min_ + " is above --max " + max_;
        case QueryProblem::NoPlace:
        case QueryProblem::None: break;
    }
    return std::nullopt;
}

int SearchCommand::run(const Options& options, std::ostream& out, std::ostream& err) {
    TerminalUi ui(err, options.yes);
    DataImage image;
    const std::string path = dataFileName(folderOf(options));
    if (fileExists(path)) loadData(path, image, ui);
    DataImageSource source(image);
    FoldedCache cache;
    out << searchResultJson(searchBook(source, cache, query_)).dump() << '\n';
    return ui.fileFailureShown() ? 1 : 0;
}

}  // namespace kakeibo::cli
