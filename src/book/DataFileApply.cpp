#include "book/DataFileApply.h"

#include <utility>

#include "model/Dates.h"
#include "messages/Messages.h"
#include "storage/BinaryStream.h"
#include "storage/FileLayer.h"

namespace kakeibo {

std::string noteToFileText(const std::string& editorText) {
    std::string out;
    out.reserve(editorText.size() + editorText.size() / 16);
    for (char c : editorText) {
        if (c == '\n') out += "\r\n";
        else out += c;
    }
    return out;
}

std::string noteFromFileText(const std::string& fileText) {
    std::string out;
    out.reserve(fileText.size());
    for (std::size_t i = 0; i < fileText.size(); ++i) {
        if (fileText[i] == '\r' && i + 1 < fileText.size() && fileText[i + 1] == '\n') {
            out += '\n';
            ++i;
        } else {
            out += fileText[i];
        }
    }
    return out;
}

namespace {

// The last card read is current, as the reader leaves it; the caller shows
// a card at once.
void takeRead(DataFileRead& read, Book& book) {
    DataImage& image = read.image;
    book.startDate = image.startDate;
    book.headerFlag = image.headerFlag;
    creditRowsToSheet(image.credit, book.GridCredit);
    book.MemoOboe = noteFromFileText(image.note);
    if (read.keptCards) {
        book.cards.keepAsRead(std::move(read.bytes), *read.keptCards);
    } else {
        book.cards.assign(std::move(image.cards));
    }
}

}  // namespace

DataImage dataImageWithoutCards(const Book& book) {
    DataImage image;
    image.version = kDataFileVersion;
    image.startDate = book.startDate;
    image.headerFlag = 0;  // always written as 0
    image.credit = creditRowsFromSheet(book.GridCredit);
    image.note = noteToFileText(book.MemoOboe);
    return image;
}

std::string encodeBookData(Book& book) {
    book.headerFlag = 0;  // always written as 0
    const DataImage head = dataImageWithoutCards(book);
    // Cards unchanged since they were read are written as read.
    BinaryWriter w(encodeDataFileHead(head, static_cast<std::size_t>(book.cards.size()),
                                      book.cards.storedSizeEstimate() + 64 * 1024));
    book.cards.writeBlocks(w);
    return w.take();
}

BookDataBytes bookDataBytes(Book& book) {
    BookDataBytes data;
    if (const std::optional<CardList::FileAsRead> asRead = book.cards.fileAsRead()) {
        book.headerFlag = 0;
        const std::string head =
            encodeDataFileHead(dataImageWithoutCards(book), static_cast<std::size_t>(book.cards.size()));
        if (head == asRead->beforeCards) {
            data.asRead = asRead->whole;
            return data;
        }
    }
    data.owned = encodeBookData(book);
    return data;
}

bool saveBookData(const std::string& path, Book& book, FileLayer& files) {
    if (saveFileSafely(path, encodeBookData(book), true, files)) return true;
    reportWriteFailure(book.ui());
    return false;
}

ReadOutcome loadBookData(const std::string& path, Book& book, DataLoadMode mode) {
    return loadBookData(readDataFile(path, systemFileLayer(), CardReading::KeptAsRead), book, mode);
}

ReadOutcome loadBookData(DataFileRead&& read, Book& book, DataLoadMode mode) {
    const ReadOutcome outcome = reportDataFileMessages(read, book.ui());
    if (outcome == ReadOutcome::VersionTooNew) return outcome;  // nothing read, nothing changed
    if (outcome == ReadOutcome::Broken && mode == DataLoadMode::ReplaceOnlyWhenGood) return outcome;
    takeRead(read, book);
    return outcome;
}

void ensureCard(Book& book, Date date) {
    if (book.cards.empty()) book.cards.init(date);
}

std::string keepUnreadableCopy(const std::string& path) {
    const auto bytes = readWholeFile(path);
    if (!bytes) return {};
    for (int n = 1; n < 1000; ++n) {
        std::string name = path + ".unreadable";
        if (n > 1) name += "-" + std::to_string(n);
        if (fileExists(name)) continue;
        return saveFileSafely(name, *bytes, false) ? name : std::string();
    }
    return {};
}

}  // namespace kakeibo
