#include "app/options/WindowOptions.h"

#include <ostream>

namespace kakeibo::shell {

namespace {

const char* kDescription = "kakeibo: みらぶの家計簿, a household account book (家計簿) for the desktop.";

// Where the book lives and what ends the program, for --help and the manual.
const char* kFooter = R"(
The book is one folder of files named Mirab050.*: the data file (.mrb, with
the previous one kept as .bak), the settings (.prf), the month summaries
(.mmm) and the window's places and sizes (.ini). The folder is the one given
with --dir; otherwise the program's own folder when it already holds
Mirab050.mrb or Mirab050.prf (a copy carried on a memory stick); otherwise
$XDG_DATA_HOME/kakeibo, that is ~/.local/share/kakeibo, made at the first
start. One program at a time, the window or kakeibo-cli, works on a folder.

Closing the window writes every file; so do logging out of the desktop and
the signals SIGTERM, SIGHUP and SIGINT (Ctrl+C in its terminal).

Qt's own options (-platform, -style, ...) are taken as well.

Environment:
  XDG_DATA_HOME   where the per-user folder of the book is made
  QT_IM_MODULE    the input method Japanese is typed through (ibus, fcitx)

Examples:
  kakeibo
  kakeibo --dir ~/kakeibo-2026
)";

}  // namespace

void defineWindowCommandLine(CLI::App& app, WindowOptions& options) {
    app.name("kakeibo");
    app.description(kDescription);
    app.footer(kFooter);
    app.set_version_flag("--version", "kakeibo " KAKEIBO_VERSION, "print the version and exit");
    app.add_option("--dir", options.folder, "the folder of the book's Mirab050.* files")
        ->type_name("DIR");
    app.allow_extras();
}

std::optional<WindowArguments> parseWindowArguments(int argc, char** argv, std::ostream& out,
                                                    std::ostream& err, int& status) {
    CLI::App app;
    WindowArguments parsed;
    defineWindowCommandLine(app, parsed.options);
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& done) {
        status = app.exit(done, out, err);
        return std::nullopt;
    } catch (const CLI::ParseError& e) {
        err << "kakeibo: " << e.what() << "\n\n" << app.help();
        status = 2;
        return std::nullopt;
    }
    parsed.forQt.emplace_back(argc > 0 ? argv[0] : "kakeibo");
    for (const std::string& extra : app.remaining()) parsed.forQt.push_back(extra);
    status = 0;
    return parsed;
}

std::string unknownArgumentsMessage(const std::vector<std::string>& left) {
    std::string message = "kakeibo: unknown arguments:";
    for (const std::string& argument : left) message += " " + argument;
    return message + "\nkakeibo --help tells the options.";
}

}  // namespace kakeibo::shell
