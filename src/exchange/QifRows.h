#pragma once
// QIF records as statement rows: a record without splits is one row (payee,
// amount T, category L, memo M); a split record is one row per split, each
// with the record's payee, the split's amount, category and memo (the
// record's own memo goes with the first split).

#include "exchange/QifReader.h"
#include "exchange/StatementRow.h"

namespace kakeibo {

StatementRows qifToRows(const QifFile& file);

// A QIF category without its class ("食費:外食/旅行" -> "食費:外食").
std::string withoutQifClass(const std::string& category);

}  // namespace kakeibo
