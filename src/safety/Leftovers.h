#pragma once
// Temporary files that a killed save left behind ("Mirab050.mrb.new-123-4.tmp"
// and the like, see saveFileSafely) are cleared at the next start once the
// process that made them is gone. Only files of ours are touched: regular
// files of this user whose name is a temporary name of one of the book's
// own files.
//
// Such a file is a half-written copy, a second name of a file that is still
// there, or the whole new contents of a save that was killed before it took
// the file's place. The last kind is removed only when the file it was
// meant to replace holds the same bytes; a data file's new contents that
// differ are the work of a save that never finished, and are kept under a
// dated name like a recovery copy put aside, to be opened with the
// data-open command.

#include <string>
#include <vector>

#include "storage/FileLayer.h"

namespace kakeibo {

// Whether fileName is a temporary name that one of the book's saves makes.
bool isOurTemporaryName(const std::string& fileName);

struct LeftoverCleanup {
    std::vector<std::string> removed;  // file names
    std::vector<std::string> kept;     // full paths of the unfinished saves kept
};

// Clears the leftovers of dead writers in folder.
LeftoverCleanup clearLeftovers(const std::string& folder, FileLayer& files = systemFileLayer());

}  // namespace kakeibo
