#pragma once
// Building a record list from a file's station records in file order, a progress step at a time:
// the editor after Open and after the automatic correction, and the file viewer.
#include <cstddef>
#include <cstdint>
#include <functional>

#include "listing/record_list.h"

namespace recbook {

// Reads n records from record first into out.
using ReadRecordsFn = std::function<bool(uint64_t first, size_t n, char* out)>;
// Called with the records appended so far after each step; false stops the loading.
using StepDoneFn = std::function<bool(uint64_t done)>;

// Appends the lines of station records 1 to count to list. True when every one was read and
// appended; false when a read failed or stepDone stopped it.
bool LoadListLines(RecordList& list, uint64_t count, const ReadRecordsFn& read, const StepDoneFn& stepDone);

}  // namespace recbook
