// Any bytes as a preferences file: reading must never crash or read past
// the end, copying what was read onto a settings page must hold, and a
// file that reads completely must come back the same after writing it
// again (compared as bytes: a text that was not CP932 reads as U+FFFD and
// is written as "?", so the first rewrite may change it, later ones not).

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "SilentUi.h"
#include "book/Book.h"
#include "book/PrefApply.h"
#include "storage/PrefFile.h"

using namespace kakeibo;

using fuzzing::SilentUi;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    PrefImage image;
    const ReadOutcome outcome = decodePrefFile(bytes, image);
    if (outcome == ReadOutcome::VersionTooNew) {
        PrefImage onlyVersion;
        onlyVersion.version = image.version;
        if (!(image == onlyVersion)) std::abort();
    }

    // Whatever was read goes onto a settings page, as loadPref's caller does.
    SilentUi ui;
    Book book(ui);
    applyPrefImage(image, book);
    const PrefImage fromBook = prefImageFromBook(book);
    if (image.userName && fromBook.userName != image.userName) std::abort();

    if (outcome != ReadOutcome::Ok) return 0;
    const std::string written = encodePrefFile(image);
    PrefImage reread;
    if (decodePrefFile(written, reread) != ReadOutcome::Ok) std::abort();
    if (encodePrefFile(reread) != written) std::abort();
    return 0;
}
