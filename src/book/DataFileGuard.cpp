#include "book/DataFileGuard.h"

#include <ctime>
#include <filesystem>
#include <system_error>

#include "book/DataFileApply.h"
#include "messages/Messages.h"
#include "messages/SafetyMessages.h"
#include "safety/BackupGenerations.h"
#include "safety/ConflictCopy.h"
#include "safety/DatedNames.h"
#include "storage/FileNames.h"

namespace kakeibo {

namespace {

// The day a file's generation is named by: the local day of its last
// write, or today when the file system does not say.
Date generationDay(const FileIdentity& identity, Date today) {
    if (identity.mtimeNs <= 0) return today;
    const Date day = localDayOf(static_cast<std::time_t>(identity.mtimeNs / 1'000'000'000));
    return day == 0 ? today : day;
}

}  // namespace

DataFileBefore checkStandardDataFile(Book& book, std::optional<std::string_view> bytesToWrite) {
    DataFileBefore before;
    const std::string path = dataFileName(book.folder);
    const FileIdentity known = book.safety.dataFile();
    // An unchanged book writes the very bytes it read: their hash is the
    // one known, and is not taken twice.
    if (bytesToWrite && book.safety.dataFileStamp && known.exists && bytesToWrite->size() == known.size &&
        stampOf(path) == book.safety.dataFileStamp &&
        (book.safety.dataFileIsOf(*bytesToWrite) || xxh64(*bytesToWrite) == known.hash)) {
        before.onDisk = FileContents{{}, known};
        before.holdsBytesToWrite = true;
        return before;
    }
    before.onDisk = readWithIdentity(path, *book.safety.files);
    before.changedElsewhere = before.onDisk && before.onDisk->identity.exists &&
                              !before.onDisk->identity.sameContents(known);
    return before;
}

DataFileWrite writeBesideStandardDataFile(Book& book, std::string_view bytes) {
    const std::optional<std::string> beside =
        writeConflictCopy(book.folder, bytes, std::time(nullptr), *book.safety.files);
    if (!beside) {
        reportWriteFailure(book.ui());
        return DataFileWrite::Failed;
    }
    msgDataFileChangedElsewhere(book.ui(), dataFileName(book.folder), *beside);
    return DataFileWrite::WrittenBeside;
}

void standardDataFileWritten(Book& book, std::string_view bytes, const DataFileBefore& before,
                             bool withGeneration) {
    const std::string path = dataFileName(book.folder);
    const std::optional<FileContents>& onDisk = before.onDisk;
    const bool sameBytes =
        before.holdsBytesToWrite || (onDisk && onDisk->identity.exists && onDisk->bytes == bytes);
    if (sameBytes) {
        // The hash of these bytes is known from the check; only the time is new.
        FileIdentity written = onDisk->identity;
        written.mtimeNs = modificationTimeNs(path);
        book.safety.knowDataFile(written);
    } else {
        book.safety.knowDataFile(identityOf(bytes, path));
    }
    // After the data file, so that on a nearly full disk the copy never
    // takes the room the book itself needs; the file replaced is the ".bak"
    // until then. A write of the very bytes it replaces (a close that
    // changed nothing) loses nothing: they are the data file and its ".bak"
    // now, so they are not copied a third time.
    if (withGeneration && onDisk && onDisk->identity.exists && !sameBytes) {
        const KeptGeneration kept = keepGeneration(book.folder, onDisk->bytes,
                                                   generationDay(onDisk->identity, book.today()), book.today(),
                                                   *book.safety.files);
        if (!kept.written) msgGenerationFailed(book.ui(), kept.path);
    }
}

DataFileWrite writeStandardDataFile(Book& book, const std::string& bytes, bool withGeneration) {
    const DataFileBefore before = checkStandardDataFile(book, bytes);
    if (before.changedElsewhere) return writeBesideStandardDataFile(book, bytes);
    if (!saveFileSafely(dataFileName(book.folder), bytes, true, *book.safety.files)) {
        reportWriteFailure(book.ui());
        return DataFileWrite::Failed;
    }
    standardDataFileWritten(book, bytes, before, withGeneration);
    return DataFileWrite::Written;
}

DataFileWrite writeStandardDataFile(Book& book, bool withGeneration) {
    return writeStandardDataFile(book, encodeBookData(book), withGeneration);
}

bool isStandardDataFile(const Book& book, const std::string& path) {
    std::error_code error;
    const auto standard = std::filesystem::weakly_canonical(dataFileName(book.folder), error);
    if (error) return path == dataFileName(book.folder);
    const auto given = std::filesystem::weakly_canonical(path, error);
    if (error) return path == dataFileName(book.folder);
    if (standard == given) return true;
    // Two names of one file (a hard link) are the same file too.
    return std::filesystem::equivalent(standard, given, error) && !error;
}

void rememberDataFileRead(Book& book, const DataFileRead& read) {
    if (read.fileRead) book.safety.knowDataFile(read.identity, read.stamp);
}

}  // namespace kakeibo
