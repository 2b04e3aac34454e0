#pragma once
// The correction pass over a whole file: every station record of a working copy is corrected
// (record_correction.h) in file order, a block of records at a time, so memory does not grow with
// the file. The header is never changed.
#include <cstdint>
#include <functional>
#include <string>

#include "correction/record_correction.h"
#include "records/working_copy.h"

namespace recbook {

struct CorrectionSettings {
  CorrectionOptions options;
  std::string dtmDirectory;  // terrain directory for O6; empty: no terrain data, [4Z] unchanged
};

// Called after each station record: records corrected so far and the repairs counted so far.
using CorrectionProgress = std::function<void(uint64_t recordsDone, uint64_t repairs)>;

struct CorrectionResult {
  bool ok = false;        // false: a read or write failed
  uint64_t records = 0;   // station records corrected
  uint64_t repairs = 0;
};

// The editor's pass: each block of corrected records is written back to its place in the working
// copy (blocks without a change are not written). A failed write leaves the records before it
// corrected; the edited file itself changes only when the user saves.
CorrectionResult CorrectWorkingCopy(WorkingCopy& copy, const CorrectionSettings& settings,
                                    const CorrectionProgress& progress);

// The command line's pass: the corrected file of source is built in a staging file ("#tmp" in the
// private temporary folder), which then replaces target atomically. Source is unchanged; on
// failure target is unchanged too.
CorrectionResult CorrectToFile(const WorkingCopy& source, const std::string& target,
                               const CorrectionSettings& settings, const CorrectionProgress& progress);

}  // namespace recbook
