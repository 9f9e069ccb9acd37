#pragma once
// The names of the program's files: the program folder, the base name
// "Mirab050", then the extension.

#include <string>
#include <string_view>

namespace kakeibo {

inline constexpr const char* kFileBaseName = "Mirab050";

// folder with a trailing "/" added when missing; the empty text (the
// current folder) stays empty.
std::string withTrailingSlash(std::string folder);

// programFolder with a trailing "/" (added when missing) + "Mirab050" + ext.
std::string makeFileName(const std::string& programFolder, std::string_view ext);

std::string dataFileName(const std::string& programFolder);   // ".mrb"
std::string prefFileName(const std::string& programFolder);   // ".prf"
std::string monthFileName(const std::string& programFolder);  // ".mmm"
std::string iniFileName(const std::string& programFolder);    // ".ini"

// The folder the program keeps its files in, with a trailing "/": the
// executable's folder when it already holds the book ("Mirab050.mrb" or
// "Mirab050.prf": a portable copy unpacked into a folder of its own) and
// the program may write there; otherwise $XDG_DATA_HOME/kakeibo (default
// ~/.local/share/kakeibo), created readable by its owner only on first use.
// A program started from its build tree therefore never keeps a book
// where cleaning the build would remove it. When even the per-user folder
// cannot be made, its name is still returned, so that the file routines
// report their failures as usual. A folder given on the command line
// (--dir) comes before all of this; the callers take it.
std::string programFolder();

// Whether folder holds a book of its own: "Mirab050.mrb" or "Mirab050.prf".
bool holdsABook(const std::string& folder);

// The choice above with its inputs given, for tests: executableFolder may
// be empty (unknown); xdgDataHome and home may be empty (unset).
std::string chooseProgramFolder(const std::string& executableFolder, const std::string& xdgDataHome,
                                const std::string& home);

}  // namespace kakeibo
