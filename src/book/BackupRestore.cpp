#include "book/BackupRestore.h"

#include <algorithm>

#include "book/DataFileApply.h"
#include "book/DataFileGuard.h"
#include "book/DayDisplay.h"
#include "book/Stores.h"
#include "messages/SafetyMessages.h"
#include "safety/BackupGenerations.h"
#include "storage/DataFile.h"
#include "storage/FileNames.h"

namespace kakeibo {

namespace {

// Card count and last card from the lengths alone where the layout is
// found; a file that needs the front-to-back reader is read whole.
void summarize(GenerationSummary& summary, const std::string& bytes) {
    if (std::optional<DataFileLayout> layout = scanDataFile(bytes)) {
        summary.readable = true;
        summary.cards = static_cast<int>(layout->cards.size());
        if (summary.cards > 0) summary.lastCard = layout->cards.back().date;
        return;
    }
    DataImage image;
    summary.readable = decodeDataFile(bytes, image) == ReadOutcome::Ok;
    summary.cards = static_cast<int>(image.cards.size());
    if (!image.cards.empty()) summary.lastCard = image.cards.back().date;
}

std::string slashDate(Date day) { return dateToText(0, day); }

}  // namespace

std::vector<GenerationSummary> summarizeGenerations(const std::string& folder) {
    std::vector<GenerationSummary> summaries;
    for (const Generation& g : listGenerations(folder)) {
        GenerationSummary summary;
        summary.day = g.day;
        summary.path = g.path;
        if (const std::optional<std::string> bytes = readWholeFile(g.path)) summarize(summary, *bytes);
        summaries.push_back(std::move(summary));
    }
    std::reverse(summaries.begin(), summaries.end());
    return summaries;
}

BackupRestore restoreGeneration(Book& book, const std::string& path) {
    FileLayer& files = *book.safety.files;
    const std::optional<std::string> chosen = readWholeFile(path, files);
    GenerationSummary summary;
    if (chosen) summarize(summary, *chosen);
    const std::string name = path.substr(path.rfind('/') + 1);
    if (!chosen || !summary.readable) {
        msgBackupUnreadable(book.ui(), name);
        return BackupRestore::Failed;
    }
    const std::optional<Date> day = generationDayOf(name);
    if (msgAskRestoreBackup(book.ui(), day ? slashDate(*day) : name, summary.cards,
                            summary.lastCard ? slashDate(*summary.lastCard) : "なし") != MsgResult::Ok) {
        return BackupRestore::Cancelled;
    }

    // The book as it is now goes to the data file first, so nothing of it
    // is only in memory once the generation replaces it.
    const Date shown = book.cards.curDate();
    storeTheDay(book);
    const std::string current = encodeBookData(book);
    if (writeStandardDataFile(book, current, true) != DataFileWrite::Written) return BackupRestore::Failed;
    const KeptGeneration kept = keepGeneration(book.folder, current, book.today(), book.today(), files);
    if (!kept.written) {
        msgGenerationFailed(book.ui(), kept.path);
        return BackupRestore::Failed;
    }
    if (writeStandardDataFile(book, *chosen, false) != DataFileWrite::Written) return BackupRestore::Failed;

    DataFileRead read = readDataFile(dataFileName(book.folder), files, CardReading::KeptAsRead);
    rememberDataFileRead(book, read);
    if (loadBookData(std::move(read), book, DataLoadMode::ReplaceOnlyWhenGood) == ReadOutcome::Ok) {
        ensureCard(book, shown);
    }
    dispTheDay(book, shown);
    return BackupRestore::Restored;
}

}  // namespace kakeibo
