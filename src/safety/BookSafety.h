#pragma once
// What a book keeps about its own files beyond their contents: the file
// layer its start-up and close write through (tests put a failing one in),
// the data file as it last read or wrote it (to notice another writer),
// and the writer of its recovery copy.

#include "safety/RecoveryWriter.h"
#include "storage/FileIdentity.h"
#include "storage/FileLayer.h"

namespace kakeibo {

struct BookSafety {
    FileLayer* files = &systemFileLayer();
    // The standard data file as this book last read or wrote it.
    FileIdentity dataFile;
    RecoveryWriter recovery;
};

}  // namespace kakeibo
