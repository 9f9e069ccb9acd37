#pragma once
// kakeibo-cli import: a bank or card statement (CSV) or another program's
// QIF brought into the book, or the last import taken back.
//   import csv FILE --date COL --text COL (--amount COL [--out-negative|--in-negative] | --out COL --in COL)
//                   [--skip N] [--sep ,|tab] [--encoding auto|cp932|utf-8]
//                   [--default-out CATEGORY] [--default-in CATEGORY] [--rules FILE] [--skip-bad] [--dry-run]
//   import qif FILE [--default-out ...] [--default-in ...] [--rules FILE] [--skip-bad] [--dry-run]
//   import --undo

#include <memory>

#include "CommandModule.h"

namespace kakeibo::cli {

std::shared_ptr<CommandModule> makeImportCommand();

}  // namespace kakeibo::cli
