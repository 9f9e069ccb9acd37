#include "book/Lifecycle.h"

#include <future>

#include "book/AutoDebit.h"
#include "book/DataFileApply.h"
#include "book/DataFileGuard.h"
#include "book/DataPrefetch.h"
#include "book/DayDisplay.h"
#include "book/MonthFileApply.h"
#include "book/MonthSummary.h"
#include "book/PrefApply.h"
#include "book/RecoverySnapshot.h"
#include "book/SettingsApply.h"
#include "book/SheetLayouts.h"
#include "book/Stores.h"
#include "book/WeekYearSummary.h"
#include "messages/Messages.h"
#include "messages/SafetyMessages.h"
#include "model/Dates.h"
#include "storage/FileLayer.h"
#include "storage/FileNames.h"
#include "storage/IniFile.h"
#include "storage/MonthFile.h"
#include "storage/PrefFile.h"
#include "storage/ThreadStart.h"
#include "storage/WindowLayout.h"

namespace kakeibo {

StartupReport formCreate(Book& book, DataPrefetch* prefetch) {
    StartupReport report;
    const Date today = book.today();
    FileLayer& files = *book.safety.files;

    // Before anything is read: a restore replaces the files, and what the
    // prefetch read of the data file is then the file replaced.
    report.recovery = prepareProgramFolder(book);
    if (report.recovery.outcome == RecoveryOutcome::Restored) prefetch = nullptr;

    // Window position and panel heights.
    if (auto ini = IniFile::load(iniFileName(book.folder))) {
        report.windowFileFound = true;
        report.layout = loadWindowLayout(*ini);
    }

    // Preferences into the settings page, then the layouts and the settings.
    const std::string prefPath = prefFileName(book.folder);
    if (fileExists(prefPath)) report.prefOutcome = loadPrefIntoBook(prefPath, book, files);
    setupAllGrids(book);
    settingAll(book);

    // Day cards.
    const std::string dataPath = dataFileName(book.folder);
    if (fileExists(dataPath)) {
        std::optional<DataFileRead> read = prefetch ? prefetch->take(dataPath) : std::nullopt;
        if (!read) read = readDataFile(dataPath, files, CardReading::KeptAsRead);
        // What the close checks the file against before it writes over it.
        rememberDataFileRead(book, *read);
        report.dataOutcome = loadBookData(std::move(*read), book, DataLoadMode::KeepWhatWasRead);
        if (report.dataOutcome != ReadOutcome::Ok) report.unreadableCopy = keepUnreadableCopy(dataPath);
        // A rejected file, or one broken before its first card, leaves no
        // card: the book goes on with one for today, as on a first start,
        // but without the welcome (the person has data, only unreadable).
        if (book.cards.empty()) book.cards.init(today);
        if (book.startDate == 0) book.startDate = today;
    } else {
        book.cards.init(today);
        book.startDate = today;
        book.headerFlag = 0;
        report.firstStart = true;
        msgWelcome(book.ui());
    }

    // Month records, read on a thread of their own beside the data file
    // when the window started that.
    const std::string monthPath = monthFileName(book.folder);
    if (fileExists(monthPath)) {
        std::optional<MonthFileRead> read = prefetch ? prefetch->takeMonths(monthPath) : std::nullopt;
        report.monthOutcome = read ? loadMonthsIntoBook(std::move(*read), book)
                                   : loadMonthsIntoBook(monthPath, book, files);
    } else {
        book.months.init(getMonthKey(today, book.shonichi()));
    }

    // One year cursor and one week cursor for today.
    book.years.init(getYearStart(today));
    book.weeks.init(getWeekStart(today));

    // Every page's current record on its sheets before anything can store
    // the sheets back: otherwise the first page change would write the
    // empty month sheets over the month record read from the file.
    dispTheMonthBody(book, book.months.cur().key);
    dispTheWY(book, 1, today);
    dispTheWY(book, 0, today);

    dispTheDay(book, today);
    book.pnlToday = book.pnlDay;
    book.pnlTodaySum = book.pnlToday;
    book.pnlTodayWeek = book.pnlToday;

    book.GridShishutu.setCurrentCell(0, 1);

    if (book.chkBoxKozaAuto) putKozaExpense(book);
    return report;
}

bool saveAllFiles(Book& book, const WindowSizes& sizes) {
    FileLayer& files = *book.safety.files;
    // The four files are written together: one sync each and one of the
    // folder. Each is saved or not on its own, so a failed preferences
    // write is reported and the data still gets written.
    const std::optional<std::string> windowBytes = windowLayoutFileBytes(iniFileName(book.folder), sizes, files);
    storeTheDay(book);
    // An unchanged book is its data file as read: nothing to encode or copy.
    const BookDataBytes bookData = bookDataBytes(book);
    const std::string_view dataBytes = bookData.bytes();
    // The check of the data file on disk (a hash of the bytes, or a read of
    // the file) runs beside the encoding of the other files, which touches
    // neither the cards nor any file.
    std::future<DataFileBefore> checked =
        runBeside([&book, dataBytes] { return checkStandardDataFile(book, dataBytes); });
    const std::string prefBytes = encodePrefFile(prefImageFromBook(book));
    storeTheMonth(book);
    const std::string monthBytes = encodeMonthFile(book.months.items());
    const DataFileBefore dataBefore = checked.get();

    enum { kWindow, kPref, kData, kMonth };
    std::vector<FileSave> saves(4);
    if (windowBytes) saves[kWindow] = FileSave{iniFileName(book.folder), *windowBytes};
    saves[kPref] = FileSave{prefFileName(book.folder), prefBytes};
    // A data file somebody else changed is not written over.
    if (!dataBefore.changedElsewhere) saves[kData] = FileSave{dataFileName(book.folder), dataBytes, true};
    saves[kMonth] = FileSave{monthFileName(book.folder), monthBytes};
    saveFilesTogether(saves, files);

    bool allWritten = saves[kWindow].saved;
    if (!saves[kPref].saved) reportWriteFailure(book.ui());
    allWritten = saves[kPref].saved && allWritten;
    DataFileWrite data = DataFileWrite::Written;
    if (dataBefore.changedElsewhere) {
        data = writeBesideStandardDataFile(book, dataBytes);
    } else if (saves[kData].saved) {
        standardDataFileWritten(book, dataBytes, dataBefore, true);
    } else {
        reportWriteFailure(book.ui());
        data = DataFileWrite::Failed;
    }
    allWritten = data != DataFileWrite::Failed && allWritten;
    if (!saves[kMonth].saved) reportWriteFailure(book.ui());
    allWritten = saves[kMonth].saved && allWritten;
    if (allWritten) {
        book.safety.recovery.remove();
    } else {
        keepRecoveryCopy(book);
    }
    return allWritten;
}

namespace {

void freeAllLists(Book& book) {
    book.cards.clear();
    book.months.clear();
    book.weeks.clear();
    book.years.clear();
}

}  // namespace

bool formClose(Book& book, const WindowSizes& sizes) {
    const bool allWritten = saveAllFiles(book, sizes);
    if (!allWritten && book.safety.recovery.latestOnDisk()) msgWorkKeptInRecovery(book.ui());
    freeAllLists(book);
    return allWritten;
}

CloseResult formCloseRequested(Book& book, const WindowSizes& sizes, CloseKind kind) {
    if (kind == CloseKind::ForcedByDesktop) keepRecoveryCopy(book);
    const bool allWritten = saveAllFiles(book, sizes);
    if (!allWritten && kind == CloseKind::ByPerson &&
        msgEndAfterFailedClose(book.ui(), book.safety.recovery.latestOnDisk()) != MsgResult::Ok) {
        return CloseResult::KeptOpen;
    }
    freeAllLists(book);
    return CloseResult::Closed;
}

}  // namespace kakeibo
