#include "Commands.h"

#include "CommandLine.h"
#include "CommandModule.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <ostream>

#include "JsonOutput.h"
#include "TerminalUi.h"
#include "book/Book.h"
#include "book/DayCalculation.h"
#include "book/DayDisplay.h"
#include "book/Lifecycle.h"
#include "book/MemoList.h"
#include "book/MonthSummary.h"
#include "book/Stores.h"
#include "book/TextExports.h"
#include "book/RecoveryAtStart.h"
#include "book/WeekYearSummary.h"
#include "messages/SafetyMessages.h"
#include "safety/RecoveryFile.h"
#include "storage/FileNames.h"
#include "storage/FolderLock.h"

namespace kakeibo::cli {

namespace {

const char* kHelpFooter = R"(
Every command but dump runs the book's start-up first (files read, settings
applied, today's card shown, automatic debits when they are switched on) and
its shutdown last (all four files written, the previous data file kept as
".bak" and in backup/), so its effect on the files is what the window program
would leave. The window settings file is written back with the values it held.
A data file that another program changed meanwhile is never overwritten: the
book goes beside it as Mirab050.conflict-YYYYMMDD-HHMMSS.mrb. While a recovery
copy of a program that did not close waits in the folder, every command that
starts the book refuses to unless --yes restores the copy first.

Message boxes are written to standard error, one line each:
  KIND: TEXT      KIND is error, warning, information or confirmation;
                  a line break inside TEXT is written as \n.
Without --yes every confirmation is answered Cancel.

Standard output is one JSON document. Dates are "YYYY-MM-DD"; amounts in
records are numbers; sheet cells are the texts the sheets hold.
  page:  {"panels": {NAME: TEXT, ...}, "sheets": {NAME: [[cell, ...], ...]},
          "memo": TEXT (day page only)}
         each sheet as its rows 0 to its last used row, every column.
         day: pnlDay pnlYobi pnlPage pnlToShonichi; GridShishutu GridShuNyu
              GridKoza GridYosan GridMatome; memo Memo1
         month: pnlYearSum pnlMonthSum pnlMonthStart pnlMonthLast pnlPageSum;
              GridMonthSum GridMonthShishutu GridMonthShuNyu GridMonthMatome
              GridMonthKoza
         week: pnlYearWeek pnlWeekWeek pnlPageWeek; GridWeekShishutsu
              GridWeekShuNyu
         year: pnlYearYear; GridYearShishutsu GridYearShuNyu
  dump:  {"data": {...}, "prefs": {...}, "months": [...], "window": {...}}
         a file that does not exist gives null, an item its version lacks
         gives null; window holds every key as the text the file holds.

Exit status: 0 done; 1 a file failure message was shown (read or write);
2 a usage error.

Examples:
  kakeibo-cli --today 2026-12-08 show 2026-12-08
  kakeibo-cli calc 2026-11-01 --following
  kakeibo-cli export month 2026-11 ~/M2026-11.txt
  kakeibo-cli export --encoding utf-8 month 2026-11 ~/M2026-11.txt
)";

bool isoDateOk(const std::string& text) { return isoToDate(text).has_value(); }

Date firstOf(const Ymd& ym) { return *makeDate(ym.year, ym.month, 1); }

Json runExport(Book& book, const std::vector<std::string>& a, const std::string& encodingName) {
    const std::string& what = a[0];
    const ExportEncoding encoding = encodingName == "utf-8" ? ExportEncoding::Utf8WithBom : ExportEncoding::Cp932;
    if (what == "hibi") {
        saveHibiText(book, a[3], *isoToDate(a[1]), *isoToDate(a[2]), encoding);
    } else if (what == "week") {
        showWeek(book, *isoToDate(a[1]));
        btnSumWeekClick(book);
        saveSumTableText(book, a[2], weekExportHeading(book), book.GridWeekShishutsu, book.GridWeekShuNyu,
                         encoding);
    } else if (what == "month") {
        showMonth(book, *parseYearMonth(a[1]));
        saveMonthSumText(book, a[2], monthExportHeading(book), encoding);
    } else if (what == "year") {
        showYear(book, *parseYear(a[1]));
        btnSumYearClick(book);
        saveSumTableText(book, a[2], yearExportHeading(book), book.GridYearShishutsu, book.GridYearShuNyu,
                         encoding);
    } else if (what == "notes") {
        writeExportFile(book, a[1], linesText(book.MemoOboe), encoding);
    } else if (what == "memo") {
        const Ymd ym = *parseYearMonth(a[1]);
        leaveDayPage(book);
        dispMemoIchiran(book, ym.year, ym.month);
        writeExportFile(book, a[2], linesText(book.MemoLeft), encoding);
    }
    return Json::object();
}

Json runOnBook(Book& book, const Options& o) {
    const auto& a = o.args;
    if (o.command == "start") return Json::object();
    if (o.command == "show") {
        leaveDayPage(book);
        dispTheDay(book, *isoToDate(a[0]));
        return pageJson(book, PageKind::Day);
    }
    if (o.command == "calc") {
        leaveDayPage(book);
        dispTheDay(book, *isoToDate(a[0]));
        btnCalcMouseUp(book, o.following);
        return pageJson(book, PageKind::Day);
    }
    if (o.command == "sum-month") {
        showMonth(book, *parseYearMonth(a[0]));
        btnSumMonthClick(book);
        return pageJson(book, PageKind::Month);
    }
    if (o.command == "sum-week") {
        showWeek(book, *isoToDate(a[0]));
        btnSumWeekClick(book);
        return pageJson(book, PageKind::Week);
    }
    if (o.command == "sum-year") {
        showYear(book, *parseYear(a[0]));
        btnSumYearClick(book);
        return pageJson(book, PageKind::Year);
    }
    if (o.command == "export") return runExport(book, a, o.exportEncoding);
    return Json::object();
}

}  // namespace

