#pragma once
// The correction pass over a whole file: every station record of a working copy is corrected
// (record_correction.h) in file order, a block of records at a time, so memory does not grow with
// the file. The header is copied unchanged. The corrected file is built in a staging file ("#tmp"
// in the private temporary folder) and only then replaces its target.
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
  bool ok = false;        // false: a read or write failed, the target is unchanged
  uint64_t records = 0;   // station records corrected
  uint64_t repairs = 0;
};

// The editor's pass: the working copy takes the corrected records and stays open on them.
CorrectionResult CorrectWorkingCopy(WorkingCopy& copy, const CorrectionSettings& settings,
                                    const CorrectionProgress& progress);

// The corrected file of source written to target, which is replaced atomically; source is unchanged.
CorrectionResult CorrectToFile(const WorkingCopy& source, const std::string& target,
                               const CorrectionSettings& settings, const CorrectionProgress& progress);

}  // namespace recbook
