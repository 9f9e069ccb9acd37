#pragma once
// The short message shown when typed text cannot be kept as it is: a
// character with no form in the files' code page, or a text over the byte
// limit of its field.

#include <cstddef>

#include <QString>

#include "storage/Cp932.h"

namespace kakeibo::shell {

// The message for a refused text; empty for TextCheck::Ok.
QString refusalMessage(TextCheck check, std::size_t maxBytes);

}  // namespace kakeibo::shell
