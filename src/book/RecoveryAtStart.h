#pragma once
// What the start-up does with the program folder before it reads a file:
// it clears what killed saves left, and offers the recovery copy that a
// program which did not close left behind.
//
// The copy is offered only when the data file is still the one its program
// knew; otherwise (another program wrote the data file since) restoring it
// would undo that program's work, and the copy is kept under a dated name
// instead. A copy whose book the files already hold is removed. Nothing is
// removed that is not written elsewhere: a copy not restored is kept.

#include <string>

#include "book/Book.h"

namespace kakeibo {

enum class RecoveryOutcome {
    NoCopy,    // there was none
    Restored,  // the copy's book is in the four files now
    KeptAside, // declined, outdated, unreadable or not restorable: kept as keptName
    AlreadyInFiles,  // the files held its book already; it was removed
};

struct RecoveryAtStart {
    RecoveryOutcome outcome = RecoveryOutcome::NoCopy;
    std::string keptName;
};

// Clears leftovers of killed saves (program folder and backup folder),
// points the book's recovery writer at the folder, and offers a recovery
// copy that is there. Uses book.folder, book.ui() and book.safety.files.
RecoveryAtStart prepareProgramFolder(Book& book);

// Whether a recovery copy waits in folder (the command-line tool refuses to
// start over one unless told to restore it).
bool recoveryCopyWaiting(const std::string& folder);

}  // namespace kakeibo
