#pragma once
// What a book keeps about its own files beyond their contents: the file
// layer its start-up and close write through (tests put a failing one in),
// the data file as it last read or wrote it (to notice another writer),
// and the writer of its recovery copy.

#include <optional>
#include <string_view>

#include "safety/RecoveryWriter.h"
#include "storage/FileIdentity.h"
#include "storage/FileLayer.h"

namespace kakeibo {

struct BookSafety {
    FileLayer* files = &systemFileLayer();
    // The standard data file as this book last read or wrote it, and its
    // stamp when the book read it settled (see FileStamp): while the file
    // keeps that stamp, it is unchanged without reading it again.
    FileIdentity dataFile() const { return dataFile_.get(); }
    // Whether bytes are the very bytes the book read the data file as.
    bool dataFileIsOf(std::string_view bytes) const { return dataFile_.isOf(bytes); }
    std::optional<FileStamp> dataFileStamp;
    void knowDataFile(const PendingIdentity& identity, std::optional<FileStamp> stamp = std::nullopt) {
        dataFile_ = identity;
        dataFileStamp = stamp;
    }
    RecoveryWriter recovery;

private:
    PendingIdentity dataFile_;
};

}  // namespace kakeibo
