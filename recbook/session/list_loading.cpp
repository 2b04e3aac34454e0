#include "session/list_loading.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "session/progress_step.h"
#include "records/station_record.h"

namespace recbook {

bool LoadListLines(RecordList& list, uint64_t count, const ReadRecordsFn& read, const StepDoneFn& stepDone) {
  list.Reserve(static_cast<size_t>(list.size() + count));
  std::vector<char> block(static_cast<size_t>(kProgressStep) * kRecordSize);
  for (uint64_t k = 1; k <= count;) {
    const size_t n = static_cast<size_t>(std::min(kProgressStep, count - k + 1));
    if (!read(k, n, block.data())) return false;
    list.AppendRecords({block.data(), n * kRecordSize}, static_cast<uint32_t>(k));
    k += n;
    if (!stepDone(k - 1)) return false;
  }
  return true;
}

}  // namespace recbook
