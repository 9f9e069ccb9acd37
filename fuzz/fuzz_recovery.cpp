// The recovery copy's reader on arbitrary bytes: it never crashes or reads
// past the end, and whatever it accepts is written again to the same bytes.

#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "safety/RecoveryFile.h"

using namespace kakeibo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const auto parts = decodeRecoveryFile(bytes);
    if (!parts) return 0;
    const auto again = decodeRecoveryFile(encodeRecoveryFile(*parts));
    if (!again || !again->sameBook(*parts) || again->madeAt != parts->madeAt) std::abort();
    return 0;
}
