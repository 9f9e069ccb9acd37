#pragma once
// The commands of kakeibo-cli: each runs the book's start-up, does what a
// person would do on a page, and runs the shutdown, so the files are left
// exactly as the window program would leave them.

#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/Dates.h"

namespace kakeibo {
class Book;
}  // namespace kakeibo

namespace kakeibo::cli {

class CommandModule;

struct Options {
    std::string folder;          // the program folder; empty: the window program's
    std::optional<Date> today;   // the date taken as today
    bool yes = false;            // answer OK / Yes to every confirmation
    std::string command;         // "dump", "start", "show", "calc", ..., "export"
    std::vector<std::string> args;  // the command's arguments, already checked
    bool following = false;      // calc --following
    std::string exportEncoding = "cp932";  // export --encoding: cp932 or utf-8
    // The command when it is one of the command modules, which holds its
    // own parsed values.
    std::shared_ptr<CommandModule> module;
};

// Runs one command; prints its JSON to out and its messages to err.
// Returns the exit status: 0 done, 1 a file failure message was shown.
int runCommand(const Options& options, std::ostream& out, std::ostream& err);

// Parses argv; on a usage error writes the error and the usage to err and
// returns 2 in status; on --help writes the help to out and returns 0.
std::optional<Options> parseArguments(int argc, char** argv, std::ostream& out, std::ostream& err,
                                      int& status);

// The summary pages as a person opens them, ready for their "集計": the
// day sheets and the page's sheets stored first, then the period shown.
void leaveDayPage(Book& book);
void showWeek(Book& book, Date date);
void showYear(Book& book, int year);
void showMonth(Book& book, const Ymd& ym);

// "YYYY-MM" and "YYYY" arguments.
std::optional<Ymd> parseYearMonth(const std::string& text);
std::optional<int> parseYear(const std::string& text);

}  // namespace kakeibo::cli
