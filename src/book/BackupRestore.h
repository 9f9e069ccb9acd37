#pragma once
// The backup generations as the restore command lists them, and the
// restore itself: the chosen day's book becomes the book, after the book
// as it is now was kept as a generation of its own.

#include <optional>
#include <string>
#include <vector>

#include "book/Book.h"

namespace kakeibo {

struct GenerationSummary {
    Date day = 0;
    std::string path;
    bool readable = false;  // the file reads completely
    int cards = 0;
    std::optional<Date> lastCard;
};

// Every generation in folder's backup folder, newest first.
std::vector<GenerationSummary> summarizeGenerations(const std::string& folder);

enum class BackupRestore { Restored, Cancelled, Failed };

// Asks, then restores the generation at path: the day sheets are stored,
// the book written to the data file (through its guard; the file it
// replaces kept as a generation) and kept as today's generation, then the
// generation's bytes become the data file and are read into the book, the
// shown date shown again. A generation that does not read completely is
// refused with a message; any failure leaves the data file holding the
// book as it was.
BackupRestore restoreGeneration(Book& book, const std::string& path);

}  // namespace kakeibo
