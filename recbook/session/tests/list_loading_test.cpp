// Loading a list a progress step at a time: every record in file order, the steps reported, and a
// stop or a failed read leaving only what was read.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "session/list_loading.h"
#include "session/progress_step.h"
#include "records/sample_generator.h"

namespace recbook {
namespace {

TEST(ListLoading, StepsStopsAndFailedReads) {
  const uint64_t count = 2 * kProgressStep + 5;
  std::string file(kRecordSize, 'H');  // record 0, the header, is never read
  SampleGenerator gen(3);
  for (uint64_t k = 1; k <= count; ++k) file.append(gen.Next().text());

  const struct {
    const char* name;
    uint64_t stopAfter;  // the step at which stepDone says stop (0: never)
    uint64_t failAt;     // the first record of the read that fails (0: none)
    bool complete;
    std::vector<uint64_t> steps;
    size_t lines;
  } cases[] = {
      {"whole file", 0, 0, true, {kProgressStep, 2 * kProgressStep, count}, static_cast<size_t>(count)},
      {"stopped", kProgressStep, 0, false, {kProgressStep}, static_cast<size_t>(kProgressStep)},
      {"read fails", 0, kProgressStep + 1, false, {kProgressStep}, static_cast<size_t>(kProgressStep)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RecordList list;
    std::vector<uint64_t> steps;
    const bool complete = LoadListLines(
        list, count,
        [&](uint64_t first, size_t n, char* out) {
          if (first == c.failAt || (first + n - 1) * kRecordSize >= file.size()) return false;
          std::memcpy(out, file.data() + first * kRecordSize, n * kRecordSize);
          return true;
        },
        [&](uint64_t done) {
          steps.push_back(done);
          return done != c.stopAfter;
        });
    EXPECT_EQ(complete, c.complete);
    EXPECT_EQ(steps, c.steps);
    ASSERT_EQ(list.size(), c.lines);
    for (size_t row = 0; row < list.size(); ++row) ASSERT_EQ(list.RecordNumber(row), row + 1);
    // The last line loaded is the line of its record.
    const size_t last = list.size() - 1;
    EXPECT_EQ(list.Line(last), BuildListLine(RecordFromText<StationRecord>(
                                                 std::string_view(file).substr((last + 1) * kRecordSize, kRecordSize)),
                                             static_cast<uint32_t>(last + 1)));
  }
}

}  // namespace
}  // namespace recbook
