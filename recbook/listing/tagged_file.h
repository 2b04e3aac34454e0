#pragma once
// Saving tagged records as a file of their own: the records of the tagged lines in list order,
// the header of the header dialog (the edited file's header, contents code "M", the count) and the
// write through a staging file.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "host.h"
#include "listing/record_list.h"
#include "records/record_builder.h"
#include "records/station_record.h"
#include "records/working_copy.h"

namespace recbook {

// Record numbers of the tagged lines, in list order.
std::vector<uint32_t> TaggedRecordNumbers(const RecordList& list);

// Records numbers[i] of the working copy into out[i]; false when one of them cannot be read.
bool ReadRecords(const WorkingCopy& copy, std::span<const uint32_t> numbers, std::vector<StationRecord>& out);

// The header form's fields of a header record (dates as "DD-MM-YYYY").
HeaderValues HeaderValuesOf(const HeaderRecord& header);

// The header dialog's fields for saving tagged records: the edited file's header with contents
// code "M", the number of records and today as writing date.
HeaderValues TaggedFileHeaderValues(const HeaderRecord& edited, size_t count, const quorla::LocalTime& today);

// The 219 characters written as record 0: the built header padded with blanks.
std::string HeaderRecordText(const HeaderValues& values);

// Writes header and records to a "#tmp" staging file, copies it over target (replacing target
// only when the whole file was written) and deletes the staging file. False on any failure.
bool WriteRecordsFile(const std::string& target, std::string_view header, std::span<const StationRecord> records);

}  // namespace recbook