std::optional<Ymd> parseYearMonth(const std::string& text) {
    if (text.size() != 7 || text[4] != '-') return std::nullopt;
    if (auto d = isoToDate(text + "-01")) return splitDate(*d);
    return std::nullopt;
}

std::optional<int> parseYear(const std::string& text) {
    if (auto d = isoToDate(text + "-01-01"); d && text.size() == 4) return splitDate(*d).year;
    return std::nullopt;
}

// The day sheets are the working copy of the shown card: store them before
// another page reads the cards, as a page change does.
void leaveDayPage(Book& book) { storeTheDay(book); }

void showWeek(Book& book, Date date) {
    leaveDayPage(book);
    storeTheWY(book.weeks.cur(), book.GridWeekShishutsu, book.GridWeekShuNyu);
    dispTheWY(book, 0, date);
}

void showYear(Book& book, int year) {
    leaveDayPage(book);
    storeTheWY(book.years.cur(), book.GridYearShishutsu, book.GridYearShuNyu);
    dispTheWY(book, 1, *makeDate(year, 1, 1));
}

void showMonth(Book& book, const Ymd& ym) {
    leaveDayPage(book);
    storeTheMonth(book);
    dispTheMonth(book, firstOf(ym));
}

std::string folderOf(const Options& options) {
    return withTrailingSlash(options.folder.empty() ? programFolder() : options.folder);
}

int runOnStartedBook(const Options& options, std::ostream& out, std::ostream& err,
                     const std::function<Json(Book&)>& work, bool writeFiles) {
    TerminalUi ui(err, options.yes);
    const std::string folder = folderOf(options);

    // The command writes the files at its end, as the window program does
    // at its close: not while a program has the folder open.
    FolderLock lock(folder);
    if (lock.acquire() == FolderLock::Outcome::HeldElsewhere) {
        err << messageLine(Message{alreadyRunningMessage(), MsgKind::Error}) << '\n';
        return 1;
    }
    // The window program asks the person; a script must not answer for
    // them, so only --yes restores.
    if (recoveryCopyWaiting(folder) && !options.yes) {
        err << messageLine(Message{recoveryWaitingText(recoveryFileName(folder)), MsgKind::Error}) << '\n';
        return 1;
    }

    Book book(ui);
    book.folder = folder;
    if (options.today) book.clock().setToday(*options.today);

    const StartupReport report = formCreate(book);
    const Json result = work(book);
    // The window settings go back as they were read, defaults for what the
    // file lacked, so a script never moves the person's window.
    WindowSizes sizes;
    applyWindowLayout(report.layout, sizes);
    if (writeFiles) formClose(book, sizes);

    out << result.dump() << '\n';
    return ui.fileFailureShown() ? 1 : 0;
}

