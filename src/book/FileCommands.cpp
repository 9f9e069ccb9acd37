#include "book/FileCommands.h"

#include <cctype>

#include "book/DataFileApply.h"
#include "book/DataFileGuard.h"
#include "book/DayDisplay.h"
#include "book/PrefApply.h"
#include "book/Stores.h"
#include "book/TextExports.h"
#include "messages/Messages.h"
#include "storage/FileNames.h"

namespace kakeibo {

std::string lowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || dot < nameStart) return {};
    std::string ext = path.substr(dot);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

bool extensionFits(const std::string& path, FileKind kind) {
    const std::string ext = lowerExtension(path);
    return (kind == FileKind::Data && ext == ".mrb") || (kind == FileKind::Settings && ext == ".prf");
}

namespace {

// Reads a data file into the book for the open and save commands; a read
// of the standard data file is what its next write is checked against.
ReadOutcome readBackData(Book& book, const std::string& path) {
    DataFileRead read = readDataFile(path, *book.safety.files, CardReading::KeptAsRead);
    const bool standard = isStandardDataFile(book, path);
    const PendingIdentity identity = read.identity;
    const std::optional<FileStamp> stamp = read.stamp;
    const ReadOutcome outcome = loadBookData(std::move(read), book, DataLoadMode::ReplaceOnlyWhenGood);
    if (standard && outcome == ReadOutcome::Ok) book.safety.knowDataFile(identity, stamp);
    return outcome;
}

// The data branch's write: the standard data file through its guard.
bool writeData(Book& book, const std::string& path) {
    if (!isStandardDataFile(book, path)) return saveBookData(path, book, *book.safety.files);
    // When another program changed the file, the book went beside it: the
    // file on disk is not this book, so it is not read back.
    return writeStandardDataFile(book, false) == DataFileWrite::Written;
}

}  // namespace

void openByExt(Book& book, const std::string& path, FileKind kind) {
    if (!extensionFits(path, kind)) {
        msgCannotOpen(book.ui());
        return;
    }
    if (kind == FileKind::Settings) {
        loadPrefIntoBook(path, book);
        return;
    }
    // Unsaved edits of the shown card are dropped, as opening another book
    // means; but the cards stay until the new file is known to be good.
    const Date shown = book.cards.curDate();
    if (readBackData(book, path) == ReadOutcome::Ok) {
        ensureCard(book, shown);
        dispTheDay(book, shown);
    }
}

void saveByExt(Book& book, const std::string& path, FileKind kind) {
    if (!extensionFits(path, kind)) {
        msgWrongExt(book.ui());
        return;
    }
    if (kind == FileKind::Settings) {
        savePrefFromBook(path, book);
        return;
    }
    const Date shown = book.cards.curDate();
    storeTheDay(book);
    // After a failed write the file on disk is the previous one: reading it
    // back would replace the cards in memory with older ones.
    if (!writeData(book, path)) return;
    if (readBackData(book, path) == ReadOutcome::Ok) ensureCard(book, shown);
    dispTheDay(book, shown);
}

namespace {

FileDialogRequest dialog(const char* title, const char* filter, int index, std::string initial) {
    return FileDialogRequest{title, filter, index, std::move(initial)};
}

}  // namespace

void mnuOpenDataClick(Book& book) {
    if (auto name = book.ui().askOpenFileName(
            dialog("データを開く", kOpenDialogFilter, 1, dataFileName(book.folder)))) {
        openByExt(book, *name, FileKind::Data);
    }
}

void mnuSaveDataClick(Book& book) { saveByExt(book, dataFileName(book.folder), FileKind::Data); }

void mnuSaveAsDataClick(Book& book) {
    if (auto name = book.ui().askSaveFileName(
            dialog("データを保存", kSaveFilter, 1, dataFileName(book.folder)))) {
        saveByExt(book, *name, FileKind::Data);
    }
}

void mnuOpenPrefClick(Book& book) {
    if (auto name = book.ui().askOpenFileName(
            dialog("設定を開く", kOpenDialogFilter, 2, prefFileName(book.folder)))) {
        openByExt(book, *name, FileKind::Settings);
    }
}

void mnuSaveAsPrefClick(Book& book) {
    if (auto name = book.ui().askSaveFileName(
            dialog("設定を保存", kSaveFilter, 2, prefFileName(book.folder)))) {
        saveByExt(book, *name, FileKind::Settings);
    }
}

}  // namespace kakeibo
