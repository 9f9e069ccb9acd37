#include "book/DataFileApply.h"

#include <utility>

#include "model/Dates.h"
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

// Lends the book's cards to an image for the length of a save, so a
// twenty-year book is not copied to be written.
class LentCards {
public:
    LentCards(Book& book, DataImage& image) : book_(book), image_(image) {
        std::swap(image_.cards, book_.cards.items());
    }
    ~LentCards() { std::swap(image_.cards, book_.cards.items()); }
    LentCards(const LentCards&) = delete;
    LentCards& operator=(const LentCards&) = delete;

private:
    Book& book_;
    DataImage& image_;
};

void takeImage(DataImage& image, Book& book) {
    book.startDate = image.startDate;
    book.headerFlag = image.headerFlag;
    creditRowsToSheet(image.credit, book.GridCredit);
    book.MemoOboe = noteFromFileText(image.note);
    book.cards.items() = std::move(image.cards);
    // The last card read is current, as the reader leaves it; the caller
    // shows a card at once.
    if (!book.cards.empty()) book.cards.setCurIndex(book.cards.size() - 1);
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
    book.headerFlag = 0;
    DataImage image = dataImageWithoutCards(book);
    LentCards lent(book, image);
    return encodeDataFile(image);
}

bool saveBookData(const std::string& path, Book& book, FileLayer& files) {
    book.headerFlag = 0;  // always written as 0
    DataImage image = dataImageWithoutCards(book);
    LentCards lent(book, image);
    return saveData(path, image, book.ui(), files);
}

ReadOutcome loadBookData(const std::string& path, Book& book, DataLoadMode mode) {
    return loadBookData(readDataFile(path), book, mode);
}

ReadOutcome loadBookData(DataFileRead&& read, Book& book, DataLoadMode mode) {
    DataImage image;
    const ReadOutcome outcome = reportDataFileRead(std::move(read), image, book.ui());
    if (outcome == ReadOutcome::VersionTooNew) return outcome;  // nothing read, nothing changed
    if (outcome == ReadOutcome::Broken && mode == DataLoadMode::ReplaceOnlyWhenGood) return outcome;
    takeImage(image, book);
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