int runCommand(const Options& options, std::ostream& out, std::ostream& err) {
    if (options.module) return options.module->run(options, out, err);

    if (options.command == "dump") {
        TerminalUi ui(err, options.yes);
        out << dumpJson(folderOf(options), ui).dump() << '\n';
        return ui.fileFailureShown() ? 1 : 0;
    }
    return runOnStartedBook(options, out, err, [&options](Book& book) { return runOnBook(book, options); });
}

void defineCommandLine(CLI::App& app, CommandLineValues& values) {
    Options& o = values.o;
    std::string& today = values.today;
    std::vector<std::string>& a = values.a;
    app.name("kakeibo-cli");
    app.description("kakeibo-cli: みらぶの家計簿, the household account book, without a window.");
    app.footer(kHelpFooter);
    app.require_subcommand(1);
    app.fallthrough();
    app.set_version_flag("--version", "kakeibo-cli " KAKEIBO_VERSION, "print the version and exit");
    app.add_option("--dir", o.folder, "the program folder holding the Mirab050.* files (default: the "
                                      "folder the window program uses)")
        ->type_name("DIR");
    app.add_option("--today", today, "YYYY-MM-DD taken as today everywhere (default: the real date)")
        ->type_name("DATE");
    app.add_flag("--yes", o.yes, "answer OK (or Yes) to every confirmation");

    app.add_subcommand("dump", "read the four files, change nothing, write nothing; print their contents");
    app.add_subcommand("start", "start-up, then shutdown; print {}");
    auto* show = app.add_subcommand("show", "show the card of DATE on the day page; print the day page");
    show->add_option("DATE", a[0], "YYYY-MM-DD")->required();
    auto* calc = app.add_subcommand("calc", "show the card of DATE and press 計算する; print the day page");
    calc->add_option("DATE", a[0], "YYYY-MM-DD")->required();
    calc->add_flag("--following", o.following, "hold Ctrl: recalculate every later card too");
    auto* sumMonth = app.add_subcommand("sum-month", "show the fiscal month named YYYY-MM and press 集計");
    sumMonth->add_option("YYYY-MM", a[0])->required();
    auto* sumWeek = app.add_subcommand("sum-week", "show the week that contains DATE and press 集計");
    sumWeek->add_option("DATE", a[0], "YYYY-MM-DD")->required();
    auto* sumYear = app.add_subcommand("sum-year", "show year YYYY and press 集計");
    sumYear->add_option("YYYY", a[0])->required();

    auto* ex = app.add_subcommand("export", "write a text export (CP932 or UTF-8, CR LF); print {}");
    ex->require_subcommand(1);
    ex->add_option("--encoding", o.exportEncoding,
                   "cp932 (the default) or utf-8: UTF-8 with a byte-order mark, which spreadsheet programs "
                   "open as it is")
        ->check(CLI::IsMember({"cp932", "utf-8"}))
        ->type_name("ENCODING");
    auto* exHibi = ex->add_subcommand("hibi", "the daily records of FROM..TO");
    exHibi->add_option("FROM", a[1], "YYYY-MM-DD")->required();
    exHibi->add_option("TO", a[2], "YYYY-MM-DD")->required();
    exHibi->add_option("FILE", a[3])->required();
    auto* exWeek = ex->add_subcommand("week", "show the week of DATE, press 集計, export it");
    exWeek->add_option("DATE", a[1], "YYYY-MM-DD")->required();
    exWeek->add_option("FILE", a[2])->required();
    auto* exMonth = ex->add_subcommand("month", "show the month record YYYY-MM as stored, export it");
    exMonth->add_option("YYYY-MM", a[1])->required();
    exMonth->add_option("FILE", a[2])->required();
    auto* exYear = ex->add_subcommand("year", "show year YYYY, press 集計, export it");
    exYear->add_option("YYYY", a[1])->required();
    exYear->add_option("FILE", a[2])->required();
    auto* exNotes = ex->add_subcommand("notes", "the notes page");
    exNotes->add_option("FILE", a[1])->required();
    auto* exMemo = ex->add_subcommand("memo", "the memo list with YYYY-MM in the left pane");
    exMemo->add_option("YYYY-MM", a[1])->required();
    exMemo->add_option("FILE", a[2])->required();

    const std::vector<std::shared_ptr<CommandModule>> modules = makeCommandModules();
    for (const auto& module : modules) values.moduleCommands.emplace_back(module->addTo(app), module);
    values.ex = ex;
}

