#pragma once
// The settings page to and from the preferences file's image. Copying an
// image onto the page only fills the sheets and options; the settings take
// effect when they are applied (settingAll).

#include <string>

#include "book/Book.h"
#include "storage/PrefFile.h"

namespace kakeibo {

// Every item of the settings page; each sheet record takes the sheet's
// current row and column counts.
PrefImage prefImageFromBook(const Book& book);

// Copies the items present in image onto the settings page; absent items
// leave their previous values. A sheet record fills cells (k, r) for
// r = 1..R-1 and k = 0..K-1 with the file's own R and K, without changing
// the sheet's counts: cells beyond the current row count are kept by the
// sheet and show once the row count grows. Cells the record does not
// cover, and header rows, keep their text.
void applyPrefImage(const PrefImage& image, Book& book);

// loadPref into the settings page: the items read before a fault are kept;
// a file of a later version changes nothing.
ReadOutcome loadPrefIntoBook(const std::string& path, Book& book, FileLayer& files = systemFileLayer());

// savePref of the settings page; a failure is reported and gives false.
bool savePrefFromBook(const std::string& path, Book& book, FileLayer& files = systemFileLayer());

}  // namespace kakeibo
