#pragma once
// The File menu: open and save the data file and the preferences file under
// any name, and save the data at once. The commands choose a file and check
// its extension; the files' own routines read and write.

#include <string>

#include "book/Book.h"

namespace kakeibo {

enum class FileKind { Data = 1, Settings = 2 };

// The open dialog's filter list ("description|pattern|..."): entry 1 for
// data, 2 for settings, 3 all files. The save dialog's list, shared with the
// text exports, is kSaveFilter.
inline constexpr const char* kOpenDialogFilter =
    "みらぶの家計簿データファイル|*.mrb|みらぶの家計簿設定ファイル|*.prf|すべてのファイル|*.*";

// The extension of the last path component from its last ".", dot
// included, in lower case; empty when it has none.
std::string lowerExtension(const std::string& path);
// ".mrb" for data, ".prf" for settings.
bool extensionFits(const std::string& path, FileKind kind);

// Opens path as data (the cards are replaced only by a file that reads
// completely; the card of the date shown before is shown) or as settings
// (the settings page is filled; they take effect with "設定する").
// A wrong extension shows "そのファイルは開けません" and changes nothing.
void openByExt(Book& book, const std::string& path, FileKind kind);

// Saves the data (day sheets stored first; the previous file of that name
// becomes its ".bak"; after a good write the cards are read back from the
// file and the date shown before is shown again; after a failed write the
// cards in memory stay as they are) or the settings. A wrong extension
// shows "拡張子が違います" and writes nothing.
void saveByExt(Book& book, const std::string& path, FileKind kind);

// The menu commands, with their dialogs through the book's UiPort.
void mnuOpenDataClick(Book& book);
void mnuSaveDataClick(Book& book);
void mnuSaveAsDataClick(Book& book);
void mnuOpenPrefClick(Book& book);
void mnuSaveAsPrefClick(Book& book);

}  // namespace kakeibo
