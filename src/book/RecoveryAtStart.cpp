#include "book/RecoveryAtStart.h"

#include "book/DataFileGuard.h"
#include "messages/Messages.h"
#include "messages/SafetyMessages.h"
#include "safety/BackupGenerations.h"
#include "safety/DatedNames.h"
#include "safety/Leftovers.h"
#include "safety/RecoveryFile.h"
#include "storage/DataFile.h"
#include "storage/FileNames.h"
#include "storage/MonthFile.h"
#include "storage/PrefFile.h"

namespace kakeibo {

namespace {

// Whether the three parts would be read completely, so a restore never
// writes a broken file over a good one.
bool partsReadable(const RecoveryParts& parts) {
    DataImage data;
    PrefImage prefs;
    std::vector<MonthRecord> months;
    return decodeDataFile(parts.data, data) == ReadOutcome::Ok &&
           decodePrefFile(parts.prefs, prefs) == ReadOutcome::Ok &&
           decodeMonthFile(parts.months, months) == ReadOutcome::Ok;
}

bool fileHolds(const std::string& path, const std::string& bytes, FileLayer& files) {
    const std::optional<std::string> onDisk = readWholeFile(path, files);
    return onDisk && *onDisk == bytes;
}

std::time_t madeAtOf(const std::optional<RecoveryParts>& parts, const std::string& path) {
    if (parts && parts->madeAt > 0) return parts->madeAt;
    const std::int64_t ns = modificationTimeNs(path);
    return ns > 0 ? static_cast<std::time_t>(ns / 1'000'000'000) : std::time(nullptr);
}

class RecoveryOffer {
public:
    explicit RecoveryOffer(Book& book)
        : book_(book), files_(*book.safety.files), path_(recoveryFileName(book.folder)) {}

    RecoveryAtStart run() {
        if (!files_.exists(path_)) return {};
        const std::optional<std::string> bytes = readWholeFile(path_, files_);
        std::optional<RecoveryParts> parts = bytes ? decodeRecoveryFile(*bytes) : std::nullopt;
        madeAt_ = madeAtOf(parts, path_);
        if (!parts || !partsReadable(*parts)) {
            return keptAside([this](const std::string& kept) { msgRecoveryUnreadable(book_.ui(), kept); });
        }
        const std::optional<FileContents> data = readWithIdentity(dataFileName(book_.folder), files_);
        if (data && data->bytes == parts->data && fileHolds(prefFileName(book_.folder), parts->prefs, files_) &&
            fileHolds(monthFileName(book_.folder), parts->months, files_)) {
            book_.safety.recovery.remove();
            return {RecoveryOutcome::AlreadyInFiles, {}};
        }
        if (!data || !data->identity.sameContents(parts->base)) {
            return keptAside([this](const std::string& kept) { msgRecoveryOutdated(book_.ui(), kept); });
        }
        const std::string keptName = keptRecoveryFileName(book_.folder, madeAt_);
        if (msgAskRestoreRecovery(book_.ui(), momentText(madeAt_), keptName) != MsgResult::Ok) {
            return keptAside([this](const std::string& kept) { msgRecoveryPutAside(book_.ui(), kept); });
        }
        book_.safety.knowDataFile(data->identity);
        if (!restore(*parts)) {
            return keptAside([this](const std::string& kept) { msgRestoreFailed(book_.ui(), kept); });
        }
        book_.safety.recovery.remove();
        return {RecoveryOutcome::Restored, {}};
    }

private:
    // The data file through the guard, which keeps the file it replaces as
    // a generation; then the two other files.
    bool restore(const RecoveryParts& parts) {
        if (writeStandardDataFile(book_, parts.data, true) != DataFileWrite::Written) return false;
        for (const auto& [path, bytes] : {std::pair{prefFileName(book_.folder), &parts.prefs},
                                          std::pair{monthFileName(book_.folder), &parts.months}}) {
            if (!saveFileSafely(path, *bytes, false, files_)) {
                reportWriteFailure(book_.ui());
                return false;
            }
        }
        return true;
    }

    // Renames the copy to its dated name, which needs no room on the disk.
    // Should even that fail, the copy stays where it is and this book must
    // never write over it.
    template <class Tell>
    RecoveryAtStart keptAside(Tell tell) {
        std::string kept = keptRecoveryFileName(book_.folder, madeAt_);
        if (kept.empty() || !files_.rename(path_, kept)) {
            book_.safety.recovery.disable();
            kept = path_;
        } else {
            files_.fsyncFolder(book_.folder);
        }
        tell(kept);
        return {RecoveryOutcome::KeptAside, kept};
    }

    Book& book_;
    FileLayer& files_;
    std::string path_;
    std::time_t madeAt_ = 0;
};

void tellUnfinishedSaves(Book& book, const LeftoverCleanup& cleanup) {
    for (const std::string& kept : cleanup.kept) msgUnfinishedSaveKept(book.ui(), kept);
}

}  // namespace

RecoveryAtStart prepareProgramFolder(Book& book) {
    FileLayer& files = *book.safety.files;
    tellUnfinishedSaves(book, clearLeftovers(book.folder, files));
    clearLeftovers(backupFolderOf(book.folder), files);
    book.safety.recovery.setPath(recoveryFileName(book.folder), files);
    return RecoveryOffer(book).run();
}

bool recoveryCopyWaiting(const std::string& folder) { return fileExists(recoveryFileName(folder)); }

}  // namespace kakeibo
