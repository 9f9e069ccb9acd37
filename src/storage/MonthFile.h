#pragma once
// The month summary file (".mmm"): the stored month records. No version
// field and no backup:
//   m (int), then m record blocks:
//   key (double), spend/income/summary counts (3 ints), the spending rows
//   (text, double, double), the income rows and the summary rows (text,
//   double each), then the nine totals (doubles).

#include <string>
#include <string_view>
#include <vector>

#include "messages/UiPort.h"
#include "model/DatedList.h"
#include "model/Records.h"
#include "storage/FileLayer.h"
#include "storage/ReadOutcome.h"

namespace kakeibo {

// The bytes of a record with no rows: key, three counts, nine totals.
inline constexpr std::size_t kEmptyMonthBlockBytes = 8 + 12 + 72;

std::string encodeMonthFile(const std::vector<MonthRecord>& records);

// Reads the records in file order, keys exactly as stored (records is
// cleared first). Broken keeps the records read before the fault; the
// record being read keeps its key, the complete rows and the totals read
// before it, so its counts are always its lists' lengths.
ReadOutcome decodeMonthFile(std::string_view bytes, std::vector<MonthRecord>& records);

// Reads the file at path; a failure shows the two month-file messages.
ReadOutcome loadMonthFile(const std::string& path, std::vector<MonthRecord>& records, UiPort& ui,
                          FileLayer& files = systemFileLayer());

// The same in two steps, so a read can be done before its messages are due:
// the read, which shows nothing, and the messages it calls for.
struct MonthFileRead {
    ReadOutcome outcome = ReadOutcome::Broken;
    std::vector<MonthRecord> records;
};
MonthFileRead readMonthFile(const std::string& path, FileLayer& files = systemFileLayer());
ReadOutcome reportMonthFileRead(const MonthFileRead& read, UiPort& ui);

// Writes the file safely (no backup). A failure shows the two
// write-failure messages, leaves the previous file untouched and gives false.
bool saveMonthFile(const std::string& path, const std::vector<MonthRecord>& records, UiPort& ui,
                   FileLayer& files = systemFileLayer());
bool saveMonthFile(const std::string& path, const MonthList& months, UiPort& ui,
                   FileLayer& files = systemFileLayer());

// The month list of the records read: in ascending key order, one record
// per key (of records sharing a key the later one in the file, the one the
// monthly page would have found and kept up to date), the last record
// current. With no records, one empty record keyed keyWhenEmpty.
MonthList buildMonthList(std::vector<MonthRecord> records, Date keyWhenEmpty);

}  // namespace kakeibo
