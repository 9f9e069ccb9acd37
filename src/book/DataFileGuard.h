#pragma once
// The standard data file is never overwritten once somebody else changed
// it: a book kept in a synced folder and changed on another computer, or
// by another program, since this book read (or last wrote) it. The book
// then goes beside it as "Mirab050.conflict-YYYYMMDD-HHMMSS.mrb", the
// other file stays as it is, and a warning names both. Every write of the
// standard data file goes through here: the close, the save command, a
// save under a name that is the standard file, and the restores.

#include <string>

#include "book/Book.h"
#include "storage/DataFile.h"

namespace kakeibo {

enum class DataFileWrite {
    Written,        // the data file holds the book now
    WrittenBeside,  // the data file had changed: the book is in a conflict copy
    Failed,         // nothing could be written (reported)
};

// Writes bytes (a data file) as the book's standard data file, the previous
// file becoming the ".bak". With withGeneration, the file replaced is kept
// as a backup generation too (the close does that).
DataFileWrite writeStandardDataFile(Book& book, const std::string& bytes, bool withGeneration);
// The same with the book's own bytes (the day sheets are not stored first).
DataFileWrite writeStandardDataFile(Book& book, bool withGeneration);

// Whether path names the book's standard data file.
bool isStandardDataFile(const Book& book, const std::string& path);

// Remembers a read of the standard data file as what the book knows of it.
void rememberDataFileRead(Book& book, const DataFileRead& read);

}  // namespace kakeibo