std::optional<Options> parseArguments(int argc, char** argv, std::ostream& out, std::ostream& err,
                                      int& status) {
    CLI::App app;
    CommandLineValues values;
    defineCommandLine(app, values);
    Options& o = values.o;
    const std::string& today = values.today;
    std::vector<std::string>& a = values.a;
    CLI::App* ex = values.ex;
    const auto& moduleCommands = values.moduleCommands;

    auto usageError = [&](const std::string& message) {
        err << "kakeibo-cli: " << message << "\n\n" << app.help();
        status = 2;
        return std::nullopt;
    };

    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& done) {
        // --help or --version.
        status = app.exit(done, out, err);
        return std::nullopt;
    } catch (const CLI::ParseError& e) {
        return usageError(e.what());
    }

    for (const auto* sub : app.get_subcommands()) o.command = sub->get_name();
    // A folder that is not there would start an empty book in its place.
    if (!o.folder.empty() && !std::filesystem::is_directory(o.folder)) {
        return usageError("--dir needs an existing folder: " + o.folder);
    }
    if (!today.empty()) {
        o.today = isoToDate(today);
        if (!o.today) return usageError("--today needs YYYY-MM-DD: " + today);
    }
    for (const auto& [sub, module] : moduleCommands) {
        if (!sub->parsed()) continue;
        if (auto problem = module->check()) return usageError(*problem);
        o.module = module;
        status = 0;
        return o;
    }

    // Check the arguments' forms, so the command itself never meets a bad one.
    auto need = [&](const std::string& text, const char* form) -> bool {
        const std::string f = form;
        if (f == "DATE") return isoDateOk(text);
        if (f == "YYYY-MM") return parseYearMonth(text).has_value();
        return parseYear(text).has_value();
    };
    std::vector<std::pair<std::string, const char*>> checks;
    if (o.command == "show" || o.command == "calc" || o.command == "sum-week") checks = {{a[0], "DATE"}};
    if (o.command == "sum-month") checks = {{a[0], "YYYY-MM"}};
    if (o.command == "sum-year") checks = {{a[0], "YYYY"}};
    if (o.command == "export") {
        const std::string what = ex->get_subcommands().front()->get_name();
        a[0] = what;
        if (what == "hibi") checks = {{a[1], "DATE"}, {a[2], "DATE"}};
        if (what == "week") checks = {{a[1], "DATE"}};
        if (what == "month" || what == "memo") checks = {{a[1], "YYYY-MM"}};
        if (what == "year") checks = {{a[1], "YYYY"}};
    }
    for (const auto& [text, form] : checks) {
        if (!need(text, form)) return usageError(std::string("expected ") + form + ", got \"" + text + "\"");
    }
    while (!a.empty() && a.back().empty()) a.pop_back();
    o.args = a;
    status = 0;
    return o;
}

}  // namespace kakeibo::cli
