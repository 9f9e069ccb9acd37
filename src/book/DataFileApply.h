#pragma once
// The book's cards, credit sheet and notes to and from the data file.

#include <optional>
#include <string>
#include <string_view>

#include "book/Book.h"
#include "storage/DataFile.h"
#include "storage/FileLayer.h"

namespace kakeibo {

// The note page as the file holds it (lines joined by CR LF) and back to
// the editor's text (lines joined by "\n"). Nothing else changes, so the
// note comes back exactly as typed.
std::string noteToFileText(const std::string& editorText);
std::string noteFromFileText(const std::string& fileText);

// Everything the data file takes from the book but its cards: the header,
// the credit sheet and the note page, as saveBookData writes them.
DataImage dataImageWithoutCards(const Book& book);

// The bytes saveBookData writes (headerFlag set to 0 first, as it does).
std::string encodeBookData(Book& book);
// The same bytes without a copy of a long book: where the book is still
// its data file as read (head and every card), they are that file's bytes,
// held by the cards; else they are encoded into owned. Valid until the
// cards change.
struct BookDataBytes {
    std::optional<std::string_view> asRead;
    std::string owned;
    std::string_view bytes() const { return asRead ? *asRead : std::string_view(owned); }
};
BookDataBytes bookDataBytes(Book& book);

// Writes the book's data file to path: header, credit sheet, notes and
// every card (the day sheets are not stored first; callers do that).
// The previous file becomes the ".bak". A failure is reported and gives false.
bool saveBookData(const std::string& path, Book& book, FileLayer& files = systemFileLayer());

// How a data file read at start-up, or by the open command, is taken in.
enum class DataLoadMode {
    // Start-up: what was read before a fault stays (the cards completed and
    // the part of the card being read), as the person expects to see it.
    KeepWhatWasRead,
    // The open command: the cards in memory are replaced only by a file that
    // was read completely; a rejected or broken file leaves the book as it was.
    ReplaceOnlyWhenGood,
};

// Reads path into the book (startDate, headerFlag, GridCredit, MemoOboe,
// cards) with the messages of a failed read. The card list is never left
// empty: when nothing could be read the caller's fallback applies (see
// ensureCard). Returns how the read ended.
ReadOutcome loadBookData(const std::string& path, Book& book, DataLoadMode mode);
// The same over a read made beforehand (see DataPrefetch).
ReadOutcome loadBookData(DataFileRead&& read, Book& book, DataLoadMode mode);

// Makes sure the book has a card: one for date when the list is empty.
void ensureCard(Book& book, Date date);

// A data file that could not be read completely at start-up is copied once,
// untouched, to "<path>.unreadable" (or ".unreadable-2", ...), because the
// shutdown rewrites the data file and two saves later its ".bak" would be
// gone too. Returns the copy's name, or the empty text when copying failed.
std::string keepUnreadableCopy(const std::string& path);

}  // namespace kakeibo
