#pragma once
// Start-up and shutdown of the household book, in the one order both the
// window program and the command-line tool follow. The window program adds
// the splash box and applies the window geometry; everything else is here.

#include "book/Book.h"
#include "book/RecoveryAtStart.h"
#include "storage/ReadOutcome.h"
#include "storage/WindowLayout.h"

namespace kakeibo {

class DataPrefetch;

struct StartupReport {
    // What the window settings file says (its defaults when it is missing).
    WindowLayout layout;
    bool windowFileFound = false;
    // No data file: the first card for today was made and the welcome shown.
    bool firstStart = false;
    // How each file that existed was read (Ok when it did not exist).
    ReadOutcome prefOutcome = ReadOutcome::Ok;
    ReadOutcome dataOutcome = ReadOutcome::Ok;
    ReadOutcome monthOutcome = ReadOutcome::Ok;
    // Where an unreadable data file was kept before anything could overwrite it.
    std::string unreadableCopy;
    // What became of a recovery copy the last program left.
    RecoveryAtStart recovery;
};

// The creation of the main window after its splash box, for the files in
// book.folder: first the folder itself (leftovers of killed saves cleared,
// a recovery copy offered and restored when the person says so), then the
// window settings, preferences, sheet layouts, settings,
// cards (or the first card and the welcome), month records, the year and
// week cursors, today's card, every page's current record on its sheets,
// the "today" panels, the first cell, and the automatic debits.
// With prefetch, the data file is taken from its read made beforehand.
StartupReport formCreate(Book& book, DataPrefetch* prefetch = nullptr);

// Every file of the close, the lists kept: what a session ending under the
// program gets, in case the program is not asked to close after it. The
// data file is written only when nobody else changed it (otherwise the book
// goes into a conflict copy beside it), and the file it replaces is kept as
// a backup generation. When all four files are written the recovery copy
// is removed; when any is not, the book is written into the recovery copy.
bool saveAllFiles(Book& book, const WindowSizes& sizes);

// The close of the main window: window settings, preferences, the day
// sheets into their card, the data file (previous file kept as ".bak"), the
// month sheets into their record, the month file, then every list freed.
// A failed write is reported by its routine and the others still run; the
// book is then in the recovery copy, which is said too.
// Returns false when any file could not be written.
bool formClose(Book& book, const WindowSizes& sizes);

enum class CloseKind {
    ByPerson,         // the close box or the exit command
    ForcedByDesktop,  // a termination signal or the session's end
};
enum class CloseResult { Closed, KeptOpen };

// The close as the window program runs it. A close whose files could not
// all be written asks the person whether to end anyway (the book is in the
// recovery copy, or if even that failed, would be lost); Cancel keeps the
// window and the book open, to free room or save elsewhere and close again.
// An ending the desktop forces writes the recovery copy first, since the
// program may be killed at any moment after, and never asks.
CloseResult formCloseRequested(Book& book, const WindowSizes& sizes, CloseKind kind);

}  // namespace kakeibo
