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

// The standard data file as a write is about to find it.
struct DataFileBefore {
    // Nothing when it exists but cannot be read (the save keeps it as the
    // ".bak" all the same).
    std::optional<FileContents> onDisk;
    bool changedElsewhere = false;
    // The file is known to hold the bytes about to be written, so they were
    // not read again (onDisk has the identity only).
    bool holdsBytesToWrite = false;
};
// With the bytes about to be written, a data file that kept the stamp it
// had when the book read it and that holds those very bytes (its hash is
// known) is not read again: the close of a book nobody changed reads no
// file.
DataFileBefore checkStandardDataFile(Book& book, std::optional<std::string_view> bytesToWrite = std::nullopt);
// Puts the book beside a data file changed elsewhere (a conflict copy) and
// says so; Failed (reported) when even that cannot be written.
DataFileWrite writeBesideStandardDataFile(Book& book, std::string_view bytes);
// After bytes took the standard data file's place: what the book knows of
// the file, and with withGeneration the file replaced kept as a backup
// generation (unless it was these very bytes).
void standardDataFileWritten(Book& book, std::string_view bytes, const DataFileBefore& before,
                             bool withGeneration);

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
